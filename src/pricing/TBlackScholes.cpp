#include "pricing/TBlackScholes.h"

#include <algorithm>
#include <cmath>

namespace {

Schlussformel formel(long double S, const Optionsdaten& u) {
    const long double abgezinst = u.Basis * std::exp(-u.Zins * u.Tage);
    return {1, S, abgezinst, S / abgezinst, u.Vola, u.Tage};
}

// A dividend on the expiry day or later is not paid before expiry; one due today is already
// reflected in the spot.
long double exDividende(const Optionsdaten& u) {
    long double S = u.Kurs;
    if (u.Dividende == 0 || u.DivTage < 0 || u.DivTage > u.Tage) return S;
    if (u.DivTage > 0 && u.DivTage < u.Tage && u.Dividende > 0)
        S -= u.Dividende * std::exp(-u.Zins * u.DivTage);
    return std::max(S, 0.0L);
}

} // namespace

Schlussformel TBlackScholes::preisform(const Optionsdaten& u) const {
    return formel(exDividende(u), u);
}

Schlussformel TBlackScholes::kennzahlform(const Optionsdaten& u) const {
    return formel(u.Kurs, u);
}

long double TBlackScholes::theta(Optionsart art, const Schlussformel& f,
                                 const Optionsdaten& u) const {
    return -(f.zerfall() + vorzeichen(art) * f.Nd2(art) * f.Y * u.Zins) / 365;
}

long double TBlackScholes::rho(Optionsart art, const Schlussformel& f,
                               const Optionsdaten& u) const {
    return vorzeichen(art) * f.Nd2(art) * f.Y * u.Tage * 0.01L;
}
