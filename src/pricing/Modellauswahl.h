#pragma once

#include "pricing/TOptionsRechenModell.h"

#include <optional>
#include <string_view>

// The model of an option model code OPM: "BS" Black-Scholes, "TB76" Black-76, "CRA" and "CRF"
// Cox-Ross-Rubinstein for equities and for futures; nullptr for any other code. The models
// hold no state, so one constant instance each serves every evaluation.
const TOptionsRechenModell* ModellFuer(std::string_view OPM);

enum class Modelloperation { Preis, ImplVola };

struct Modellergebnis {
    double Wert = 0;
    Fehlercode Fehler = 0;
};

// One evaluation by OPM, the common road of the pricing services and the command-line tool:
// a price (Fehler starts at 0) or an implied volatility. Nothing for an unknown code. A result
// that is not a finite number throws Rechenfehler instead of leaving as NaN or infinity.
std::optional<Modellergebnis> Modellrechnung(std::string_view OPM, Modelloperation operation,
                                             Optionsart art, const Optionsdaten& e);
