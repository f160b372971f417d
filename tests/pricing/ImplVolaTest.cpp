#include "Preishilfen.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// How close a model's search brings the price: Newton steps to 0.00005, bisection to 0.0005.
double preistoleranz(std::string_view opm) {
    return opm[0] == 'C' ? 0.0005 : 0.00005;
}

// Price at a volatility, solve back: the volatility found prices the option again, and is the
// volatility it came from wherever the price depends on the volatility enough to tell.
// Black-Scholes steps with the vega of the undivided spot, which misleads it far from the money
// while a dividend is due; its dividend cases stay at the money.
TEST(ImplVola, HinUndZurueck) {
    for (const char* opm : {"BS", "TB76", "CRA", "CRF"})
        for (Optionsart art : {Optionsart::Call, Optionsart::Put})
            for (long double tage : {30, 180, 720})
                for (long double basis : {85, 100, 115})
                    for (long double vola : {15, 45})
                        for (long double divTage : {0.0L, tage / 2}) {
                            if (divTage > 0 && opm == std::string_view("BS") && basis != 100)
                                continue;
                            Optionsdaten e{.DivTage = divTage,
                                           .Dividende = divTage > 0 ? 2.0L : 0.0L,
                                           .Tage = tage,
                                           .Zins = 3,
                                           .Vola = vola,
                                           .Basis = basis,
                                           .Kurs = 100};
                            const Modellergebnis p = preis(opm, art, e);
                            // An American option at its exercise value tells no volatility.
                            if (p.Wert - vorzeichen(art) * (e.Kurs - e.Basis) < 0.001L) continue;
                            e.Vola = p.Wert;
                            const Modellergebnis v = implVola(opm, art, e);
                            const std::string fall = beschreibung(opm, art, e);
                            // Trial volatilities may take a dividend tree's lowest nodes below
                            // the dividend (code 1); the services do not read the code.
                            if (divTage == 0) {
                                EXPECT_EQ(v.Fehler, 0) << fall;
                            }
                            e.Vola = v.Wert;
                            EXPECT_NEAR(preis(opm, art, e).Wert, p.Wert, preistoleranz(opm))
                                << fall;
                            Sensitivitaeten s;
                            Fehlercode f = 0;
                            ModellFuer(opm)->Kennzahlen(art, s, f, e);
                            if (s.Vega > 0.05) {
                                EXPECT_NEAR(v.Wert, vola, 0.05) << fall;
                            }
                        }
}

struct NewtonFall {
    Optionsdaten e; // Vola: the option price
    Fehlercode fehler;
    const char* wozu;
};

// Newton stops with a code when the price cannot be reached, or after 21 steps; the last
// volatility comes back.
TEST(ImplVola, NewtonOhneLoesung) {
    const std::vector<NewtonFall> faelle{
        {{.Tage = 90, .Zins = 3, .Vola = 150, .Basis = 100, .Kurs = 100}, 6, "above the spot"},
        {{.Tage = 90, .Zins = 3, .Vola = 10, .Basis = 80, .Kurs = 100}, 3, "below its value"},
        {{.Tage = 90, .Zins = 3, .Vola = 5, .Basis = 0, .Kurs = 100}, 2, "refused strike"},
    };
    for (const char* opm : {"BS", "TB76"})
        for (const NewtonFall& f : faelle) {
            const Modellergebnis v = implVola(opm, Optionsart::Call, f.e);
            EXPECT_EQ(v.Fehler, f.fehler) << opm << " " << f.wozu;
            const long double erwartet = f.fehler == 2 ? 50 : v.Wert;
            EXPECT_EQ(v.Wert, erwartet) << opm << " " << f.wozu;
            EXPECT_TRUE(f.fehler != 6 || v.Wert > 1000) << opm << " " << f.wozu;
            EXPECT_TRUE(f.fehler != 3 || v.Wert <= 0.01) << opm << " " << f.wozu;
        }
}

struct BisektionsFall {
    Optionsdaten e;
    Fehlercode fehler;
    const char* wozu;
};

// The bisection gives 0 when it cannot bracket the price; the dividend tree survives the trial
// volatilities of a search for a price that no volatility reaches.
TEST(ImplVola, BisektionOhneLoesung) {
    const std::vector<BisektionsFall> faelle{
        {{.Tage = 90, .Zins = 3, .Vola = 150, .Basis = 100, .Kurs = 100}, 6, "above the spot"},
        {{.DivTage = 45,
          .Dividende = 2,
          .Tage = 90,
          .Zins = 3,
          .Vola = 150,
          .Basis = 100,
          .Kurs = 100},
         6,
         "above the spot, dividend mid-life"},
        {{.DivTage = 3,
          .Dividende = 2,
          .Tage = 365,
          .Zins = 3,
          .Vola = 150,
          .Basis = 100,
          .Kurs = 100},
         6,
         "above the spot, dividend in 3 days"},
        {{.Tage = 90, .Zins = 3, .Vola = 19, .Basis = 80, .Kurs = 100}, 3, "below 0.9 %"},
        {{.Tage = 90, .Zins = 3, .Vola = 5, .Basis = 0, .Kurs = 100}, 0, "refused strike"},
        {{.Tage = 0.2L, .Zins = 3, .Vola = 5, .Basis = 100, .Kurs = 100}, 0, "refused time"},
    };
    for (const char* opm : {"CRA", "CRF"})
        for (const BisektionsFall& f : faelle) {
            const Modellergebnis v = implVola(opm, Optionsart::Call, f.e);
            EXPECT_EQ(v.Wert, 0) << opm << " " << f.wozu;
            EXPECT_EQ(v.Fehler, f.fehler) << opm << " " << f.wozu;
        }
}

} // namespace
