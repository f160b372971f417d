#pragma once

#include "update/Updatedatei.h"

#include <QString>
#include <QStringList>

// One line of the equities and bonds margin parameter file (fixed width): a row of the
// staging table U_Produkt_Bonds.
struct Wertpapierzeile {
    int zeile = 0;
    QString MarginGruppe;
    double OffSetFaktor = 0;
    QString MarginKlasse;
    QString ISIN;
    double Parameter = 0;
    QString ParameterArt; // "A" points or "P" percent, as delivered
    QString Waehrung;
};

// Lines whose first five positions read "*EOF*" are skipped. A line fits when it reaches
// position 44, names an ISIN and has numbers where numbers belong.
Dateiinhalt<Wertpapierzeile> Wertpapierdatei_Lesen(const QStringList& zeilen);
