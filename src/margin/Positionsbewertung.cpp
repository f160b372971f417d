#include "margin/Positionsbewertung.h"

#include "store/Referenzdaten.h"

#include <algorithm>

namespace Margin {
namespace {

bool istArt(const Produktsatz& p, const char* art) {
    return p.Art.compare(art, Qt::CaseInsensitive) == 0;
}

// A weather future's loss is its price distance to the bound, at most the margin parameter.
double wetterwert(const Rechenumgebung& u, const Klassensatz& klasse, const Berechnungszeile& z,
                  const Produktsatz& p) {
    const double w =
        klasse.MarginParameter * Laufzeitfaktor(u.daten, p, z.MarginKlasse, z.LaufzeitIndex) * 100;
    if (z.lang) return std::min((z.Akt_Preis_Neu - 0.1) * 100, w);
    if (z.kurz) return std::min((100 - z.Akt_Preis_Neu) * 100, w);
    return 0;
}

void futurewert(const Zeilenbewertung& b, const Bewertungspunkt& pt, Positionswert& w) {
    const Berechnungszeile& z = b.zeile;
    if (z.OffenePositionen <= 0) return;
    double q = 0;
    if (istArt(b.produkt, "W"))
        q = z.OffenePositionen * b.wetterwert;
    else if (z.lang || z.kurz)
        q = (z.lang ? -1 : 1) * z.OffenePositionen * pt.punkt.D * b.N;
    w.wert.fill(q);
}

// At the adverse end of the range the uncovered part of a short option is worth at least its
// minimum value, the covered part its theoretical value. Interest rate options are margined
// net of the premium received, except where the minimum binds.
void kurzeOption(const Zeilenbewertung& b, const Bewertungspunkt& pt,
                 const std::array<double, 4>& preise, Positionswert& w) {
    const Berechnungszeile& z = b.zeile;
    const bool zins = istArt(b.produkt, "Z");
    const bool nachteilig =
        z.call ? pt.punkt.letzter : (pt.punkt.E == 0 && z.Akt_Preis_Neu > pt.lo);
    for (Schicht s : {Ohne, Up, Neutral, Down}) {
        w.wert[s] = z.Anzahl * b.N * preise[s];
        if (nachteilig) {
            w.sopa[s] =
                z.OffenePositionen * z.sopa(s) + (z.Anzahl - z.OffenePositionen) * b.N * preise[s];
            if (w.sopa[s] > w.wert[s] && z.OffenePositionen > 0) {
                w.wert[s] = w.sopa[s];
                continue;
            }
        }
        if (zins) w.wert[s] -= z.Betrag;
    }
}

void optionswert(const Zeilenbewertung& b, const Serienpreise& p, const Bewertungspunkt& pt,
                 Positionswert& w) {
    const Berechnungszeile& z = b.zeile;
    std::copy(p.vola.begin() + 1, p.vola.end(), w.vola.begin());
    if (!z.call && !z.put) return;
    if (z.lang) {
        const double praemie = istArt(b.produkt, "Z") ? z.Betrag : 0;
        for (Schicht s : {Ohne, Up, Neutral, Down})
            w.wert[s] = -z.Anzahl * b.N * p.preis[s] + praemie;
    } else if (z.kurz) {
        kurzeOption(b, pt, p.preis, w);
    }
}

} // namespace

Serie::Serie(const Rechenumgebung& umgebung, const Berechnungszeile& z, const Produktsatz& p)
    : u(umgebung)
    , zeile(z)
    , kontext(preiskontext(umgebung, z, p))
    , O(Basiskurs(umgebung, z, p))
    , kurve(ZeilenShiftkurve(umgebung, z, p, O)) {}

// Equal volatilities (a shift of 0) share one price.
Serienpreise SerieBewerten(const Serie& s, double B, double P) {
    Serienpreise p;
    p.C = s.O + (B - P);
    p.vola = Volatilitaeten(s.kurve, s.zeile.ImplVola, s.O, p.C);
    if (!s.zeile.call && !s.zeile.put) return p;
    for (size_t i = 0; i < 4; ++i) {
        const auto gleich =
            std::find(p.vola.begin(), p.vola.begin() + std::ptrdiff_t(i), p.vola[i]);
        p.preis[i] = gleich != p.vola.begin() + std::ptrdiff_t(i)
                         ? p.preis[size_t(gleich - p.vola.begin())]
                         : Zeilenpreis(s.u, s.kontext, s.zeile, p.vola[i], p.C);
    }
    return p;
}

Zeilenbewertung::Zeilenbewertung(const Rechenumgebung& u, const Klassensatz& klasse,
                                 const Berechnungszeile& z, const Produktsatz& p)
    : zeile(z)
    , produkt(p)
    , N(Multiplikator(u, z, p))
    , O(Basiskurs(u, z, p))
    , wetterwert(z.future && istArt(p, "W") ? Margin::wetterwert(u, klasse, z, p) : 0) {}

Positionswert Bewerten(const Zeilenbewertung& b, const Serienpreise* preise,
                       const Bewertungspunkt& pt) {
    Positionswert w;
    w.C = b.O + (pt.punkt.B - pt.P);
    if (b.zeile.future)
        futurewert(b, pt, w);
    else if (b.zeile.option && preise)
        optionswert(b, *preise, pt, w);
    return w;
}

} // namespace Margin
