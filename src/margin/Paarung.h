#pragma once

#include "margin/Klassenkontext.h"

#include <QString>
#include <vector>

namespace Margin {

// An entry of the work lists Long and Short: an open leg of a pairing step, its quantity a
// whole number.
struct Bein {
    int zeile = 0; // the Berechnung row
    int LfdNr = 0;
    long long OffenePositionen = 0;
    double Laufzeit_Tage = 0;
    double Basispreis = 0;
    QString Basispreis_String;
};
using Beinliste = std::vector<Bein>;

// The legs of the given rows, in that order, each quantity times the factor.
Beinliste Beine(const Klassenkontext& k, const std::vector<int>& zeilen, double faktor = 1);

// The pairing rule of every coverage and spread step: the smaller of the two quantities is used
// up, the other keeps the difference. Returns the pairs formed.
long long Paaren(long long& bedient, long long& kandidat);

// Serves one leg from the candidates that pass, in list order, until it is used up or the
// candidates are exhausted. Returns the pairs formed.
template <typename Filter> long long Bedienen(Bein& bein, Beinliste& kandidaten, Filter passt) {
    long long paare = 0;
    for (Bein& c : kandidaten) {
        if (bein.OffenePositionen <= 0) break;
        if (c.OffenePositionen > 0 && passt(c))
            paare += Paaren(bein.OffenePositionen, c.OffenePositionen);
    }
    return paare;
}

// The remaining quantities go back to their rows (entries with a running number above 0).
void Rueckschreiben(Klassenkontext& k, const Beinliste& liste);

// A number as fixed-width text (7 integer digits, ".", at least 5 decimals), so that strikes
// compare as texts in the order of their values.
QString BasispreisText(double x);

} // namespace Margin
