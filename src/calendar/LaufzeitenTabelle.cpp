#include "calendar/LaufzeitenTabelle.h"

#include "calendar/DatumQt.h"
#include "store/Sql.h"

LaufzeitenTabelle::LaufzeitenTabelle(QString verbindung)
    : verbindung_(std::move(verbindung)) {}

QSqlDatabase LaufzeitenTabelle::db() const {
    return QSqlDatabase::database(verbindung_, false);
}

void LaufzeitenTabelle::eintragen(std::string_view lzb, double laufzeit, const Laufzeiten& l,
                                  Datum berechnungsdatum) {
    if (l.Anzahl == 0) return;
    std::pair<std::string, double> paar{std::string(lzb), laufzeit};
    if (bekannt_.contains(paar)) return;
    const QString code = QString::fromStdString(paar.first);
    if (!vorhanden(code, laufzeit)) schreiben(code, laufzeit, l, berechnungsdatum);
    bekannt_.insert(std::move(paar));
}

void LaufzeitenTabelle::leeren() {
    Sql::ausfuehren(db(), "DELETE FROM Laufzeiten");
    bekannt_.clear();
}

bool LaufzeitenTabelle::vorhanden(const QString& lzb, double laufzeit) const {
    return Sql::wert(db(), "SELECT 1 FROM Laufzeiten WHERE LZB = ? COLLATE NOCASE AND Gruppe = ?",
                     {lzb, laufzeit})
        .isValid();
}

void LaufzeitenTabelle::schreiben(const QString& lzb, double laufzeit, const Laufzeiten& l,
                                  Datum berechnungsdatum) const {
    QString sql = "INSERT INTO Laufzeiten (LZB, Gruppe, LZIndex, VerfallDatum, VerfallMonatTxt, "
                  "Tag, Monat, Jahr, LZ_Tage) VALUES ";
    QVariantList werte;
    for (int i = 0; i < l.Anzahl; ++i) {
        const LaufzeitEintrag& e = l.Eintraege[static_cast<std::size_t>(i)];
        sql += i == 0 ? "(?, ?, ?, ?, ?, ?, ?, ?, ?)" : ", (?, ?, ?, ?, ?, ?, ?, ?, ?)";
        werte << lzb << laufzeit << i + 1 << Sql::datum(alsQDate(e.VerfallDatum))
              << QString::fromStdString(e.VerfallMonatTxt) << e.Tag << e.Monat << e.Jahr
              << static_cast<double>(e.VerfallDatum - berechnungsdatum);
    }
    Sql::ausfuehren(db(), sql, werte);
}
