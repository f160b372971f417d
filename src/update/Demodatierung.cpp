#include "update/Demodatierung.h"

#include "calendar/Kalenderdaten.h"
#include "calendar/Kontraktmonat.h"
#include "calendar/LaufzeitenBerechnen.h"
#include "store/Sql.h"
#include "update/Demokalender.h"
#include "update/Risikofaktordatei.h"

#include <QRegularExpression>
#include <QSqlQuery>

namespace Demodatierung {
namespace {

// The two columns of every row, read before the rows are changed.
std::vector<std::pair<QVariant, QVariant>> zeilenpaare(const QSqlDatabase& db, const QString& sql,
                                                       const QVariantList& werte = {}) {
    std::vector<std::pair<QVariant, QVariant>> paare;
    QSqlQuery q = Sql::ausfuehren(db, sql, werte);
    while (q.next()) paare.emplace_back(q.value(0), q.value(1));
    return paare;
}

Datum naechstesVorkommen(int tag, int monat, Datum nach) {
    for (int jahr = nach.jahr();; ++jahr) {
        const Datum d(jahr, monat, tag);
        if (d.gueltig() && d > nach) return d;
    }
}

// The contract month of a maturity: its label when that reads "Jun27" (the power calendar
// labels the delivery month), otherwise the month of its expiry.
std::pair<int, int> kontraktmonat(const LaufzeitEintrag& e) {
    const QString text = QString::fromStdString(e.VerfallMonatTxt);
    for (int monat = 1; monat <= 12; ++monat) {
        const QString name = QString::fromStdString(KontraktmonatText(0, monat)).left(3);
        bool ok = false;
        const int jahr = text.mid(3).toInt(&ok);
        if (text.size() == 5 && text.startsWith(name) && ok) return {jahr, monat};
    }
    return {e.Jahr % 100, e.Monat};
}

Laufzeiten laufzeitenDerKlasse(const QSqlDatabase& db, const QString& klasse, Datum stichtag,
                               const Kalenderdaten& daten) {
    Laufzeiten l;
    QSqlQuery p = Sql::ausfuehren(db,
                                  "SELECT Produkt, Laufzeit, LZB FROM Produkt WHERE MarginKlasse "
                                  "= ? AND MATURITY_SWITCH = 'Y' ORDER BY O_F, Produkt LIMIT 1",
                                  {klasse});
    if (p.next())
        LaufzeitenBerechnen(l, p.value(0).toString().toStdString(), p.value(1).toDouble(),
                            p.value(2).toString().toStdString(), stichtag, daten);
    return l;
}

} // namespace

void Dividendentermine_Verschieben(const QSqlDatabase& db, Datum stichtag) {
    static const QRegularExpression kTermin(R"(^(\d\d)\.(\d\d)\.\d\d$)");
    for (const auto& [produkt, text] :
         zeilenpaare(db, "SELECT Produkt, DividendenTage FROM Produkt")) {
        const auto treffer = kTermin.match(text.toString());
        if (!treffer.hasMatch()) continue;
        const Datum termin =
            naechstesVorkommen(treffer.captured(1).toInt(), treffer.captured(2).toInt(), stichtag);
        Sql::ausfuehren(db, "UPDATE Produkt SET DividendenTage = ? WHERE Produkt = ?",
                        {Demokalender::Datumstext(termin), produkt});
    }
}

void Wetterkontrakte_Verschieben(const QSqlDatabase& db, Datum stichtag) {
    Sql::ausfuehren(db, "UPDATE Produkt SET Laufzeit = ? WHERE LZB = 'S'", {stichtag.jahr() - 2});
}

void Risikofaktoren_Datieren(const QSqlDatabase& db, Datum stichtag, const Kalenderdaten& daten) {
    QSqlQuery klassen = Sql::ausfuehren(db, "SELECT DISTINCT MarginKlasse FROM FPPARA");
    while (klassen.next()) {
        const QString klasse = klassen.value(0).toString();
        const Laufzeiten l = laufzeitenDerKlasse(db, klasse, stichtag, daten);
        for (const auto& [rowid, lzIndex] : zeilenpaare(
                 db, "SELECT rowid, LZIndex FROM FPPARA WHERE MarginKlasse = ?", {klasse})) {
            const int index = lzIndex.toInt();
            if (index >= l.Anzahl) {
                Sql::ausfuehren(db, "DELETE FROM FPPARA WHERE rowid = ?", {rowid});
                continue;
            }
            Risikofaktorzeile r;
            std::tie(r.Jahr, r.Monat) = kontraktmonat(l.Eintraege[index]);
            Sql::ausfuehren(db, "UPDATE FPPARA SET Jahr = ?, Monat = ?, sMonat = ? WHERE rowid = ?",
                            {r.Jahr, r.Monat, r.sMonat(), rowid});
        }
    }
}

} // namespace Demodatierung
