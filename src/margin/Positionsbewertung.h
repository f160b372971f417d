#pragma once

#include "margin/Szenariogitter.h"
#include "margin/Volatilitaeten.h"

#include <array>

namespace Margin {

// What the option rows of one series (product, class, call/put, maturity, strike, implied
// volatility) share: their underlying price O, shift curve and pricing context. Rows of one
// series have the same prices at every point, so the series is priced once.
struct Serie {
    Serie(const Rechenumgebung& u, const Berechnungszeile& z, const Produktsatz& p);

    const Rechenumgebung& u;
    const Berechnungszeile& zeile; // the series' first row
    Preiskontext kontext;
    double O;
    Shiftkurve kurve;
};

// A series at one scenario point: the scenario price C, the implied and the three shifted
// volatilities and the option price per unit under each (0 for rows that are neither call nor
// put).
struct Serienpreise {
    double C = 0;
    std::array<double, 4> vola{};
    std::array<double, 4> preis{};
};

Serienpreise SerieBewerten(const Serie& s, double B, double P);

// What a row of the scenario engine needs at every point, fixed before the walk: the product it
// is valued with, its multiplier N, its underlying price O and, for options, its series.
struct Zeilenbewertung {
    Zeilenbewertung(const Rechenumgebung& u, const Klassensatz& klasse, const Berechnungszeile& z,
                    const Produktsatz& p);

    const Berechnungszeile& zeile;
    const Produktsatz& produkt;
    double N;
    double O;
    double wetterwert; // weather futures: the flat value per contract
    int serie = -1;    // options: the index of the row's series
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

// preise: the row's series at this point (options only).
Positionswert Bewerten(const Zeilenbewertung& b, const Serienpreise* preise,
                       const Bewertungspunkt& pt);

} // namespace Margin
