#pragma once

#include "margin/VolaShift.h"
#include "margin/Zeilenwerte.h"

#include <array>

namespace Margin {

// The shift curve of an option row at its underlying price S0: the class's, type's or general
// rows for its moneyness. It does not depend on the scenario price, so a row needs it once.
Shiftkurve ZeilenShiftkurve(const Rechenumgebung& u, const Berechnungszeile& z,
                            const Produktsatz& p, double S0);

// VolaShift: the row's implied volatility and its three shifted forms (up, neutral, down) for a
// move of the underlying from S0 to S.
std::array<double, 4> Volatilitaeten(const Shiftkurve& kurve, double implVola, double S0, double S);

} // namespace Margin
