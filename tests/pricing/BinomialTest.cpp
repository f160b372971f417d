#include "Preishilfen.h"

#include "pricing/Binomialbaum.h"
#include "pricing/TCoxRubinsteinAktien.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

const std::vector<Optionsdaten> beispiele{
    {.Tage = 30, .Zins = 3, .Vola = 25, .Basis = 100, .Kurs = 100},
    {.Tage = 365, .Zins = 5, .Vola = 40, .Basis = 80, .Kurs = 100},
    {.Tage = 365, .Zins = 5, .Vola = 40, .Basis = 120, .Kurs = 100},
    {.Tage = 720, .Zins = 1, .Vola = 15, .Basis = 110, .Kurs = 100},
    {.Tage = 90, .Zins = 8, .Vola = 60, .Basis = 95, .Kurs = 100},
    {.Tage = 1825, .Zins = 2, .Vola = 20, .Basis = 4200, .Kurs = 4000},
};

// The error of a 120-step tree near the money, as a share of the spot.
constexpr double kBaumfehler = 0.004;

long double innererWert(Optionsart art, const Optionsdaten& e) {
    return std::max(vorzeichen(art) * (e.Kurs - e.Basis), 0.0L);
}

// Without dividends an American call on a stock is never exercised early: it is worth the
// European call. The American put is worth at least the European put and its exercise value.
TEST(CoxRubinsteinAktien, AmerikanischGegenEuropaeischUndInnerenWert) {
    for (const Optionsdaten& e : beispiele) {
        const double toleranz = kBaumfehler * static_cast<double>(e.Kurs);
        const Modellergebnis call = preis("CRA", Optionsart::Call, e);
        EXPECT_NEAR(call.Wert, preis("BS", Optionsart::Call, e).Wert, toleranz)
            << beschreibung("CRA", Optionsart::Call, e);
        const Modellergebnis put = preis("CRA", Optionsart::Put, e);
        EXPECT_GE(put.Wert, preis("BS", Optionsart::Put, e).Wert - toleranz)
            << beschreibung("CRA", Optionsart::Put, e);
        EXPECT_GE(put.Wert, innererWert(Optionsart::Put, e));
        EXPECT_EQ(call.Fehler + put.Fehler, 0);
    }
}

// Options on futures: without interest there is nothing to gain by exercising early, so the
// American tree meets Black-76; with interest it is worth at least Black-76 and its exercise.
TEST(CoxRubinsteinFutures, AmerikanischGegenBlack76UndInnerenWert) {
    for (Optionsdaten e : beispiele)
        for (Optionsart art : {Optionsart::Call, Optionsart::Put}) {
            const double toleranz = kBaumfehler * static_cast<double>(e.Kurs);
            EXPECT_GE(preis("CRF", art, e).Wert, preis("TB76", art, e).Wert - toleranz)
                << beschreibung("CRF", art, e);
            EXPECT_GE(preis("CRF", art, e).Wert, innererWert(art, e));
            e.Zins = 0;
            EXPECT_NEAR(preis("CRF", art, e).Wert, preis("TB76", art, e).Wert, toleranz)
                << beschreibung("CRF", art, e);
        }
}

// Rates far above the volatility would need an up probability above 1.
TEST(CoxRubinsteinAktien, WahrscheinlichkeitUeberEins) {
    const Optionsdaten e{.Tage = 365, .Zins = 50, .Vola = 1, .Basis = 100, .Kurs = 100};
    for (Optionsart art : {Optionsart::Call, Optionsart::Put}) {
        EXPECT_EQ(preis("CRA", art, e).Wert, 0);
        EXPECT_EQ(preis("CRA", art, e).Fehler, 3);
        EXPECT_EQ(preis("CRF", art, e).Fehler, 0); // the futures tree has no drift
    }
}

TEST(CoxRubinsteinAktien, Dividendenschritte) {
    struct Fall {
        long double tD, T, n;
        int k;
    };
    for (const Fall& f :
         std::vector<Fall>{
             {3.0L / 365, 1, 973, 8},  // 1 step before the dividend: about eight instead
             {0.5L, 1, 120, 60},       // mid-life
             {0.05L, 1, 120, 6},       // 6 steps are enough
             {0.03L, 1, 267, 8},       // 3.6 → 4 steps are not
             {1, 1, 120, 120},         // on the expiry day
             {0.000001L, 1, 8e6L, 8}}) // n may exceed any array: only k steps are built
    {
        const Dividendenschritte s = DividendenschritteBestimmen(f.tD, f.T);
        EXPECT_EQ(s.n, f.n) << static_cast<double>(f.tD);
        EXPECT_EQ(s.k, f.k) << static_cast<double>(f.tD);
    }
}

