#pragma once

#include "pricing/TGeschlosseneForm.h"

// European options on equities and indices, with at most one discrete cash dividend. A
// dividend due strictly between today and expiry lowers the spot by its present value (at
// most down to 0); the sensitivities ignore it.
class TBlackScholes : public TGeschlosseneForm {
protected:
    Schlussformel preisform(const Optionsdaten& u) const override;
    Schlussformel kennzahlform(const Optionsdaten& u) const override;
    long double theta(Optionsart art, const Schlussformel& f, const Optionsdaten& u) const override;
    long double rho(Optionsart art, const Schlussformel& f, const Optionsdaten& u) const override;
};
