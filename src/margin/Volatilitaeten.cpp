#include "margin/Volatilitaeten.h"

#include "pricing/Preisdienste.h"
#include "store/Referenzdaten.h"

#include <cmath>

namespace Margin {

Shiftkurve ZeilenShiftkurve(const Rechenumgebung& u, const Berechnungszeile& z,
                            const Produktsatz& p, double S0) {
    const bool mitDividende = p.Dividende > 0;
    double barwert = 0;
    if (mitDividende) {
        const double r = ZinssatzJeLaufzeit(p.Art, preiskontext(u, z, p));
        barwert = p.Dividende / std::pow(1 + r / 100, u.werte(p).dividendenTage / 360.0);
    }
    const double m = Moneyness(z.MarginKlasse, S0, z.Basispreis, barwert, mitDividende, z.put);
    return u.volaShifts.kurve(z.MarginKlasse, p.Art, z.ProduktArt, z.Laufzeit_Tage, m);
}

std::array<double, 4> Volatilitaeten(const Shiftkurve& kurve, double implVola, double S0,
                                     double S) {
    const std::array<double, 3> shift = kurve.verschiebungen((S / S0 - 1) * 100);
    return {implVola, (1 + shift[0] / 100) * implVola, (1 + shift[1] / 100) * implVola,
            (1 + shift[2] / 100) * implVola};
}

} // namespace Margin
