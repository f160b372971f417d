#include "margin/Szenariolauf.h"

#include "input/Produkttypen.h"
#include "margin/Vergleiche.h"
#include "store/Referenzdaten.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

namespace Margin {
namespace {

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

using Serienschluessel =
    std::tuple<const Produktsatz*, QString, bool, bool, int, double, double, double>;

Serienschluessel serienschluessel(const Berechnungszeile& z, const Produktsatz& p) {
    return {&p,
            schluessel(z.MarginKlasse),
            z.call,
            z.put,
            z.LaufzeitIndex,
            z.Laufzeit_Tage,
            z.Basispreis,
            z.ImplVola};
}

double staffel(const Klassenkontext& k, const Produktsatz& p, double x) {
    return BasispreisabstandStaffel(p, *k.klasse, x, k.u.daten.Sonderklassenliste1,
                                    k.u.daten.Sonderklassenliste2);
}

// The inserted point's loss replaces the side maxima it exceeds.
template <typename Seite> void mitAktuellemPunkt(Seite& oben, Seite& unten, double c) {
    if (c <= 0) return;
    if (oben.wert == unten.wert && c > unten.wert) {
        oben.setzen(c);
        unten.setzen(c);
    } else if (c > oben.wert && c > unten.wert) {
        (oben.wert > unten.wert ? oben : unten).setzen(c);
    }
}

} // namespace

void Szenariolauf::Seite::mit(double x) {
    wert = std::max(wert, x);
    erreicht = true;
}

void Szenariolauf::Seite::setzen(double x) {
    wert = x;
    erreicht = true;
}

// A row whose product is not found is valued with the product found before it.
Szenariolauf::Szenariolauf(Klassenkontext& k)
    : k_(k) {
    zeilen_ = k_.auswahl([](const Berechnungszeile& z) { return z.future || z.option; });
    if (zeilen_.empty()) return;
    const Berechnungszeile& erste = k_.zeile(zeilen_.front());
    if (leer(erste.Prod_Neu) || !erste.produkt) return;
    aktiv_ = true;
    const Produktsatz* produkt = erste.produkt;
    std::map<Serienschluessel, int> serien;
    for (int i : zeilen_) {
        const Berechnungszeile& z = k_.zeile(i);
        if (z.produkt) produkt = z.produkt;
        Zeilenbewertung& b = bewertungen_.emplace_back(k_.u, *k_.klasse, z, *produkt);
        if (!z.option) continue;
        const auto [it, neu] =
            serien.try_emplace(serienschluessel(z, *produkt), int(serien_.size()));
        if (neu) serien_.emplace_back(k_.u, z, *produkt);
        b.serie = it->second;
    }
    P_ = erste.Akt_Preis_Neu;
    f_ = Laufzeitfaktor(k_.u.daten, *erste.produkt, erste.MarginKlasse, erste.LaufzeitIndex);
    const Klassensatz& kl = *k_.klasse;
    A_ = (inPunkten(kl.ParameterArt) ? kl.MarginParameter : kl.MarginParameter * P_ / 100) * f_;
    pStrich_ = k_.zeile(zeilen_.back()).Akt_Preis_Neu;
    punkteFestlegen();
    preise_.resize(bewertungen());
}

// For equity and fund options the step follows the price along the walk.
void Szenariolauf::punkteFestlegen() {
    const Produktsatz& letztes = bewertungen_.back().produkt;
    const bool neueStaffel = QStringList{"A", "X"}.contains(letztes.Art, Qt::CaseInsensitive);
    double schritt = staffel(k_, *k_.zeile(zeilen_.front()).produkt, P_ - A_);
    for (Szenariogitter gitter(P_, A_, schritt);; gitter.weiter(schritt, pStrich_)) {
        k_.u.abbruchPruefen();
        punkte_.push_back(gitter.punkt());
        if (neueStaffel) schritt = staffel(k_, letztes, gitter.punkt().B);
        if (gitter.punkt().letzter) break;
    }
}

void Szenariolauf::bewerten(size_t einheit) {
    k_.u.abbruchPruefen();
    const size_t serie = einheit / punkte_.size(), punkt = einheit % punkte_.size();
    preise_[einheit] = SerieBewerten(serien_[serie], punkte_[punkt].B, P_);
}

void Szenariolauf::abschliessen() {
    if (!aktiv_) return;
    for (size_t p = 0; p < punkte_.size(); ++p) {
        std::array<double, 4> summen{};
        punktZusammenfuehren(p, summen);
        maximaFortschreiben(punkte_[p], summen);
    }
    ergebnisSchreiben();
}

// Every row of the class at one point, in row order; the class row follows the first row's
// position row.
void Szenariolauf::punktZusammenfuehren(size_t p, std::array<double, 4>& summen) {
    const Szenariogitter::Punkt& pt = punkte_[p];
    const Bewertungspunkt bp{pt, P_, P_ - A_};
    std::optional<size_t> klassenzeile;
    for (size_t n = 0; n < zeilen_.size(); ++n) {
        const int i = zeilen_[n];
        const Berechnungszeile& z = k_.zeile(i);
        const Zeilenbewertung& b = bewertungen_[n];
        const Serienpreise* preise =
            b.serie >= 0 ? &preise_[size_t(b.serie) * punkte_.size() + p] : nullptr;
        const Positionswert w = Bewerten(b, preise, bp);
        for (size_t s = 0; s < 4; ++s) summen[s] += w.wert[s];
        if (pt.E == 0) praemie_ += praemie(k_, z);
        if (z.option || z.OffenePositionen > 0)
            k_.ausgabe2.push_back(positionszeile(i, int(n) + 1, b, w, pt, f_));
        if (!klassenzeile) {
            klassenzeile = k_.ausgabe2.size();
            k_.ausgabe2.emplace_back();
        }
        klassenzeileFortschreiben(k_.ausgabe2[*klassenzeile], i, b, w, pt, summen);
    }
}

// Points below the current price count for the downside, points above for the upside; a grid
// point exactly at the current price counts for the upside only with a loss or gain above
// 5 000. The inserted current-price point is kept apart.
void Szenariolauf::maximaFortschreiben(const Szenariogitter::Punkt& pt,
                                       const std::array<double, 4>& x) {
    for (Schicht s : kVerschiebungen) {
        if (pt.eingefuegt)
            aktuell_[s] = x[s];
        else if (pStrich_ > pt.B + 0.001)
            unten_[s].mit(x[s]);
        else if (pStrich_ < pt.B - 0.001 ||
                 (pStrich_ == pt.B && std::nearbyint(x[Ohne] / 10000) != 0))
            oben_[s].mit(x[s]);
    }
    for (size_t s = 0; s < 4; ++s) gesamt_[s] = std::max(gesamt_[s], x[s]);
}

// The premium margin comes off both sides. A side that no point reached counts 0, so that a
// zero margin interval leaves no start value behind.
void Szenariolauf::ergebnisSchreiben() {
    Ausgabe1Zeile& a = k_.ausgabe;
    a.PremiumMargin = z(a.PremiumMargin) + praemie_;
    for (Schicht s : kVerschiebungen) {
        mitAktuellemPunkt(oben_[s], unten_[s], aktuell_[s]);
        const double oben = oben_[s].erreicht ? oben_[s].wert - praemie_ : 0;
        const double unten = unten_[s].erreicht ? unten_[s].wert - praemie_ : 0;
        a.AdditionalMargin[s] = std::max(oben, unten);
        a.TotalMargin[s] = z(a.FutureSpreadMargin) + z(a.TotalMargin[s]) + gesamt_[s];
        a.AdditionalMargin_UP[s] = Verrechnet(oben, k_.OffsetFaktor);
        a.AdditionalMargin_Down[s] = Verrechnet(unten, k_.OffsetFaktor);
    }
}

} // namespace Margin
