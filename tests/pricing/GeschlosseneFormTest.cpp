#include "Preishilfen.h"

#include "pricing/TBlackScholes.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

const std::vector<Optionsdaten> beispiele{
    {.Tage = 30, .Zins = 3, .Vola = 25, .Basis = 100, .Kurs = 100},
    {.Tage = 365, .Zins = 5, .Vola = 40, .Basis = 80, .Kurs = 100},
    {.Tage = 720, .Zins = 1, .Vola = 15, .Basis = 120, .Kurs = 100},
    {.Tage = 7, .Zins = 0.01L, .Vola = 80, .Basis = 3.5L, .Kurs = 4.2L},
    {.Tage = 3650, .Zins = -0.5L, .Vola = 20, .Basis = 5000, .Kurs = 4000},
};

long double abzinsung(const Optionsdaten& e) {
    return std::exp(-e.Zins / 100 * e.Tage / 365);
}

TEST(GeschlosseneForm, PutCallParitaet) {
    for (const Optionsdaten& e : beispiele) {
        const long double bs =
            preis("BS", Optionsart::Call, e).Wert - preis("BS", Optionsart::Put, e).Wert;
        EXPECT_NEAR(bs, e.Kurs - e.Basis * abzinsung(e), 1e-9 * e.Basis)
            << beschreibung("BS", Optionsart::Call, e);
        const long double b76 =
            preis("TB76", Optionsart::Call, e).Wert - preis("TB76", Optionsart::Put, e).Wert;
        EXPECT_NEAR(b76, abzinsung(e) * (e.Kurs - e.Basis), 1e-9 * e.Basis)
            << beschreibung("TB76", Optionsart::Call, e);
    }
}

// Black-76 on a futures price F is Black-Scholes on the spot F·e^(−rT), discounted alike.
TEST(GeschlosseneForm, Black76IstBlackScholesAufDemAbgezinstenFuturespreis) {
    for (const Optionsdaten& e : beispiele)
        for (Optionsart art : {Optionsart::Call, Optionsart::Put}) {
            Optionsdaten spot = e;
            spot.Kurs = e.Kurs * abzinsung(e);
            EXPECT_NEAR(preis("TB76", art, e).Wert, preis("BS", art, spot).Wert, 1e-9 * e.Basis)
                << beschreibung("TB76", art, e);
        }
}

struct Dividendenfall {
    long double DivTage, Dividende;
    long double Spot; // the spot Black-Scholes must price with
};

TEST(BlackScholes, DividendeMindertDenKursNurZwischenHeuteUndVerfall) {
    const long double r = 0.04L;
    const std::vector<Dividendenfall> faelle{
        {90, 2, 100 - 2 * std::exp(-r * 90 / 365)},
        {180, 2, 100}, // on the expiry day: not before expiry
        {0, 2, 100},   // today: already out of the spot
        {200, 2, 100}, // after expiry
        {-5, 2, 100},
        {90, -2, 100}, // a negative amount is no dividend
    };
    for (const Dividendenfall& f : faelle)
        for (Optionsart art : {Optionsart::Call, Optionsart::Put}) {
            const Optionsdaten mit{.DivTage = f.DivTage,
                                   .Dividende = f.Dividende,
                                   .Tage = 180,
                                   .Zins = 4,
                                   .Vola = 30,
                                   .Basis = 95,
                                   .Kurs = 100};
            Optionsdaten ohne = mit;
            ohne.Dividende = 0;
            ohne.Kurs = f.Spot;
            EXPECT_NEAR(preis("BS", art, mit).Wert, preis("BS", art, ohne).Wert, 1e-12)
                << beschreibung("BS", art, mit);
        }
}

// A dividend worth more than the spot leaves nothing of it: the call is worthless, the put is
// the discounted strike (not 0, which would understate a short put's risk).
TEST(BlackScholes, DividendeUeberDemKurs) {
    const Optionsdaten e{.DivTage = 30,
                         .Dividende = 150,
                         .Tage = 90,
                         .Zins = 4,
                         .Vola = 30,
                         .Basis = 95,
                         .Kurs = 100};
    EXPECT_EQ(preis("BS", Optionsart::Call, e).Wert, 0);
    EXPECT_NEAR(preis("BS", Optionsart::Put, e).Wert, 95 * std::exp(-0.04 * 90 / 365), 1e-12);
    EXPECT_EQ(preis("BS", Optionsart::Put, e).Fehler, 0);
}

// The sensitivities describe the undivided spot, whatever the dividend.
TEST(BlackScholes, KennzahlenOhneDividende) {
    const TBlackScholes bs;
    Optionsdaten e{
        .DivTage = 30, .Dividende = 5, .Tage = 90, .Zins = 4, .Vola = 30, .Basis = 95, .Kurs = 100};
    Fehlercode f = 0;
    const long double mit = bs.CallDelta(f, e);
    e.Dividende = 0;
    EXPECT_EQ(mit, bs.CallDelta(f, e));
    EXPECT_EQ(f, 0);
}

} // namespace
