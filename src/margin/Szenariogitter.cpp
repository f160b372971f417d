#include "margin/Szenariogitter.h"

#include "input/Produkttypen.h"
#include "margin/Vergleiche.h"
#include "store/Referenzdaten.h"

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace Margin {
namespace {

struct Leiter {
    double unterErsterSchwelle;
    std::vector<std::pair<double, double>> schwellen; // (from price, step)
};

const Leiter& leiter(const QString& klasse, const QSet<QString>& liste1,
                     const QSet<QString>& liste2) {
    static const Leiter eins{
        0.05, {{1, 0.1}, {5, 0.25}, {10, 0.5}, {20, 1}, {50, 2}, {100, 5}, {200, 10}, {400, 20}}};
    static const Leiter zwei{
        0.1, {{5, 0.2}, {10, 0.5}, {25, 1}, {50, 2}, {100, 5}, {200, 10}, {400, 20}}};
    static const Leiter drei{
        0.05, {{2, 0.1}, {4, 0.2}, {8, 0.5}, {20, 1}, {52, 2}, {100, 5}, {200, 10}, {400, 20}}};
    const QString s = schluessel(klasse);
    return liste1.contains(s) ? eins : liste2.contains(s) ? zwei : drei;
}

} // namespace

double BasispreisabstandStaffel(const Produktsatz& produkt, const Klassensatz& klasse, double x,
                                const QSet<QString>& sonderklassen1,
                                const QSet<QString>& sonderklassen2) {
    double schritt = 0;
    if (QStringList{"A", "X"}.contains(produkt.Art, Qt::CaseInsensitive)) {
        const Leiter& l = leiter(produkt.MarginKlasse, sonderklassen1, sonderklassen2);
        schritt = l.unterErsterSchwelle;
        for (const auto& [ab, s] : l.schwellen)
            if (x + 1e-6 >= ab) schritt = s;
    } else if (Produkttypen::IstDerivatTyp(produkt.Art)) {
        schritt = klasse.Basispreisabstand;
    }
    return schritt > 0 ? schritt : 0.5;
}

Szenariogitter::Szenariogitter(double P, double A, double schritt)
    : A_(A)
    , hi_(P + A) {
    const double lo = P - A;
    double g = std::trunc((lo + schritt) / schritt) * schritt;
    double o = lo - g;
    if (schritt == A) {
        o = -A;
        g = P;
    }
    zweitesB_ = g;
    zweitesD_ = -A - o;
    punkt_ = {lo, -A, 0, false, false};
}

// The second point lies on the first multiple of the step above P − A; every later one a step
// further. Crossing the current price inserts it; the walk then goes on where it would have
// been. Reaching P + A ends the walk there.
void Szenariogitter::weiter(double schritt, double pStrich) {
    if (punkt_.eingefuegt) {
        punkt_.B = gemerktesB_;
        punkt_.D = gemerktesD_;
        punkt_.eingefuegt = false;
    } else if (punkt_.E == 0) {
        setzen(zweitesD_, zweitesB_, pStrich);
    } else {
        setzen(punkt_.D + schritt, punkt_.B + schritt, pStrich);
    }
    if (punkt_.B >= hi_) {
        punkt_.B = hi_;
        punkt_.D = A_;
        punkt_.letzter = true;
    }
    ++punkt_.E;
}

void Szenariogitter::setzen(double q, double naechstesB, double pStrich) {
    if (punkt_.D < 0 && q > 0) {
        gemerktesD_ = q;
        gemerktesB_ = naechstesB;
        punkt_.B = pStrich;
        punkt_.D = 0;
        punkt_.eingefuegt = true;
    } else {
        punkt_.D = q;
        punkt_.B = naechstesB;
    }
}

} // namespace Margin
