#pragma once

#include "margin/Rechenumgebung.h"
#include "pricing/Preiskontext.h"

struct Klassensatz;

namespace Margin {

// The maturity risk factor of a class and maturity index: for a product margined per
// maturity the positive Faktor of FPPARA, else 1.
double Laufzeitfaktor(const Berechnungsdaten& daten, const Produktsatz& produkt,
                      const QString& klasse, int laufzeitIndex);

// The contract size of a power contract by its last trading day; 0 when the calendar has none.
double AmperoKontraktgroesse(const Kalenderdaten& kalender, const QString& produkt,
                             Datum letzterHT);

// The parameter kinds "Punkte"/"Points": the margin parameter is in price points, else in
// percent of the price.
bool inPunkten(const QString& parameterArt);

// What a row is valued with: its product's pricing context in the calculation, multiplier,
// underlying price and margin interval.
Preiskontext preiskontext(const Rechenumgebung& u, const Berechnungszeile& z, const Produktsatz& p);
// The price per unit of the row's option at the underlying price kurs under the volatility.
double Zeilenpreis(const Rechenumgebung& u, const Preiskontext& k, const Berechnungszeile& z,
                   double vola, double kurs);
double Multiplikator(const Rechenumgebung& u, const Berechnungszeile& z, const Produktsatz& p);
double Basiskurs(const Rechenumgebung& u, const Berechnungszeile& z, const Produktsatz& p);
double Intervall(const Rechenumgebung& u, const Klassensatz& klasse, const Berechnungszeile& z,
                 const Produktsatz& p);

} // namespace Margin
