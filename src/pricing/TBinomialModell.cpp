#include "pricing/TBinomialModell.h"

#include <cmath>

namespace {

// Delta, Gamma and Theta from the values at steps 0 to 2 of the tree, S the input price.
void ausDerSpitze(Sensitivitaeten& s, const Baumspitze& b, long double wert, long double S) {
    const long double(&V)[3][3] = b.V;
    const long double u2 = b.u * b.u;
    const long double d2 = b.d * b.d;
    s.Delta = (V[1][1] - V[1][0]) / (S * b.u - S * b.d);
    s.Gamma = ((V[2][2] - V[2][1]) / ((u2 - 1) * S) - (V[2][1] - V[2][0]) / ((1 - d2) * S)) /
              (0.5L * S * (u2 - d2));
    s.Theta = (V[2][1] - wert) / (2 * b.dt * 365);
}

} // namespace

long double TBinomialModell::Preis(Optionsart art, Fehlercode& Fehler,
                                   const Optionsdaten& e) const {
    Optionsdaten u;
    if (!umrechnenUndPruefen(u, Fehler, e)) return 0;
    return baumpreis(art, Fehler, u);
}

bool TBinomialModell::Kennzahlen(Optionsart art, Sensitivitaeten& s, Fehlercode& Fehler,
                                 const Optionsdaten& e) const {
    s = {};
    Optionsdaten u;
    if (!umrechnenUndPruefen(u, Fehler, e)) return false;
    Baumspitze spitze;
    const long double wert = baumpreis(art, Fehler, u, &spitze);
    if (!spitze.gefuellt) return true;
    ausDerSpitze(s, spitze, wert, u.Kurs);
    Optionsdaten verschoben = u;
    verschoben.Vola += 0.02L;
    s.Vega = (baumpreis(art, Fehler, verschoben) - wert) * 0.01L / 0.02L;
    verschoben = u;
    verschoben.Zins += 0.05L;
    s.Rho = (baumpreis(art, Fehler, verschoben) - wert) * 0.01L / 0.05L;
    return true;
}

long double TBinomialModell::ImplVola(Optionsart art, Fehlercode& Fehler,
                                      const Optionsdaten& e) const {
    const long double ziel = e.Vola;
    Optionsdaten u = e;
    EinheitenUmrechnen(u);
    u.Vola = 0.1L;
    const bool gut = ParameterPruefen(Fehler, u);
    Fehler = 0;
    if (!gut) return 0;
    const auto preis = [&](long double sigma) {
        u.Vola = sigma;
        return baumpreis(art, Fehler, u);
    };

    long double unten = untereVola();
    if (preis(unten) > ziel) {
        Fehler = 3;
        return 0;
    }
    long double oben = 0.3L;
    int i = 1;
    for (; preis(oben) < ziel && i < 20; ++i) oben *= 2;
    if (i >= 18) return 0;

    long double mitte = 0;
    for (int n = 0; n < 100; ++n) {
        mitte = (unten + oben) / 2;
        const long double abstand = preis(mitte) - ziel;
        if (std::fabs(abstand) < 0.0005L) break;
        (abstand >= 0 ? oben : unten) = mitte;
    }
    return mitte * 100;
}
