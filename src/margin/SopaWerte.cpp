#include "input/Produkttypen.h"
#include "margin/Klassenkontext.h"
#include "margin/Volatilitaeten.h"
#include "store/Referenzdaten.h"

namespace Margin {
namespace {

// The minimum value of a short option at the adverse end of its margin interval, per
// volatility; a field stays 0 where the theoretical value there is not below the minimum.
void sopaWerte(const Klassenkontext& k, Berechnungszeile& z, const Produktsatz& p) {
    const double intervall = Intervall(k.u, *k.klasse, z, p);
    const double m = Multiplikator(k.u, z, p);
    const double S0 = Basiskurs(k.u, z, p);
    const double S = z.call ? S0 + intervall : S0 - intervall;
    if (!Produkttypen::IstDerivatTyp(p.Art)) return;
    const auto volas = Volatilitaeten(ZeilenShiftkurve(k.u, z, p, S0), z.ImplVola, S0, S);
    const double minimum = (z.TradePrice + 0.25 * intervall) * m;
    const Preiskontext kontext = preiskontext(k.u, z, p);
    for (Schicht s : {Ohne, Up, Neutral, Down}) {
        const double wert = Zeilenpreis(k.u, kontext, z, volas[s], S) * m;
        z.SopaWert[s] = minimum > wert ? minimum : 0;
    }
}

} // namespace

// Each row's values depend on that row alone, so the rows are priced on the run's threads.
void SopaWerteBerechnen(Klassenkontext& k) {
    std::vector<int> zeilen;
    for (bool call : {true, false})
        for (int i : k.auswahl([call](const Berechnungszeile& z) {
                 return z.OffenePositionen > 0 && z.option && (call ? z.call : z.put) && z.kurz &&
                        z.produkt;
             }))
            zeilen.push_back(i);
    k.u.parallelFuer(zeilen.size(), [&](size_t n) {
        Berechnungszeile& z = k.zeile(zeilen[n]);
        sopaWerte(k, z, *z.produkt);
    });
}

} // namespace Margin
