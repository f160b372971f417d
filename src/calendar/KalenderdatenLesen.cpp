#include "calendar/KalenderdatenLesen.h"

#include "calendar/DatumQt.h"
#include "store/Sql.h"

#include <QSqlQuery>

namespace {

Datum datumAus(const QVariant& wert) {
    return ausQDate(Sql::datumAus(wert));
}

std::string text(const QVariant& wert) {
    return wert.toString().trimmed().toStdString();
}

void inflationstermineLesen(const QSqlDatabase& db, Kalenderdaten& daten) {
    QSqlQuery q =
        Sql::ausfuehren(db, "SELECT Termin, O_F FROM Inflationsderivate_Termine ORDER BY rowid");
    while (q.next()) {
        const Datum termin = datumAus(q.value(0));
        const QString art = q.value(1).toString();
        if (art == "O") daten.inflationOptionen.push_back(termin);
        if (art == "F") daten.inflationFutures.push_back(termin);
    }
}

void amperoLesen(const QSqlDatabase& db, Kalenderdaten& daten) {
    QSqlQuery q = Sql::ausfuehren(
        db, "SELECT PRODUCT_ID, FIRST_TRADING_DATE, LETZTER_HT, Anzeigetext, CONTRACT_SIZE "
            "FROM Ampero ORDER BY rowid");
    while (q.next()) {
        daten.ampero[grossgeschrieben(text(q.value(0)))].push_back(
            {datumAus(q.value(1)), datumAus(q.value(2)), q.value(3).toString().toStdString(),
             q.value(4).toLongLong()});
    }
}

std::vector<std::string> konfigurationsliste(const QSqlDatabase& db, const QString& liste) {
    std::vector<std::string> werte;
    QSqlQuery q = Sql::ausfuehren(
        db, "SELECT Wert FROM Konfigurationslisten WHERE Liste = ? COLLATE NOCASE ORDER BY rowid",
        {liste});
    while (q.next()) werte.push_back(grossgeschrieben(text(q.value(0))));
    return werte;
}

} // namespace

Feiertage FeiertageLesen(const QSqlDatabase& db) {
    std::vector<Datum> tage;
    QSqlQuery q = Sql::ausfuehren(db, "SELECT Dat FROM Feiertage");
    while (q.next()) tage.push_back(datumAus(q.value(0)));
    return Feiertage(tage);
}

Kalenderdaten KalenderdatenLesen(const QSqlDatabase& db) {
    Kalenderdaten daten;
    daten.feiertage = FeiertageLesen(db);
    inflationstermineLesen(db, daten);
    amperoLesen(db, daten);
    daten.jGruppeA = konfigurationsliste(db, "J-Gruppe-A");
    daten.jGruppeB = konfigurationsliste(db, "J-Gruppe-B");
    return daten;
}
