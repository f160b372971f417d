#include "margin/VolaShift.h"

#include "margin/Vergleiche.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace Margin {
namespace {

using Eintrag = VolaShiftIndex::Menge::Eintrag;

// The largest value not above x and the smallest not below it, of the rows that pass.
template <typename Wert, typename Filter>
std::pair<std::optional<double>, std::optional<double>>
nachbarn(const std::vector<Eintrag>& menge, Wert wert, double x, Filter passt) {
    std::optional<double> unten, oben;
    for (const Eintrag& e : menge) {
        if (!passt(e)) continue;
        const double w = wert(e);
        if (w <= x && (!unten || w > *unten)) unten = w;
        if (w >= x && (!oben || w < *oben)) oben = w;
    }
    return {unten, oben};
}

double tage(const Eintrag& e) {
    return e.days;
}

} // namespace

Shiftkurve Shiftkurve::fest(const Stuetzstelle& s) {
    Shiftkurve k({s});
    k.fest_ = true;
    return k;
}

std::array<double, 3> Shiftkurve::verschiebungen(double mv) const {
    if (fest_) return stellen_.front().shift;
    const double x = vierStellen(mv);
    const auto oben =
        std::lower_bound(stellen_.begin(), stellen_.end(), x,
                         [](const Stuetzstelle& s, double v) { return s.PriceMove < v; });
    const auto unten =
        std::upper_bound(stellen_.begin(), stellen_.end(), x,
                         [](double v, const Stuetzstelle& s) { return v < s.PriceMove; });
    Stuetzstelle z1 = unten == stellen_.begin() ? Stuetzstelle{} : *(unten - 1);
    Stuetzstelle z2 = oben == stellen_.end() ? Stuetzstelle{} : *oben;
    if (z1.shift[0] == 0) z1 = z2;
    if (z2.shift[0] == 0) z2 = z1;
    if (z1.PriceMove == z2.PriceMove) return z1.shift;
    const double w = (z2.PriceMove - mv) / (z2.PriceMove - z1.PriceMove);
    std::array<double, 3> s{};
    for (size_t i = 0; i < 3; ++i) s[i] = w * z1.shift[i] + (1 - w) * z2.shift[i];
    return s;
}

void VolaShiftIndex::Menge::hinzufuegen(const VolaShiftZeile& z) {
    const Eintrag e{z.days, z.Mnes, {z.PriceMove, {z.Vola_Up, z.Vola_Neutral, z.Vola_Down}}};
    if (leer(z.c_p)) ohne.push_back(e);
    if (leer(z.c_p) || gleich(z.c_p, "C")) call.push_back(e);
    if (leer(z.c_p) || gleich(z.c_p, "P")) put.push_back(e);
}

const std::vector<Eintrag>& VolaShiftIndex::Menge::fuer(const QString& cp) const {
    return gleich(cp, "C") ? call : gleich(cp, "P") ? put : ohne;
}

VolaShiftIndex::VolaShiftIndex(const std::vector<VolaShiftZeile>& zeilen) {
    for (const VolaShiftZeile& z : zeilen) {
        if (!leer(z.marginklasse)) klassenMitZeilen_.insert(schluessel(z.marginklasse));
        if (!leer(z.marginklasse) && leer(z.typ))
            klassen_[schluessel(z.marginklasse)].hinzufuegen(z);
        else if (leer(z.marginklasse) && !leer(z.typ))
            typen_[schluessel(z.typ)].hinzufuegen(z);
        else if (leer(z.marginklasse) && leer(z.typ))
            allgemein_.hinzufuegen(z);
    }
}

Shiftkurve VolaShiftIndex::kurve(const QString& klasse, const QString& art, const QString& cp,
                                 double laufzeitTage, double m) const {
    static const Menge keine;
    if (klassenMitZeilen_.contains(schluessel(klasse)))
        return tabelliert(klassen_.value(schluessel(klasse), keine).fuer(cp), laufzeitTage, m);
    if (QStringList{"I", "A"}.contains(art.trimmed(), Qt::CaseInsensitive))
        return tabelliert(typen_.value(schluessel(art), keine).fuer(cp), laufzeitTage, m);
    return allgemein(allgemein_.fuer(cp), laufzeitTage);
}

// Bucket: the largest days not above the remaining days with a moneyness not above m; then the
// tabulated moneyness nearest to m (ties to the upper one); then that moneyness's price moves.
// Whatever is not found reads as 0 and the search goes on with it.
Shiftkurve VolaShiftIndex::tabelliert(const std::vector<Eintrag>& menge, double laufzeitTage,
                                      double m) {
    const double m4 = vierStellen(m);
    const auto [bucket, _] =
        nachbarn(menge, tage, laufzeitTage, [&](const Eintrag& e) { return e.Mnes <= m4; });
    const double d = bucket.value_or(0);
    const auto imBucket = [&](const Eintrag& e) { return e.days == d; };
    const auto [unten, oben] = nachbarn(
        menge, [](const Eintrag& e) { return e.Mnes; }, m4, imBucket);
    const double mu = unten.value_or(0), mo = oben.value_or(0);
    const double mStern = std::abs(mu - m) >= std::abs(mo - m) ? mo : mu;
    std::vector<Shiftkurve::Stuetzstelle> stellen;
    for (const Eintrag& e : menge)
        if (imBucket(e) && e.Mnes == mStern) stellen.push_back(e.stelle);
    std::stable_sort(stellen.begin(), stellen.end(),
                     [](const auto& a, const auto& b) { return a.PriceMove < b.PriceMove; });
    stellen.erase(
        std::unique(stellen.begin(), stellen.end(),
                    [](const auto& a, const auto& b) { return a.PriceMove == b.PriceMove; }),
        stellen.end());
    return Shiftkurve(std::move(stellen));
}

// The rows for all products: the first row of the bucket gives moneyness, price move and shifts.
Shiftkurve VolaShiftIndex::allgemein(const std::vector<Eintrag>& menge, double laufzeitTage) {
    const auto [bucket, _] =
        nachbarn(menge, tage, laufzeitTage, [](const Eintrag&) { return true; });
    const double d = bucket.value_or(0);
    for (const Eintrag& e : menge)
        if (e.days == d) return Shiftkurve::fest(e.stelle);
    return Shiftkurve::fest({});
}

double Moneyness(const QString& klasse, double S0, double basispreis, double dividendenBarwert,
                 bool mitDividende, bool put) {
    static const QStringList skaliert = {"ZQNA", "ZQNB", "ZQNC", "YTWD"};
    double m = S0 / basispreis;
    if (skaliert.contains(klasse.trimmed(), Qt::CaseInsensitive))
        m = ((S0 - 1) / (basispreis - 1) - 1) * 10 + 1;
    if (mitDividende) m = (S0 - dividendenBarwert) / basispreis;
    return put ? 1 / m : m;
}

double vierStellen(double x) {
    return std::round(x * 1e4) / 1e4;
}

} // namespace Margin
