#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// What the input window shows for the current row: the grid columns hidden
// for the row's product type, the titles and labels that depend on it, the
// maturity pick list and the binding of the maturity price edit.
struct Spaltenlayout {
    QSet<QString> versteckt;      // field names of hidden columns
    bool produktGefunden = false; // the header shows the product's data
    QString tradePriceTitel;
    QString preisLabel;              // label of the current price edit
    bool kennzahlenSichtbar = false; // multiplier, tick size, tick value
    bool laufzeitpreisSichtbar = false;
    QString laufzeitpreisLabel;
    QString laufzeitpreisFeld; // "UnderlyingPrice" or "Preis_Faelligkeit_<k>"
    QStringList laufzeitAuswahl;
    // The column that takes the focus because the focused one became hidden; empty when none.
    QString fokusNach;
};
