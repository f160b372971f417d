#include "margin/Paarung.h"
#include "store/Referenzdaten.h"

#include <algorithm>
#include <cmath>

namespace Margin {
namespace {

bool offen(const Berechnungszeile& z) {
    return z.OffenePositionen > 0;
}

// ORDER BY Laufzeit_Tage, Basispreis (ascending or descending); ties keep Berechnung order.
std::vector<int> sortiert(const Klassenkontext& k, std::vector<int> zeilen, bool basisAbsteigend) {
    std::stable_sort(zeilen.begin(), zeilen.end(), [&](int a, int b) {
        const Berechnungszeile &x = k.zeile(a), &y = k.zeile(b);
        if (x.Laufzeit_Tage != y.Laufzeit_Tage) return x.Laufzeit_Tage < y.Laufzeit_Tage;
        return basisAbsteigend ? x.Basispreis > y.Basispreis : x.Basispreis < y.Basispreis;
    });
    return zeilen;
}

// Short options whose minimum value binds, covered by long options of the same kind that live
// at least as long and whose strike is not worse: for calls not higher, for puts not lower.
void OptionenAbdecken(Klassenkontext& k, bool call) {
    const auto art = [call](const Berechnungszeile& z) { return call ? z.call : z.put; };
    Beinliste shorts =
        Beine(k, sortiert(k, k.auswahl([&](const Berechnungszeile& z) {
                  return z.sopa(Ohne) > 0 && offen(z) && z.option && art(z) && z.kurz;
              }),
                          true));
    Beinliste longs = Beine(k, sortiert(k, k.auswahl([&](const Berechnungszeile& z) {
                                return offen(z) && z.option && art(z) && z.lang;
                            }),
                                        !call));
    for (Bein& s : shorts) {
        if (s.OffenePositionen <= 0) continue;
        Bedienen(s, longs, [&](const Bein& l) {
            const bool basisPasst = call ? l.Basispreis_String <= s.Basispreis_String
                                         : l.Basispreis_String >= s.Basispreis_String;
            return basisPasst && l.Laufzeit_Tage >= s.Laufzeit_Tage;
        });
    }
    Rueckschreiben(k, longs);
    Rueckschreiben(k, shorts);
}

// The multiplier of the product of the first row; 0 when there is no row or no product.
double ersterMultiplikator(const Klassenkontext& k, bool option) {
    const auto zeilen =
        k.auswahl([option](const Berechnungszeile& z) { return option ? z.option : z.future; });
    if (zeilen.empty() || !k.zeile(zeilen.front()).produkt) return 0;
    return k.zeile(zeilen.front()).produkt->Multiplikator;
}

// Short options covered by futures that expire no earlier, one future for faktor options; only
// the options keep the reduced quantity.
void MitFuturesAbdecken(Klassenkontext& k, bool call, double faktor) {
    auto shortZeilen = k.auswahl([call](const Berechnungszeile& z) {
        return offen(z) && z.option && z.sopa(Ohne) > 0 && (call ? z.call : z.put) && z.kurz;
    });
    if (!call) shortZeilen = sortiert(k, shortZeilen, false);
    Beinliste shorts = Beine(k, shortZeilen);
    Beinliste futures = Beine(k, k.auswahl([call](const Berechnungszeile& z) {
        return offen(z) && z.future && (call ? z.lang : z.kurz);
    }),
                              faktor);
    for (Bein& s : shorts)
        if (s.OffenePositionen > 0)
            Bedienen(s, futures, [&](const Bein& f) { return f.Laufzeit_Tage >= s.Laufzeit_Tage; });
    Rueckschreiben(k, shorts);
}

} // namespace

void ShortCallsAbdecken(Klassenkontext& k) {
    OptionenAbdecken(k, true);
}

void ShortPutsAbdecken(Klassenkontext& k) {
    OptionenAbdecken(k, false);
}

void OptionenMitFuturesAbdecken(Klassenkontext& k) {
    const double mO = ersterMultiplikator(k, true);
    const double mF = ersterMultiplikator(k, false);
    if (mO <= 0 || mF <= 0) return;
    const double faktor = std::trunc(mF / mO);
    MitFuturesAbdecken(k, true, faktor);
    MitFuturesAbdecken(k, false, faktor);
}

} // namespace Margin
