#pragma once

#include "margin/Szenariogitter.h"
#include "margin/Volatilitaeten.h"

#include <array>

namespace Margin {

// What a row of the scenario engine needs at every point, fixed before the walk: the product it
// is valued with, its multiplier N, its underlying price O and, for options, its shift curve.
struct Zeilenbewertung {
    Zeilenbewertung(const Rechenumgebung& u, const Klassensatz& klasse, const Berechnungszeile& z,
                    const Produktsatz& p);

    const Rechenumgebung& u;
    const Berechnungszeile& zeile;
    const Produktsatz& produkt;
    Preiskontext kontext;
    double N;
    double O;
    Shiftkurve kurve;
    double wetterwert; // weather futures: the flat value per contract
};

// The values of one row at one scenario point; losses positive.
struct Positionswert {
    double C = 0;                 // the row's scenario price
    std::array<double, 4> wert{}; // Q (implied volatility), R, S, U (up, neutral, down)
    std::array<double, 4> sopa{}; // the short option minimum sums where they were formed
    std::array<double, 3> vola{}; // the shifted volatilities of an option
};

// The point's data the valuation reads: B, D, P and lo of the class, first and last point.
struct Bewertungspunkt {
    const Szenariogitter::Punkt& punkt;
    double P;
    double lo;
};

Positionswert Bewerten(const Zeilenbewertung& b, const Bewertungspunkt& pt);

} // namespace Margin
