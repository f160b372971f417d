#pragma once

#include "pricing/Binomialbaum.h"
#include "pricing/TOptionsRechenModell.h"

// The Cox-Ross-Rubinstein models: American options on a binomial tree. Sensitivities come from
// the top of the tree and from bumped prices; the implied volatility from a bisection.
class TBinomialModell : public TOptionsRechenModell {
public:
    long double Preis(Optionsart art, Fehlercode& Fehler, const Optionsdaten& e) const override;
    bool Kennzahlen(Optionsart art, Sensitivitaeten& s, Fehlercode& Fehler,
                    const Optionsdaten& e) const override;
    // Bisection between the model's lower volatility and a doubled upper bound, up to 100
    // halvings until the price is within 0.0005; returns the last midpoint in percent. 0 when
    // the inputs fail the check (Fehler 0), when even the lower volatility prices above the
    // option (Fehler 3), and when no volatility prices high enough.
    long double ImplVola(Optionsart art, Fehlercode& Fehler, const Optionsdaten& e) const override;

protected:
    // The model's tree on converted inputs.
    virtual long double baumpreis(Optionsart art, Fehlercode& Fehler, const Optionsdaten& u,
                                  Baumspitze* spitze = nullptr) const = 0;
    virtual long double untereVola() const = 0;
};
