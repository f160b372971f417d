#include "margin/Klassenkontext.h"
#include "margin/Vergleiche.h"
#include "margin/Zeilenwerte.h"
#include "store/Referenzdaten.h"

namespace Margin {

// Informative figures of the futures left after netting and spreads; their margin in the totals
// is the scenario result.
void NonSpreadFutures(Klassenkontext& k) {
    const auto zeilen =
        k.auswahl([](const Berechnungszeile& z) { return z.OffenePositionen > 0 && z.future; });
    long long n = 0;
    for (int i : zeilen) n += ganzzahl(k.zeile(i).OffenePositionen);
    double multiplikator = 0, intervall = 0;
    if (!zeilen.empty())
        if (const Produktsatz* p = k.zeile(zeilen.back()).produkt) {
            multiplikator = p->Multiplikator;
            intervall = Intervall(k.u, *k.klasse, k.zeile(zeilen.back()), *p);
        }
    k.ausgabe.AnzNonSpread = n;
    k.ausgabe.AdditionalMargin_Future = multiplikator * double(n) * intervall;
    k.ausgabe.AnzSOPA = ganzzahl(multiplikator) * n;
}

} // namespace Margin
