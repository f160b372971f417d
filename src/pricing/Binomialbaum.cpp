#include "pricing/Binomialbaum.h"

#include "pricing/Rueckwaertsinduktion.h"
#include "pricing/TOptionsRechenModell.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSchritte = 120;

long double ausuebung(long double s, long double P, long double K) {
    return s * (P - K);
}

// The values at the dividend date: exercise on the cum-dividend price, or hold the option into
// the ex-dividend tree. The sub-trees share their constants; each checks its own spot. A spot
// that the dividend uses up (code 1) leaves an option on a worthless underlying, which is
// exercised at once: a put is worth its strike then, not nothing.
void exDividendenwerte(Optionsart art, Fehlercode& Fehler, const Optionsdaten& u, const Knoten& P,
                       Knoten& V, int k) {
    Optionsdaten ex = u;
    ex.Tage = u.Tage - u.DivTage;
    const Binomialbaum teilbaum(Baumart::Aktien, ex.Tage, u.Zins, u.Vola, kSchritte);
    const long double s = vorzeichen(art);
    for (int j = 0; j <= k; ++j) {
        ex.Kurs = P[j] - u.Dividende;
        long double halten = 0;
        if (TOptionsRechenModell::ParameterPruefen(Fehler, ex)) {
            if (teilbaum.gueltig())
                halten = teilbaum.bewerten(art, u.Basis, ex.Kurs, kSchritte);
            else
                Fehler = 3;
        } else if (Fehler == 1 && ex.Tage > 0.001) {
            halten = std::max(ausuebung(s, std::max(ex.Kurs, 0.0L), u.Basis), 0.0L);
        }
        V[j] = std::max(ausuebung(s, P[j], u.Basis), halten);
    }
}

} // namespace

long double Potenz(long double basis, long double exponent) {
    if (exponent == 0) return basis != 0 ? 1 : 0;
    if (basis > 0) return std::exp(exponent * std::log(basis));
    if (basis == 0 || exponent < 1 || exponent != std::floor(exponent)) return 0;
    return std::pow(basis, exponent);
}

Binomialbaum::Binomialbaum(Baumart art, long double T, long double r, long double sigma,
                           long double n)
    : dt_(T / n) {
    const long double R = std::exp(r * dt_);
    u_ = std::exp(sigma * std::sqrt(dt_));
    d_ = 1 / u_;
    u2_ = u_ * u_;
    p_ = ((art == Baumart::Aktien ? R : 1) - d_) / (u_ - d_);
    aufAbgezinst_ = p_ / R;
    abAbgezinst_ = (1 - p_) / R;
}

void Binomialbaum::kurse(Knoten& P, long double S, int m) const {
    P[0] = S * Potenz(d_, m);
    for (int j = 0; j < m; ++j) P[j + 1] = P[j] * u2_;
}

long double Binomialbaum::bewerten(Optionsart art, long double K, long double S, int n,
                                   Baumspitze* spitze) const {
    Knoten V;
    const long double unten = S * Potenz(d_, n);
    long double P = unten;
    const long double s = vorzeichen(art);
    for (int j = 0; j <= n; ++j, P *= u2_) V[j] = std::max(ausuebung(s, P, K), 0.0L);
    return rueckwaerts(art, K, n, V, unten, spitze);
}

long double Binomialbaum::rueckwaerts(Optionsart art, long double K, int schritte, Knoten& V,
                                      long double unten, Baumspitze* spitze) const {
    Knoten E;
    const long double s = vorzeichen(art);
    long double P = unten;
    for (int i = 0; i <= 2 * schritte; ++i, P *= u_) E[i] = ausuebung(s, P, K);
    Rueckwaertsinduktion(art, V, E, schritte, aufAbgezinst_, abAbgezinst_, spitze);
    if (spitze && schritte >= 2) {
        spitze->gefuellt = true;
        spitze->u = u_;
        spitze->d = d_;
        spitze->dt = dt_;
    }
    return V[0];
}

Dividendenschritte DividendenschritteBestimmen(long double tD, long double T) {
    Dividendenschritte s;
    s.k = static_cast<int>(std::nearbyint(tD / T * s.n));
    if (s.k < 5 && tD > 0) {
        s.n = std::nearbyint(8 * T / tD);
        s.k = static_cast<int>(std::nearbyint(tD / T * s.n));
    }
    return s;
}

long double CRRBaum(Optionsart art, Baumart baumart, Fehlercode& Fehler, const Optionsdaten& u,
                    Baumspitze* spitze) {
    if (!TOptionsRechenModell::ParameterPruefen(Fehler, u)) return 0;
    const Binomialbaum baum(baumart, u.Tage, u.Zins, u.Vola, kSchritte);
    if (!baum.gueltig()) {
        Fehler = 3;
        return 0;
    }
    return baum.bewerten(art, u.Basis, u.Kurs, kSchritte, spitze);
}

long double CRRDividendenbaum(Optionsart art, Fehlercode& Fehler, const Optionsdaten& u,
                              Baumspitze* spitze) {
    if (u.Dividende == 0 || u.Tage < u.DivTage || u.DivTage < 0)
        return CRRBaum(art, Baumart::Aktien, Fehler, u, spitze);
    // Also bounds the trial volatilities of the implied-volatility search, whose growth
    // factors would otherwise leave the range of long double.
    if (!TOptionsRechenModell::ParameterPruefen(Fehler, u)) return 0;
    const Dividendenschritte schritte = DividendenschritteBestimmen(u.DivTage, u.Tage);
    const Binomialbaum baum(Baumart::Aktien, u.Tage, u.Zins, u.Vola, schritte.n);
    if (!baum.gueltig()) {
        Fehler = 3;
        return 0;
    }
    Knoten V;
    Knoten P;
    baum.kurse(P, u.Kurs, schritte.k);
    exDividendenwerte(art, Fehler, u, P, V, schritte.k);
    return baum.rueckwaerts(art, u.Basis, schritte.k, V, P[0], spitze);
}
