#include "margin/TAusgabe1.h"

#include "shell/Arbeitsmappe.h"
#include "shell/Arbeitsmappenausgabe.h"
#include "shell/TMain.h"
#include "store/Datenbank.h"
#include "store/Sql.h"

#include <QSqlRecord>
#include <cmath>

namespace {

// Field names in row 1, the records from row `erste`, each value as its type.
template <class Wert>
void tabelleSchreiben(Arbeitsmappe& m, const QString& sql, int erste, Wert&& wert) {
    QSqlQuery q = Sql::ausfuehren(Datenbank::verbindung(), sql);
    const QSqlRecord felder = q.record();
    const int spalten = std::min(static_cast<int>(felder.count()), 40);
    for (int s = 0; s < spalten; ++s) m.schreiben(Zellbezug{0, s}.name(), felder.fieldName(s));
    for (int zeile = erste - 1; q.next(); ++zeile)
        for (int s = 0; s < spalten; ++s)
            wert(m, Zellbezug{zeile, s}.name(), felder.fieldName(s), q.value(s));
    m.spaltenAnpassen("A1:Z1");
}

void alsWert(Arbeitsmappe& m, const QString& zelle, const QString&, const QVariant& v) {
    if (v.isNull()) return;
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int ||
        v.typeId() == QMetaType::LongLong)
        m.schreiben(zelle, v.toDouble());
    else
        m.schreiben(zelle, v.toString());
}

} // namespace

// The three tables of the last run for the people who check the figures.
void TAusgabe1::excelExport() {
    Arbeitsmappe m;
    m.blattBenennen("Ausgabe1");
    tabelleSchreiben(m, "SELECT * FROM Ausgabe1 ORDER BY LfdNr", 3, alsWert);
    m.blattHinzufuegen();
    m.blattBenennen("Ausgabe2");
    tabelleSchreiben(
        m, "SELECT * FROM Ausgabe2 ORDER BY Klasse, Bezeichnung, Zaehler", 2,
        [](Arbeitsmappe& mappe, const QString& zelle, const QString& feld, const QVariant& v) {
            if (feld == "IntervallZaehler" && !v.isNull())
                mappe.schreiben(zelle, std::round(v.toDouble()));
            else if (feld == "Laufzeit")
                mappe.schreiben(zelle, "\"" + v.toString());
            else
                alsWert(mappe, zelle, feld, v);
        });
    m.blattHinzufuegen();
    m.blattBenennen("Berechnung");
    tabelleSchreiben(m, "SELECT * FROM Berechnung", 3, alsWert);
    arbeitsmappeAusgeben(m, haupt_.dialoge());
}
