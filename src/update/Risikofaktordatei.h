#pragma once

#include "update/Updatedatei.h"

#include <QString>
#include <QStringList>

// One line of the maturity risk factor file (fixed width): a row of FPPARA.
struct Risikofaktorzeile {
    int zeile = 0;
    QString MarginKlasse;
    int Jahr = 0; // two digits as delivered (8 for 2008)
    int Monat = 0;
    double Faktor = 0;
    int LZIndex = 0;

    // "Jan" ... "Dec" ("???" outside 1 to 12) and Jahr without leading zeros, at most five
    // characters.
    QString sMonat() const;
};

// A line fits when it reaches position 14, names a margin class and has whole numbers for
// year and month and a number for the factor. LZIndex is numbered as the import stores it.
Dateiinhalt<Risikofaktorzeile> Risikofaktordatei_Lesen(const QStringList& zeilen);

// Counts the rows of each class from 0 in (Jahr, Monat) order. The rows are walked in the
// order of the table (class without regard to case, then year and month; ties keep the file
// order), and the count starts again on a row whose class is not exactly the previous one's.
void LZIndex_Nummerieren(std::vector<Risikofaktorzeile>& zeilen);
