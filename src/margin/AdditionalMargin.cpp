#include "input/Produkttypen.h"
#include "margin/Klassenkontext.h"
#include "margin/Positionsbewertung.h"
#include "margin/Vergleiche.h"
#include "store/Referenzdaten.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace Margin {
namespace {

constexpr double kStart = -1e14;

// The worst value of one side of the range under one volatility shift. A side that no point
// reached counts 0, so that a zero margin interval leaves no start value behind.
struct Seite {
    double wert = kStart;
    bool erreicht = false;
    void mit(double x) {
        wert = std::max(wert, x);
        erreicht = true;
    }
    void setzen(double x) {
        wert = x;
        erreicht = true;
    }
};

// What the walk keeps per volatility shift (indexed by Schicht; Ohne unused for the sides).
struct Maxima {
    std::array<Seite, 4> oben, unten;
    std::array<double, 4> gesamt{kStart, kStart, kStart, kStart};
    std::array<double, 4> aktuell{}; // at the inserted current-price point
};

// The premium the class's options carry: received for short, paid for long positions. Classes
// of the groups KAMO and RUTA have none.
double praemie(const Klassenkontext& k, const Berechnungszeile& z) {
    static const QStringList ohnePraemie = {"KAMO", "RUTA"};
    if (!z.option || ohnePraemie.contains(k.klasse->MarginGruppe.trimmed(), Qt::CaseInsensitive))
        return 0;
    return z.lang ? -z.Betrag : z.kurz ? z.Betrag : 0;
}

Ausgabe2Zeile positionszeile(int i, int nummer, const Zeilenbewertung& b, const Positionswert& w,
                             const Szenariogitter::Punkt& pt, double f) {
    Ausgabe2Zeile a;
    a.zeile = i;
    a.produkt = &b.produkt;
    a.Zaehler = pt.E;
    a.Nummer = nummer;
    a.IntervallZaehler = pt.D + 1;
    a.Rechenkurs = b.O;
    a.Rechenkurs2 = b.zeile.option && Produkttypen::preisNachLaufzeit(b.produkt) ? b.O : 0;
    a.yWert = pt.B;
    a.yWert2 = w.C;
    a.xWert = w.wert;
    a.SopaWert = w.sopa;
    a.Vola = w.vola;
    a.MATURITY_Factor = f;
    return a;
}

// The class row of a point holds the running sums after each row and the last row's prices.
void klassenzeileFortschreiben(Ausgabe2Zeile& a, int i, const Zeilenbewertung& b,
                               const Positionswert& w, const Szenariogitter::Punkt& pt,
                               const std::array<double, 4>& summen) {
    a.klassenzeile = true;
    a.zeile = i;
    a.produkt = &b.produkt;
    a.Zaehler = pt.E;
    if (b.produkt.MATURITY_SWITCH.trimmed().compare("Y", Qt::CaseInsensitive) == 0 &&
        b.zeile.LaufzeitIndex > 0)
        a.Rechenkurs = b.O;
    a.yWert = pt.B;
    a.yWert2 = w.C;
    a.xWert = summen;
}

class Szenariolauf {
public:
    explicit Szenariolauf(Klassenkontext& k)
        : k_(k) {}
    void rechnen();

private:
    void punktBewerten(const Szenariogitter::Punkt& pt, std::array<double, 4>& summen);
    void maximaFortschreiben(const Szenariogitter::Punkt& pt, const std::array<double, 4>& x);
    void ergebnisSchreiben();

