#include "margin/Klassenkontext.h"
#include "margin/Paarung.h"
#include "margin/Vergleiche.h"
#include "store/Referenzdaten.h"

#include <array>

namespace Margin {
namespace {

// The contract month label of the calculation date: English month abbreviation and the two
// digits of the year, e.g. "Jun07".
QString spotMonat(Datum d) {
    static const std::array<const char*, 12> monate = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return QString("%1%2")
        .arg(monate[static_cast<size_t>(d.monat() - 1)])
        .arg(d.jahr() % 100, 2, 10, QChar('0'));
}

struct Spreadbein {
    int zeile;
    bool spot;
    bool lang;
    bool kurz;
    bool index0;
    long long menge;
};

// One pass: spot legs of one side in the spot month's first maturity against the other side's
// rows of other months. A used-up spot leg sends the walk back to the first row for the next
// one; a used-up partner lets it go on after the partner.
long long spotPaare(std::vector<Spreadbein>& beine, bool spotLang) {
    long long paare = 0;
    Spreadbein* spot = nullptr;
    size_t i = 0;
    while (i < beine.size()) {
        Spreadbein& b = beine[i++];
        if (!spot) {
            if ((spotLang ? b.lang : b.kurz) && b.index0 && b.spot && b.menge > 0) spot = &b;
        } else if ((spotLang ? b.kurz : b.lang) && !b.spot && b.menge > 0) {
            paare += Paaren(spot->menge, b.menge);
            if (spot->menge == 0) {
                spot = nullptr;
                i = 0;
            }
        }
    }
    return paare;
}

std::vector<int> offeneFutures(const Klassenkontext& k) {
    return k.auswahl([](const Berechnungszeile& z) { return z.OffenePositionen > 0 && z.future; });
}

} // namespace

// The class row of the futures' product code serves the class from here on, when it exists.
void SpotMonthSpreads(Klassenkontext& k) {
    const auto zeilen = offeneFutures(k);
    if (!zeilen.empty())
        if (const Klassensatz* kl = k.u.daten.referenz.klasse(k.zeile(zeilen.front()).Prod_Neu))
            k.klasse = kl;
    const QString spot = spotMonat(k.u.daten.Berechnungsdatum);
    std::vector<Spreadbein> beine;
    for (int i : zeilen) {
        const Berechnungszeile& z = k.zeile(i);
        beine.push_back({i, z.Laufzeit.contains(spot), z.lang, z.kurz, z.LaufzeitIndex == 0,
                         ganzzahl(z.OffenePositionen)});
    }
    const long long paare = spotPaare(beine, true) + spotPaare(beine, false);
    for (const Spreadbein& b : beine) {
        Berechnungszeile& z = k.zeile(b.zeile);
        if (ganzzahl(z.OffenePositionen) != b.menge) z.OffenePositionen = double(b.menge);
    }
    k.ausgabe.AnzSpot = paare;
    k.ausgabe.SummeSpot = k.klasse->SpotMonthSpread * double(paare);
}

// Whatever opposite quantities are left lie in different months.
void BackMonthSpreads(Klassenkontext& k) {
    Beinliste shorts = Beine(k, k.auswahl([](const Berechnungszeile& z) {
        return z.OffenePositionen > 0 && z.future && z.kurz;
    }));
    Beinliste longs = Beine(k, k.auswahl([](const Berechnungszeile& z) {
        return z.OffenePositionen > 0 && z.future && z.lang;
    }));
    long long paare = 0;
    for (Bein& s : shorts)
        if (s.OffenePositionen > 0) paare += Bedienen(s, longs, [](const Bein&) { return true; });
    Rueckschreiben(k, longs);
    Rueckschreiben(k, shorts);
    const double back = k.klasse->BackMonthSpread * double(paare);
    k.ausgabe.AnzBack = paare;
    k.ausgabe.SummeBAck = back;
    k.ausgabe.FutureSpreadMargin = z(k.ausgabe.SummeSpot) + back;
}

} // namespace Margin
