#pragma once

#include "pricing/TBinomialModell.h"

// American options on equities with at most one discrete cash dividend.
class TCoxRubinsteinAktien : public TBinomialModell {
public:
    // On converted inputs: the 120-step tree without dividend, and the dividend tree.
    long double CRR(Optionsart art, Fehlercode& Fehler, const Optionsdaten& u,
                    Baumspitze* spitze = nullptr) const {
        return CRRBaum(art, Baumart::Aktien, Fehler, u, spitze);
    }
    long double CRRDiv(Optionsart art, Fehlercode& Fehler, const Optionsdaten& u,
                       Baumspitze* spitze = nullptr) const {
        return CRRDividendenbaum(art, Fehler, u, spitze);
    }

protected:
    // The dividend tree for a dividend after today and not after expiry. Prices, sensitivities
    // and the implied volatility all choose the same way, so that an implied volatility prices
    // back to the option price it came from.
    long double baumpreis(Optionsart art, Fehlercode& Fehler, const Optionsdaten& u,
                          Baumspitze* spitze) const override {
        const bool mitDividende = u.Dividende != 0 && u.DivTage > 0 && u.DivTage <= u.Tage;
        return mitDividende ? CRRDiv(art, Fehler, u, spitze) : CRR(art, Fehler, u, spitze);
    }
    long double untereVola() const override { return 0.009L; }
};
