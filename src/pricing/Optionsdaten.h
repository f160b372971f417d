#pragma once

#include <cstdint>

// The error code `Fehler` of the option models: 0 none, 1 underlying price, 2 strike,
// 3 volatility (or no volatility fits, or an up probability above 1), 4 time to expiry,
// 6 volatility too high.
using Fehlercode = std::uint8_t;

enum class Optionsart { Call, Put };

// +1 for a call, −1 for a put: the payoff is vorzeichen·(S − K).
inline long double vorzeichen(Optionsart art) {
    return art == Optionsart::Call ? 1 : -1;
}

// The inputs of every model operation, in the units the callers hold them: days, percent,
// currency units. The operations convert their own copy (EinheitenUmrechnen), so one value
// can be passed to several models. For an implied volatility, Vola carries the option price.
struct Optionsdaten {
    long double DivTage = 0;   // days to the dividend date, 0 for none
    long double Dividende = 0; // cash dividend per unit of the underlying
    long double Tage = 0;      // days to expiry
    long double Zins = 0;      // percent per year, continuously compounded
    long double Vola = 0;      // percent per year, or the option price
    long double Basis = 0;     // strike
    long double Kurs = 0;      // underlying price; the futures price for futures models
};

// The outputs of a sensitivity operation: per unit of the underlying (Delta, Gamma), per
// calendar day (Theta), per volatility point (Vega), per rate point (Rho). Reserve stays 0.
struct Sensitivitaeten {
    long double Delta = 0;
    long double Gamma = 0;
    long double Reserve = 0;
    long double Rho = 0;
    long double Theta = 0;
    long double Vega = 0;
};
