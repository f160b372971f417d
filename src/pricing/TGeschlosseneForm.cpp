#include "pricing/TGeschlosseneForm.h"

#include <cmath>

using N = TOptionsRechenModell;

Schlussformel::Schlussformel(long double a, long double x, long double y, long double verhaeltnis,
                             long double sigma_, long double T)
    : A(a)
    , X(x)
    , Y(y)
    , sigma(sigma_)
    , wurzelT(std::sqrt(T)) {
    if (X == 0) return;
    const long double sigmaWurzelT = sigma * wurzelT;
    d1 = std::log(verhaeltnis) / sigmaWurzelT + sigmaWurzelT / 2;
    d2 = d1 - sigmaWurzelT;
}

long double Schlussformel::Nd1(Optionsart art) const {
    return N::NormalVerteilung(vorzeichen(art) * d1);
}

long double Schlussformel::Nd2(Optionsart art) const {
    return N::NormalVerteilung(vorzeichen(art) * d2);
}

long double Schlussformel::wert(Optionsart art) const {
    // Without an underlying the call is worthless and the put is worth its discounted strike.
    if (X == 0) return art == Optionsart::Call ? 0 : A * Y;
    if (art == Optionsart::Call) return A * (X * Nd1(art) - Y * Nd2(art));
    return A * (-X * Nd1(art) + Y * Nd2(art));
}

long double Schlussformel::delta(Optionsart art) const {
    return vorzeichen(art) * A * Nd1(art);
}

long double Schlussformel::gamma() const {
    return A * N::NormalDichte(d1) / (wurzelT * X * sigma);
}

long double Schlussformel::vega() const {
    return N::NormalDichte(d1) * wurzelT * A * X * 0.01L;
}

long double Schlussformel::zerfall() const {
    return N::NormalDichte(d1) * X * sigma / (2 * wurzelT);
}

long double TGeschlosseneForm::Preis(Optionsart art, Fehlercode& Fehler,
                                     const Optionsdaten& e) const {
    Optionsdaten u;
    if (!umrechnenUndPruefen(u, Fehler, e)) return 0;
    return preisform(u).wert(art);
}

bool TGeschlosseneForm::Kennzahlen(Optionsart art, Sensitivitaeten& s, Fehlercode& Fehler,
                                   const Optionsdaten& e) const {
    s = {};
    Optionsdaten u;
    if (!umrechnenUndPruefen(u, Fehler, e)) return false;
    const Schlussformel f = kennzahlform(u);
    s.Delta = f.delta(art);
    s.Gamma = f.gamma();
    s.Vega = f.vega();
    s.Theta = theta(art, f, u);
    s.Rho = rho(art, f, u);
    return true;
}

long double TGeschlosseneForm::ImplVola(Optionsart art, Fehlercode& Fehler,
                                        const Optionsdaten& e) const {
    const long double ziel = e.Vola;
    Optionsdaten v = e;
    v.Vola = 50;
    Fehler = 0;
    long double M = Preis(art, Fehler, v);
    bool weiter = true;
    for (int i = 0; std::fabs(M - ziel) > 0.00005L && weiter;) {
        Sensitivitaeten s;
        Kennzahlen(art, s, Fehler, v);
        if (s.Vega != 0 && Fehler == 0) v.Vola -= (M - ziel) / s.Vega;
        if (Fehler == 0) M = Preis(art, Fehler, v);
        if (++i > 20) weiter = false;
        if (v.Vola > 1000) Fehler = 6;
        if (Fehler != 0) weiter = false;
    }
    return v.Vola;
}