    Klassenkontext& k_;
    std::vector<int> zeilen_;
    std::vector<Zeilenbewertung> bewertungen_;
    double P_ = 0, A_ = 0, f_ = 1, pStrich_ = 0;
    double praemie_ = 0;
    Maxima m_;
};

void Szenariolauf::rechnen() {
    zeilen_ = k_.auswahl([](const Berechnungszeile& z) { return z.future || z.option; });
    if (zeilen_.empty()) return;
    const Berechnungszeile& erste = k_.zeile(zeilen_.front());
    if (leer(erste.Prod_Neu) || !erste.produkt) return;
    const Produktsatz* produkt = erste.produkt;
    for (int i : zeilen_) {
        if (k_.zeile(i).produkt) produkt = k_.zeile(i).produkt;
        bewertungen_.emplace_back(k_.u, *k_.klasse, k_.zeile(i), *produkt);
    }
    P_ = erste.Akt_Preis_Neu;
    f_ = Laufzeitfaktor(k_.u.daten, *erste.produkt, erste.MarginKlasse, erste.LaufzeitIndex);
    const Klassensatz& kl = *k_.klasse;
    A_ = (inPunkten(kl.ParameterArt) ? kl.MarginParameter : kl.MarginParameter * P_ / 100) * f_;
    pStrich_ = k_.zeile(zeilen_.back()).Akt_Preis_Neu;
    const auto staffel = [&](double x) {
        return BasispreisabstandStaffel(bewertungen_.back().produkt, kl, x,
                                        k_.u.daten.Sonderklassenliste1,
                                        k_.u.daten.Sonderklassenliste2);
    };
    double schritt =
        BasispreisabstandStaffel(*erste.produkt, kl, P_ - A_, k_.u.daten.Sonderklassenliste1,
                                 k_.u.daten.Sonderklassenliste2);
    const bool neueStaffel =
        QStringList{"A", "X"}.contains(bewertungen_.back().produkt.Art, Qt::CaseInsensitive);
    for (Szenariogitter gitter(P_, A_, schritt);; gitter.weiter(schritt, pStrich_)) {
        k_.u.abbruchPruefen();
        const Szenariogitter::Punkt& pt = gitter.punkt();
        std::array<double, 4> summen{};
        punktBewerten(pt, summen);
        if (neueStaffel) schritt = staffel(pt.B);
        maximaFortschreiben(pt, summen);
        if (pt.letzter) break;
    }
    ergebnisSchreiben();
}

// Every row of the class at one point; the class row follows the first row's position row.
void Szenariolauf::punktBewerten(const Szenariogitter::Punkt& pt, std::array<double, 4>& summen) {
    const Bewertungspunkt bp{pt, P_, P_ - A_};
    std::optional<size_t> klassenzeile;
    for (size_t n = 0; n < zeilen_.size(); ++n) {
        const int i = zeilen_[n];
        const Berechnungszeile& z = k_.zeile(i);
        const Positionswert w = Bewerten(bewertungen_[n], bp);
        for (size_t s = 0; s < 4; ++s) summen[s] += w.wert[s];
        if (pt.E == 0) praemie_ += praemie(k_, z);
        if (z.option || z.OffenePositionen > 0)
            k_.ausgabe2.push_back(positionszeile(i, int(n) + 1, bewertungen_[n], w, pt, f_));
        if (!klassenzeile) {
            klassenzeile = k_.ausgabe2.size();
            k_.ausgabe2.emplace_back();
        }
        klassenzeileFortschreiben(k_.ausgabe2[*klassenzeile], i, bewertungen_[n], w, pt, summen);
    }
}

// Points below the current price count for the downside, points above for the upside; a grid
// point exactly at the current price counts for the upside only with a loss or gain above
// 5 000. The inserted current-price point is kept apart.
void Szenariolauf::maximaFortschreiben(const Szenariogitter::Punkt& pt,
                                       const std::array<double, 4>& x) {
    for (Schicht s : kVerschiebungen) {
        if (pt.eingefuegt)
            m_.aktuell[s] = x[s];
        else if (pStrich_ > pt.B + 0.001)
            m_.unten[s].mit(x[s]);
        else if (pStrich_ < pt.B - 0.001 ||
                 (pStrich_ == pt.B && std::nearbyint(x[Ohne] / 10000) != 0))
            m_.oben[s].mit(x[s]);
    }
    for (size_t s = 0; s < 4; ++s) m_.gesamt[s] = std::max(m_.gesamt[s], x[s]);
}

// The inserted point's loss replaces the side maxima it exceeds.
void mitAktuellemPunkt(Seite& oben, Seite& unten, double c) {
    if (c <= 0) return;
    if (oben.wert == unten.wert && c > unten.wert) {
        oben.setzen(c);
        unten.setzen(c);
    } else if (c > oben.wert && c > unten.wert) {
        (oben.wert > unten.wert ? oben : unten).setzen(c);
    }
}

void Szenariolauf::ergebnisSchreiben() {
    Ausgabe1Zeile& a = k_.ausgabe;
    a.PremiumMargin = z(a.PremiumMargin) + praemie_;
    for (Schicht s : kVerschiebungen) {
        mitAktuellemPunkt(m_.oben[s], m_.unten[s], m_.aktuell[s]);
        const double oben = m_.oben[s].erreicht ? m_.oben[s].wert - praemie_ : 0;
        const double unten = m_.unten[s].erreicht ? m_.unten[s].wert - praemie_ : 0;
        a.AdditionalMargin[s] = std::max(oben, unten);
        a.TotalMargin[s] = z(a.FutureSpreadMargin) + z(a.TotalMargin[s]) + m_.gesamt[s];
        a.AdditionalMargin_UP[s] = Verrechnet(oben, k_.OffsetFaktor);
        a.AdditionalMargin_Down[s] = Verrechnet(unten, k_.OffsetFaktor);
    }
}

} // namespace

void AdditionalMarginBerechnen(Klassenkontext& k) {
    Szenariolauf(k).rechnen();
}

} // namespace Margin
