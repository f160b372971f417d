#include "pricing/Rueckwaertsinduktion.h"

#include <algorithm>

namespace {

// The nodes of each slice that can be worth anything. A node from which only worthless nodes
// can be reached (no value in the starting slice, no exercise value on the way) is worth
// exactly 0, so leaving it alone changes no digit of the result: for a call these lie at the
// bottom of the tree, for a put at the top. Far from the money most of a tree is such nodes.
class Wertbereich {
public:
    Wertbereich(Optionsart art, const Knoten& V, const Knoten& E, int schritte)
        : schritte_(schritte)
        , wertlosBis_(-1)
        , wertlosAb_(schritte + 1) {
        const auto wertlos = [&](int j) { return V[j] == 0 && E[2 * j] <= 0; };
        if (art == Optionsart::Call)
            while (wertlosBis_ < schritte && wertlos(wertlosBis_ + 1)) ++wertlosBis_;
        else
            while (wertlosAb_ > 0 && wertlos(wertlosAb_ - 1)) --wertlosAb_;
    }

    // The first and the last node of slice m to compute.
    int von(int m) const { return std::max(0, wertlosBis_ + 1 - (schritte_ - m)); }
    int bis(int m) const { return std::min(m, wertlosAb_ - 1); }

private:
    int schritte_;
    int wertlosBis_; // call: the starting nodes 0 … wertlosBis_ are worthless
    int wertlosAb_;  // put: the starting nodes wertlosAb_ … schritte are worthless
};

// One step back: nodes von … bis of slice m from slice m + 1. e points to the exercise value of
// node (m, 0); the nodes of a slice lie two levels apart.
void einSchritt(Knoten& V, const long double* e, int von, int bis, long double auf,
                long double ab) {
    long double darunter = V[von];
    for (int j = von; j <= bis; ++j) {
        const long double darueber = V[j + 1];
        V[j] = std::max(auf * darueber + ab * darunter, e[2 * j]);
        darunter = darueber;
    }
}

// Two steps back in one pass: nodes von … bis of slice m − 1 from slice m + 1, with the values
// of slice m held in registers. Each node then costs half a read and half a write of an
// extended value, which are what the x87 unit is slowest at. e as for slice m.
void zweiSchritte(Knoten& V, const long double* e, int von, int bis, long double auf,
                  long double ab) {
    const long double* e0 = e + 1;                               // slice m − 1
    long double a = V[von + 1];                                  // V(m + 1, j + 1)
    long double b = std::max(auf * a + ab * V[von], e[2 * von]); // V(m, j)
    for (int j = von; j <= bis; ++j) {
        const long double c = V[j + 2];
        const long double b2 = std::max(auf * c + ab * a, e[2 * j + 2]); // V(m, j + 1)
        V[j] = std::max(auf * b2 + ab * b, e0[2 * j]);
        a = c;
        b = b2;
    }
}

} // namespace

void Rueckwaertsinduktion(Optionsart art, Knoten& V, const Knoten& E, int schritte, long double auf,
                          long double ab, Baumspitze* spitze) {
    const Wertbereich bereich(art, V, E, schritte);
    const auto ebene = [&](int m) { return &E[schritte - m]; }; // node (m, 0)
    const auto festhalten = [&](int m) {
        if (spitze && m <= 2) std::copy_n(V.begin(), m + 1, spitze->V[m]);
    };
    int m = schritte;
    // Two slices at a time down to slice 2 or 3; the last ones singly, for the sensitivities.
    for (; m >= 4; m -= 2)
        zweiSchritte(V, ebene(m - 1), bereich.von(m - 2), bereich.bis(m - 2), auf, ab);
    festhalten(m);
    for (; m >= 1; --m) {
        einSchritt(V, ebene(m - 1), bereich.von(m - 1), bereich.bis(m - 1), auf, ab);
        festhalten(m - 1);
    }
}