// Paid on the expiry day, the dividend leaves nothing to hold: the ex-dividend trees have no
// time left (code 4) and each node is worth its exercise on the cum-dividend price, which is
// the tree without dividend.
TEST(CoxRubinsteinAktien, DividendeAmVerfallstag) {
    for (const Optionsdaten& ohne : beispiele)
        for (Optionsart art : {Optionsart::Call, Optionsart::Put}) {
            Optionsdaten mit = ohne;
            mit.DivTage = ohne.Tage;
            mit.Dividende = 5;
            const Modellergebnis r = preis("CRA", art, mit);
            EXPECT_EQ(r.Fehler, 4);
            EXPECT_NEAR(r.Wert, preis("CRA", art, ohne).Wert, 1e-12)
                << beschreibung("CRA", art, mit);
        }
}

// A dividend that takes the lower nodes' price to nothing: those sub-trees report code 1 and
// hold an option on a worthless underlying, so the put is worth nearly its strike after the
// dividend. The call is only worth exercising before the dividend: a call expiring then.
TEST(CoxRubinsteinAktien, DividendeUeberDemKurs) {
    const Optionsdaten e{.DivTage = 30,
                         .Dividende = 90,
                         .Tage = 90,
                         .Zins = 4,
                         .Vola = 40,
                         .Basis = 100,
                         .Kurs = 100};
    const Modellergebnis put = preis("CRA", Optionsart::Put, e);
    EXPECT_EQ(put.Fehler, 1);
    EXPECT_GT(put.Wert, 85);
    EXPECT_LT(put.Wert, 100);
    const Modellergebnis call = preis("CRA", Optionsart::Call, e);
    EXPECT_EQ(call.Fehler, 1);
    Optionsdaten bisZurDividende = e;
    bisZurDividende.Dividende = 0;
    bisZurDividende.Tage = e.DivTage;
    EXPECT_NEAR(call.Wert, preis("BS", Optionsart::Call, bisZurDividende).Wert, kBaumfehler * 100);
}

// A dividend before expiry makes an early exercise of the call worth its while, and lowers the
// value towards the European call on the spot less the dividend's present value.
TEST(CoxRubinsteinAktien, DividendeZwischenHeuteUndVerfall) {
    for (const Optionsdaten& ohne : beispiele)
        for (long double anteil : {0.02L, 0.5L, 0.98L}) {
            Optionsdaten mit = ohne;
            mit.DivTage = std::round(ohne.Tage * anteil);
            mit.Dividende = ohne.Kurs * 0.04L;
            const double toleranz = kBaumfehler * static_cast<double>(ohne.Kurs);
            const double call = preis("CRA", Optionsart::Call, mit).Wert;
            EXPECT_GE(call, preis("BS", Optionsart::Call, mit).Wert - toleranz)
                << beschreibung("CRA", Optionsart::Call, mit);
            EXPECT_LE(call, preis("CRA", Optionsart::Call, ohne).Wert + toleranz);
            EXPECT_GE(preis("CRA", Optionsart::Put, mit).Wert,
                      preis("CRA", Optionsart::Put, ohne).Wert - toleranz);
        }
}

// Without dividend the American call's sensitivities are the European ones, up to the tree's
// error; vega and rho are differences over bumps of two volatility and five rate points.
TEST(CoxRubinsteinAktien, KennzahlenWieBlackScholes) {
    for (const Optionsdaten& e : beispiele) {
        Sensitivitaeten baum;
        Sensitivitaeten formel;
        Fehlercode f = 0;
        ASSERT_TRUE(ModellFuer("CRA")->CallSensitivitaeten(baum, f, e));
        ASSERT_TRUE(ModellFuer("BS")->CallSensitivitaeten(formel, f, e));
        const auto bs = [&](long double dVola, long double dZins) {
            Optionsdaten v = e;
            v.Vola += dVola;
            v.Zins += dZins;
            return preis("BS", Optionsart::Call, v).Wert;
        };
        const std::string fall = beschreibung("CRA", Optionsart::Call, e);
        EXPECT_NEAR(baum.Delta, formel.Delta, 0.01) << fall;
        EXPECT_NEAR(baum.Gamma, formel.Gamma, 0.05 * formel.Gamma) << fall;
        EXPECT_NEAR(baum.Theta, formel.Theta, 0.05 * std::fabs(formel.Theta)) << fall;
        const double vega = (bs(2, 0) - bs(0, 0)) / 2;
        const double rho = (bs(0, 5) - bs(0, 0)) / 5;
        EXPECT_NEAR(baum.Vega, vega, 0.05 * vega) << fall;
        EXPECT_NEAR(baum.Rho, rho, 0.05 * rho) << fall;
        EXPECT_EQ(f, 0);
    }
}

TEST(Potenz, Faelle) {
    struct Fall {
        long double basis, exponent, erwartet;
    };
    for (const Fall& f : std::vector<Fall>{{2, 0, 1},
                                           {0, 0, 0},
                                           {0, 3, 0},
                                           {4, 0.5L, 2},
                                           {-2, 3, -8},
                                           {-2, 1, -2},
                                           {-2, 0.5L, 0},
                                           {-2, -1, 0}})
        EXPECT_NEAR(Potenz(f.basis, f.exponent), f.erwartet, 1e-15)
            << static_cast<double>(f.basis) << "^" << static_cast<double>(f.exponent);
}

} // namespace
