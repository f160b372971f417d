#include "pricing/TBlack76.h"

#include <cmath>

Schlussformel TBlack76::kennzahlform(const Optionsdaten& u) const {
    return {std::exp(-u.Zins * u.Tage), u.Kurs, u.Basis, u.Kurs / u.Basis, u.Vola, u.Tage};
}

long double TBlack76::theta(Optionsart art, const Schlussformel& f, const Optionsdaten& u) const {
    const long double s = vorzeichen(art);
    const long double r = u.Zins;
    return -(-s * r * f.X * f.A * f.Nd1(art) + s * r * f.Y * f.A * f.Nd2(art) + f.A * f.zerfall()) /
           365;
}

long double TBlack76::rho(Optionsart art, const Schlussformel& f, const Optionsdaten& u) const {
    return -u.Tage * f.wert(art) * 0.01L;
}
