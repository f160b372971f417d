#pragma once

#include "pricing/Modellauswahl.h"
#include "pricing/Optionsdaten.h"

#include <string>
#include <string_view>

// Test shorthand: one price or implied volatility by model code, in the models' units.
inline Modellergebnis preis(std::string_view OPM, Optionsart art, const Optionsdaten& e) {
    return *Modellrechnung(OPM, Modelloperation::Preis, art, e);
}
inline Modellergebnis implVola(std::string_view OPM, Optionsart art, const Optionsdaten& e) {
    return *Modellrechnung(OPM, Modelloperation::ImplVola, art, e);
}
inline const char* name(Optionsart art) {
    return art == Optionsart::Call ? "call" : "put";
}

// "BS call T=90 r=3 v=25 K=100 S=110 D=0@0": the case in a failure message.
std::string beschreibung(std::string_view OPM, Optionsart art, const Optionsdaten& e);
