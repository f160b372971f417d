#include "margin/VolaShift.h"

#include "margin/Vergleiche.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace Margin {
namespace {

bool cpPasst(const VolaShiftZeile& z, const QString& cp) {
    return leer(z.c_p) || gleich(z.c_p, cp);
}

// The largest value not above x and the smallest not below it, of the rows that pass.
template <typename Wert, typename Filter>
std::pair<std::optional<double>, std::optional<double>>
nachbarn(const std::vector<VolaShiftZeile>& menge, Wert wert, double x, Filter passt) {
    std::optional<double> unten, oben;
    for (const VolaShiftZeile& z : menge) {
        if (!passt(z)) continue;
        const double w = wert(z);
        if (w <= x && (!unten || w > *unten)) unten = w;
        if (w >= x && (!oben || w < *oben)) oben = w;
    }
    return {unten, oben};
}

Shiftkurve::Stuetzstelle stelle(const VolaShiftZeile& z) {
    return {z.PriceMove, {z.Vola_Up, z.Vola_Neutral, z.Vola_Down}};
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

VolaShiftIndex::VolaShiftIndex(const std::vector<VolaShiftZeile>& zeilen) {
    for (const VolaShiftZeile& z : zeilen) {
        if (!leer(z.marginklasse)) klassenMitZeilen_.insert(schluessel(z.marginklasse));
        if (!leer(z.marginklasse) && leer(z.typ))
            klassen_[schluessel(z.marginklasse)].push_back(z);
        else if (leer(z.marginklasse) && !leer(z.typ))
            typen_[schluessel(z.typ)].push_back(z);
        else if (leer(z.marginklasse) && leer(z.typ))
            allgemein_.push_back(z);
    }
}

Shiftkurve VolaShiftIndex::kurve(const QString& klasse, const QString& art, const QString& cp,
                                 double laufzeitTage, double m) const {
    static const std::vector<VolaShiftZeile> keine;
    if (klassenMitZeilen_.contains(schluessel(klasse)))
        return tabelliert(klassen_.value(schluessel(klasse), keine), cp, laufzeitTage, m);
    if (QStringList{"I", "A"}.contains(art, Qt::CaseInsensitive))
        return tabelliert(typen_.value(schluessel(art), keine), cp, laufzeitTage, m);
    return allgemein(cp, laufzeitTage);
}

// Bucket: the largest days not above the remaining days with a moneyness not above m; then the
// tabulated moneyness nearest to m (ties to the upper one); then that moneyness's price moves.
// Whatever is not found reads as 0 and the search goes on with it.
Shiftkurve VolaShiftIndex::tabelliert(const std::vector<VolaShiftZeile>& menge, const QString& cp,
                                      double laufzeitTage, double m) const {
    const double m4 = vierStellen(m);
    const auto [tage, _] = nachbarn(
        menge, [](const VolaShiftZeile& z) { return double(z.days); }, laufzeitTage,
        [&](const VolaShiftZeile& z) { return cpPasst(z, cp) && z.Mnes <= m4; });
    const double d = tage.value_or(0);
    const auto imBucket = [&](const VolaShiftZeile& z) { return cpPasst(z, cp) && z.days == d; };
    const auto [unten, oben] = nachbarn(
        menge, [](const VolaShiftZeile& z) { return z.Mnes; }, m4, imBucket);
    const double mu = unten.value_or(0), mo = oben.value_or(0);
    const double mStern = std::abs(mu - m) >= std::abs(mo - m) ? mo : mu;
    std::vector<Shiftkurve::Stuetzstelle> stellen;
    for (const VolaShiftZeile& z : menge)
        if (imBucket(z) && z.Mnes == mStern) stellen.push_back(stelle(z));
    std::stable_sort(stellen.begin(), stellen.end(),
                     [](const auto& a, const auto& b) { return a.PriceMove < b.PriceMove; });
    stellen.erase(
        std::unique(stellen.begin(), stellen.end(),
                    [](const auto& a, const auto& b) { return a.PriceMove == b.PriceMove; }),
        stellen.end());
    return Shiftkurve(std::move(stellen));
}

// The rows for all products: the first row of the bucket gives moneyness, price move and shifts.
Shiftkurve VolaShiftIndex::allgemein(const QString& cp, double laufzeitTage) const {
    const auto [tage, _] = nachbarn(
        allgemein_, [](const VolaShiftZeile& z) { return double(z.days); }, laufzeitTage,
        [&](const VolaShiftZeile& z) { return cpPasst(z, cp); });
    const double d = tage.value_or(0);
    for (const VolaShiftZeile& z : allgemein_)
        if (cpPasst(z, cp) && z.days == d) return Shiftkurve::fest(stelle(z));
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
