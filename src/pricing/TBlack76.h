#pragma once

#include "pricing/TGeschlosseneForm.h"

// European options on futures; Kurs is the futures price, the dividend inputs are ignored.
class TBlack76 : public TGeschlosseneForm {
protected:
    Schlussformel preisform(const Optionsdaten& u) const override { return kennzahlform(u); }
    Schlussformel kennzahlform(const Optionsdaten& u) const override;
    long double theta(Optionsart art, const Schlussformel& f, const Optionsdaten& u) const override;
    long double rho(Optionsart art, const Schlussformel& f, const Optionsdaten& u) const override;
};
