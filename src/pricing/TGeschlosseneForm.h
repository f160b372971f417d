#pragma once

#include "pricing/TOptionsRechenModell.h"

// Both closed forms have the shape  call = A·(X·N(d1) − Y·N(d2)),  put = A·(Y·N(−d2) − X·N(−d1))
// with d1 = ln(verhaeltnis)/(σ√T) + σ√T/2 and d2 = d1 − σ√T:
// Black-Scholes A = 1, X = S, Y = K·e^(−rT), verhaeltnis = S/(K·e^(−rT));
// Black-76 A = e^(−rT), X = F, Y = K, verhaeltnis = F/K.
struct Schlussformel {
    long double A = 1;
    long double X = 0;
    long double Y = 0;
    long double sigma = 0;
    long double wurzelT = 0;
    long double d1 = 0;
    long double d2 = 0;

    // X = 0 (a spot used up by its dividend) leaves d1 and d2 at 0: wert does not read them.
    Schlussformel(long double a, long double x, long double y, long double verhaeltnis,
                  long double sigma_, long double T);

    long double wert(Optionsart art) const;
    long double delta(Optionsart art) const;
    long double gamma() const;
    long double vega() const; // per volatility point
    // N(±d1), N(±d2): + for a call, − for a put.
    long double Nd1(Optionsart art) const;
    long double Nd2(Optionsart art) const;
    // n(d1)·X·σ/(2√T): the time decay of the option's volatility.
    long double zerfall() const;
};

// Black-Scholes and Black-76: prices and sensitivities in closed form; the implied volatility
// by Newton steps in percent units.
class TGeschlosseneForm : public TOptionsRechenModell {
public:
    long double Preis(Optionsart art, Fehlercode& Fehler, const Optionsdaten& e) const override;
    bool Kennzahlen(Optionsart art, Sensitivitaeten& s, Fehlercode& Fehler,
                    const Optionsdaten& e) const override;
    // From 50 %, at most 21 Newton steps until the price is within 0.00005; stops with code 6
    // above 1000 % and on any code of the price or vega; returns the last volatility, also
    // without convergence (50 when the inputs fail the check).
    long double ImplVola(Optionsart art, Fehlercode& Fehler, const Optionsdaten& e) const override;

protected:
    // On converted, checked inputs. The price form may adjust the spot for a dividend; the
    // sensitivities never do.
    virtual Schlussformel preisform(const Optionsdaten& u) const = 0;
    virtual Schlussformel kennzahlform(const Optionsdaten& u) const = 0;
    // Per calendar day and per rate point.
    virtual long double theta(Optionsart art, const Schlussformel& f,
                              const Optionsdaten& u) const = 0;
    virtual long double rho(Optionsart art, const Schlussformel& f,
                            const Optionsdaten& u) const = 0;
};
