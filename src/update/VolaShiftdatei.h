#pragma once

#include "update/Updatedatei.h"

#include <QString>
#include <QStringList>

// One line of the volatility shift file (fixed width): a row of vola_shifts. Empty texts stay
// empty; the import stores them as NULL, which the shift look-up tests for.
struct VolaShiftzeile {
    int zeile = 0;
    QString typ, marginklasse, c_p;
    int days = 0;
    double Mnes = 0, PriceMove = 0, Vola_Up = 0, Vola_Neutral = 0, Vola_Down = 0;
};

// The exchange's product type code as a vola_shifts type: "OSTK" "A", "OINX" "I", "OFBD" "Z",
// "OFEN" "S" (power options), any other code "0"; an empty code stays empty.
QString VolaShiftTyp(QStringView code);

// A line fits when it reaches position 52 and has numbers where numbers belong.
Dateiinhalt<VolaShiftzeile> VolaShiftdatei_Lesen(const QStringList& zeilen);
