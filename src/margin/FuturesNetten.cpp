#include "margin/Klassenkontext.h"
#include "margin/Vergleiche.h"

namespace Margin {
namespace {

void mengeSetzen(Berechnungszeile& z, long long menge) {
    z.OffenePositionen = double(menge);
    z.setzeLeer(Zahlfeld::OffenePositionen, false);
}

// All long quantities of one maturity index onto the first long row, all short ones onto the
// first short row, then the two sums offset: one net position per contract month.
void netten(Klassenkontext& k, int laufzeitIndex) {
    const auto zeilen = k.auswahl([laufzeitIndex](const Berechnungszeile& z) {
        return z.LaufzeitIndex == laufzeitIndex && z.OffenePositionen > 0 && z.future;
    });
    int ersteLang = -1, ersteKurz = -1;
    long long lang = 0, kurz = 0;
    for (int i : zeilen) {
        Berechnungszeile& z = k.zeile(i);
        if (!z.lang && !z.kurz) continue;
        int& erste = z.lang ? ersteLang : ersteKurz;
        (z.lang ? lang : kurz) += ganzzahl(z.OffenePositionen);
        if (erste < 0)
            erste = i;
        else
            mengeSetzen(z, 0);
    }
    const long long netto = lang - kurz;
    if (ersteLang >= 0) mengeSetzen(k.zeile(ersteLang), std::max(netto, 0LL));
    if (ersteKurz >= 0) mengeSetzen(k.zeile(ersteKurz), std::max(-netto, 0LL));
}

} // namespace

// Netting runs over the maturity indexes of the product of the class's first future.
void FuturesNetten(Klassenkontext& k) {
    const auto futures = k.auswahl([](const Berechnungszeile& z) { return z.future; });
    if (futures.empty()) return;
    const Produktsatz* p = k.zeile(futures.front()).produkt;
    const int anzahl = p ? k.u.werte(*p).laufzeiten.Anzahl : 0;
    for (int i = 0; i <= anzahl; ++i) netten(k, i);
}

} // namespace Margin
