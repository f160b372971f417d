#pragma once

#include "update/Updatedatei.h"

#include <QString>
#include <QStringList>

// One line of the derivatives margin parameter file (fixed width).
struct Derivatezeile {
    int zeile = 0;
    QString MarginGruppe;
    double OffsetFaktor = 0;
    QString MarginKlasse;
    double BackMonthSpread = 0, SpotMonthSpread = 0, SOPA_Faktor = 0;
    QString MATURITY_SWITCH; // one character as delivered
    QString Produkt;
    double MarginParameter = 0;
    bool punkte = false; // kind "A": parameter in price points, else percent
};

// The last line of the file closes it and is never read. A line fits when it reaches
// position 60, names a margin class and a product and has numbers where numbers belong.
Dateiinhalt<Derivatezeile> Derivatedatei_Lesen(const QStringList& zeilen);
