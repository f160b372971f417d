#pragma once

#include "calendar/Datum.h"
#include "calendar/Kalenderdaten.h"
#include "margin/Berechnungszeile.h"
#include "margin/VolaShiftZeilen.h"
#include "shell/Datumstext.h"
#include "store/Referenzdaten.h"

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <vector>

namespace Margin {

// Everything a calculation reads, loaded once from the database before it starts: the
// portfolio (table Eingabe, in table order) and the reference data. The calculation itself
// touches no database.
struct Berechnungsdaten {
    Datum Berechnungsdatum;
    QString Ausgabewaehrung;
    QString Sprache;             // "d": the calculation's messages in German, else in English
    Datumstext::Stil Datumsstil; // the order of the date texts of the rows and products
    std::vector<Berechnungszeile> Eingabe;
    Referenzdaten referenz;
    Kalenderdaten kalender;
    std::vector<VolaShiftZeile> vola_shifts;
    std::vector<VolaShiftZeile> vola_shifts_index;
    QHash<QString, double> FPPARA;     // Faktor of the first row per (class, LZIndex)
    QSet<QString> Sonderklassenliste1; // class codes of the strike-step ladders, upper case
    QSet<QString> Sonderklassenliste2;

    static QString FPPARASchluessel(const QString& klasse, int lzIndex);
};

// Reads the portfolio and the reference data from the open connection, on the thread that
// owns it. Throws DatenbankFehler.
// The calculation date, output currency, date style and language are the caller's settings.
Berechnungsdaten BerechnungsdatenLesen(const QSqlDatabase& db, Datum berechnungsdatum,
                                       const QString& ausgabewaehrung,
                                       const Datumstext::Stil& datumsstil, const QString& sprache);

} // namespace Margin
