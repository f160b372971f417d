#pragma once

#include "pricing/Optionsdaten.h"

// The interface of the four option models. Models hold no state: every input is an argument,
// so one constant instance per model serves every caller. All arithmetic is done in long double
// (the x87 extended format); the pricing services hand the results on as double.
//
// A price or sensitivity operation converts its own copy of the inputs (EinheitenUmrechnen),
// checks them (ParameterPruefen) and returns 0 with Fehler set when the check fails. Price
// operations leave Fehler untouched when nothing fails; the implied-volatility operations
// reset it first. Invalid inputs never throw; a floating-point failure throws Rechenfehler.
class TOptionsRechenModell {
public:
    virtual ~TOptionsRechenModell() = default;

    virtual long double Preis(Optionsart art, Fehlercode& Fehler, const Optionsdaten& e) const = 0;
    // True when the inputs passed the check; otherwise every output is 0.
    virtual bool Kennzahlen(Optionsart art, Sensitivitaeten& s, Fehlercode& Fehler,
                            const Optionsdaten& e) const = 0;
    // e.Vola carries the option price; the result is a volatility in percent.
    virtual long double ImplVola(Optionsart art, Fehlercode& Fehler,
                                 const Optionsdaten& e) const = 0;

    long double CallPreis(Fehlercode& Fehler, const Optionsdaten& e) const {
        return Preis(Optionsart::Call, Fehler, e);
    }
    long double PutPreis(Fehlercode& Fehler, const Optionsdaten& e) const {
        return Preis(Optionsart::Put, Fehler, e);
    }
    bool CallSensitivitaeten(Sensitivitaeten& s, Fehlercode& Fehler, const Optionsdaten& e) const {
        return Kennzahlen(Optionsart::Call, s, Fehler, e);
    }
    bool PutSensitivitaeten(Sensitivitaeten& s, Fehlercode& Fehler, const Optionsdaten& e) const {
        return Kennzahlen(Optionsart::Put, s, Fehler, e);
    }
    long double ImplVolaCall(Fehlercode& Fehler, const Optionsdaten& e) const {
        return ImplVola(Optionsart::Call, Fehler, e);
    }
    long double ImplVolaPut(Fehlercode& Fehler, const Optionsdaten& e) const {
        return ImplVola(Optionsart::Put, Fehler, e);
    }

    // Single sensitivities: the sensitivity operation with fresh outputs, one of them returned.
    long double CallDelta(Fehlercode& F, const Optionsdaten& e) const { return call(F, e).Delta; }
    long double CallGamma(Fehlercode& F, const Optionsdaten& e) const { return call(F, e).Gamma; }
    long double CallVega(Fehlercode& F, const Optionsdaten& e) const { return call(F, e).Vega; }
    long double CallRho(Fehlercode& F, const Optionsdaten& e) const { return call(F, e).Rho; }
    long double CallTheta(Fehlercode& F, const Optionsdaten& e) const { return call(F, e).Theta; }
    long double CallReserve(Fehlercode& F, const Optionsdaten& e) const {
        return call(F, e).Reserve;
    }
    long double PutDelta(Fehlercode& F, const Optionsdaten& e) const { return put(F, e).Delta; }
    long double PutGamma(Fehlercode& F, const Optionsdaten& e) const { return put(F, e).Gamma; }
    long double PutVega(Fehlercode& F, const Optionsdaten& e) const { return put(F, e).Vega; }
    long double PutRho(Fehlercode& F, const Optionsdaten& e) const { return put(F, e).Rho; }
    long double PutTheta(Fehlercode& F, const Optionsdaten& e) const { return put(F, e).Theta; }
    long double PutReserve(Fehlercode& F, const Optionsdaten& e) const { return put(F, e).Reserve; }

    // In place: Vola and Zins from percent to fractions, DivTage and Tage from days to years.
    static void EinheitenUmrechnen(Optionsdaten& e);
    // On converted inputs. Every check runs, each failing one overwrites Fehler, in the order
    // strike (2), volatility low (3), volatility high (6), time (4), underlying (1): with
    // several faults the last one's code remains. True when all pass.
    static bool ParameterPruefen(Fehlercode& Fehler, const Optionsdaten& umgerechnet);

    // The cumulative standard normal distribution by the polynomial 26.2.16 of Abramowitz and
    // Stegun (absolute error below 1.2e-5), 1 beyond 6 and 0 below -6. Margins must agree with
    // the clearing house's own figures, which use this polynomial, not an exact erf.
    static long double NormalVerteilung(long double x);
    // The standard normal density, 0 beyond |x| > 6.
    static long double NormalDichte(long double x);

private:
    Sensitivitaeten call(Fehlercode& Fehler, const Optionsdaten& e) const {
        Sensitivitaeten s;
        Kennzahlen(Optionsart::Call, s, Fehler, e);
        return s;
    }
    Sensitivitaeten put(Fehlercode& Fehler, const Optionsdaten& e) const {
        Sensitivitaeten s;
        Kennzahlen(Optionsart::Put, s, Fehler, e);
        return s;
    }
};

// Converted copy of the inputs, checked: the common start of every price and sensitivity.
// False (Fehler set) when the check fails.
bool umrechnenUndPruefen(Optionsdaten& u, Fehlercode& Fehler, const Optionsdaten& e);
