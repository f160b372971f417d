#pragma once

#include "pricing/TBinomialModell.h"

// American options on futures; Kurs is the futures price, the dividend inputs are ignored.
class TCoxRubinsteinFutures : public TBinomialModell {
public:
    // On converted inputs: the 120-step futures tree.
    long double CRRFut(Optionsart art, Fehlercode& Fehler, const Optionsdaten& u,
                       Baumspitze* spitze = nullptr) const {
        return CRRBaum(art, Baumart::Futures, Fehler, u, spitze);
    }

protected:
    long double baumpreis(Optionsart art, Fehlercode& Fehler, const Optionsdaten& u,
                          Baumspitze* spitze) const override {
        return CRRFut(art, Fehler, u, spitze);
    }
    long double untereVola() const override { return 0.01L; }
};
