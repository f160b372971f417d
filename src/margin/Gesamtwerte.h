#pragma once

#include "margin/Berechnungsdaten.h"
#include "margin/Ergebniszeilen.h"

#include <QHash>
#include <QStringList>
#include <vector>

namespace Margin {

// Every amount of every Ausgabe1 row into the output currency: divided by the rate of the
// class's currency, times the rate of the output currency. The class's currency is that of the
// first product of the class (or, when no product names the class any more, of the class's own
// positions). A currency without a rate stops the calculation. The "Account Total" row and a row
// without class key hold no amounts and keep factor 1.
void WaehrungUmrechnen(std::vector<Ausgabe1Zeile>& ausgabe1, const Berechnungsdaten& daten,
                       const std::vector<Berechnungszeile>& berechnung);

struct Szenariowahl {
    std::vector<Szenarienzeile> Szenarien;
    QHash<QString, QString> SzenarioJeKlasse; // class key (upper case) → "UP"/"NEUTRAL"/"DOWN"
};

// The worst of the six scenarios for each class without group, one common worst scenario for
// all classes of a margin group, and the "Account Total" row (the last row).
Szenariowahl GruppenUndSummen(std::vector<Ausgabe1Zeile>& ausgabe1, const QStringList& gruppen);

} // namespace Margin
