#pragma once

#include "pricing/Optionsdaten.h"

#include <array>

// base^exponent as the trees need it: exponent 0 gives 1 (0 for base 0); a positive base
// e^(exponent·ln base); base 0 gives 0; a negative base gives its power for a whole exponent of
// at least 1, and 0 otherwise.
long double Potenz(long double basis, long double exponent);

enum class Baumart { Aktien, Futures };

// One time slice of a tree. No tree has more than 121 nodes in a slice; nothing is allocated
// per evaluation.
using Knoten = std::array<long double, 256>;

// The values at the top of a tree that the sensitivities read: V[m][j] after j up-moves at
// step m, with the tree's moves and step width.
struct Baumspitze {
    bool gefuellt = false;
    long double V[3][3] = {};
    long double u = 0;
    long double d = 0;
    long double dt = 0;
};

// Cox-Ross-Rubinstein constants for n steps over T years at rate r and volatility sigma
// (fractions): u = e^(σ√Δt), d = 1/u, growth R = e^(rΔt); up probability (R − d)/(u − d) for
// equities, (1 − d)/(u − d) for futures.
class Binomialbaum {
public:
    Binomialbaum(Baumart art, long double T, long double r, long double sigma, long double n);

    // False when the up probability exceeds 1 (rates high against the volatility).
    bool gueltig() const { return !(p_ > 1); }
    // The prices after m steps: P[0] = S·d^m, P[j + 1] = P[j]·u².
    void kurse(Knoten& P, long double S, int m) const;
    // An American option over n steps from spot S (with n the constructor's step count).
    long double bewerten(Optionsart art, long double K, long double S, int n,
                         Baumspitze* spitze = nullptr) const;
    // Backward induction from `schritte` steps ahead to today over the values V of that slice,
    // whose lowest price is `unten`, with exercise against the prices met on the way. Returns
    // the value today.
    long double rueckwaerts(Optionsart art, long double K, int schritte, Knoten& V,
                            long double unten, Baumspitze* spitze) const;

private:
    long double dt_;
    long double u_;
    long double d_;
    long double u2_;
    long double p_;
    long double aufAbgezinst_; // p / R
    long double abAbgezinst_;  // (1 − p) / R
};

// Step counts of the dividend tree: n steps in all, k of them up to the dividend date.
struct Dividendenschritte {
    long double n = 120;
    int k = 0;
};
// 120 steps, k = the dividend's share of them rounded half to even; when that leaves fewer
// than 5 steps before a dividend after today, the width shrinks to about eight steps before
// the dividend (n = ⟦8T/tD⟧ may far exceed 120, only k steps are built).
Dividendenschritte DividendenschritteBestimmen(long double tD, long double T);

// The American trees on converted inputs. Each checks its inputs again (price 0 with the code)
// and gives 0 with code 3 when the up probability exceeds 1.
// Without dividend: 120 steps.
long double CRRBaum(Optionsart art, Baumart baumart, Fehlercode& Fehler, const Optionsdaten& u,
                    Baumspitze* spitze = nullptr);
// With the dividend u.Dividende at u.DivTage (years): at each node of the dividend date the
// holder exercises or keeps an option on the ex-dividend price, valued by a 120-step tree over
// the remaining time. A failed check in such a sub-tree sets Fehler and values it 0, except
// that an ex-dividend price of 0.001 or less (code 1) leaves the exercise value on a worthless
// underlying. Without a dividend, or one outside today … expiry, the tree without dividend.
long double CRRDividendenbaum(Optionsart art, Fehlercode& Fehler, const Optionsdaten& u,
                              Baumspitze* spitze = nullptr);
