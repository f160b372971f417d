#include "Marginhilfen.h"

#include <gtest/gtest.h>

namespace {

using Margin::Ergebnis;

// Values of a position at every point of its class (xWert, the unshifted value).
std::vector<double> werte(const Ergebnis& e, int lfdNr) {
    std::vector<double> w;
    for (const Margin::Ausgabe2Zeile& a : positionszeilen(e, lfdNr)) w.push_back(a.xWert[0]);
    return w;
}

TEST(Bewertung, FutureLosesItsMoveTimesQuantityAndMultiplier) {
    for (const auto& [ls, unten] : {std::pair{"L", 3750.0}, std::pair{"S", -3750.0}}) {
        Marginumgebung m;
        m.klasse({.MarginParameter = 50, .Basispreisabstand = 50});
        m.produkt({.Multiplikator = 25, .AktPreis = 1000});
        m.position({.LS = ls, .Anzahl = 3});
        const Ergebnis e = m.rechnen();
        EXPECT_EQ(werte(e, 1), (std::vector<double>{unten, 0, -unten})) << ls;
        for (const Margin::Ausgabe2Zeile& a : positionszeilen(e, 1))
            EXPECT_EQ(a.xWert,
                      (std::array<double, 4>{a.xWert[0], a.xWert[0], a.xWert[0], a.xWert[0]}));
    }
}

TEST(Bewertung, WeatherFutureIsWorthItsDistanceToTheBoundAtMostTheParameter) {
    for (const auto& [ls, wert] : {std::pair{"L", 200.0}, std::pair{"S", 10.0}}) {
        Marginumgebung m;
        m.klasse({.MarginKlasse = "WTR", .MarginParameter = 1});
        m.produkt({.Produkt = "WTR", .MarginKlasse = "WTR", .Art = "W", .AktPreis = 99.95});
        m.position({.Produkte = "WTR", .MarginKlasse = "WTR", .LS = ls, .Anzahl = 2});
        for (double w : werte(m.rechnen(), 1)) EXPECT_NEAR(w, wert, 1e-9) << ls;
    }
}

// A far out-of-the-money call floored at the tick size 10 is worth 10 per contract.
struct Tickklasse {
    Marginumgebung m;
    explicit Tickklasse(const QString& art) {
        m.klasse({.MarginKlasse = "OPT", .MarginParameter = 40, .Basispreisabstand = 40});
        m.produkt({.Produkt = "OPT",
                   .MarginKlasse = "OPT",
                   .Art = art,
                   .O_F = "O",
                   .Multiplikator = 1,
                   .AktPreis = 1000,
                   .TickSize = 10});
    }
    void option(const QString& ls, double strike, double anzahl, double tradePrice,
                double betrag = 0) {
        m.position({.Produkte = "OPT",
                    .MarginKlasse = "OPT",
                    .O_F = "O",
                    .LS = ls,
                    .ProduktArt = "C",
                    .Basispreis = strike,
                    .Anzahl = anzahl,
                    .TradePrice = tradePrice,
                    .Betrag = betrag});
    }
};

TEST(Bewertung, UncoveredShortCallsAreWorthTheirMinimumAtTheHighEnd) {
    // SopaWert (140 + 0.25 × 40) × 1 = 150; 6 of 10 covered: 4 × 150 + 6 × 10 = 660.
    Tickklasse k("I");
    k.option("S", 2000, 10, 140);
    k.option("L", 1900, 6, 0);
    const Ergebnis e = k.m.rechnen();
    EXPECT_EQ(offen(e, 1), 4);
    const auto zeilen = positionszeilen(e, 1);
    EXPECT_EQ(zeilen.front().xWert[0], 100);
    EXPECT_EQ(zeilen.front().SopaWert[0], 0);
    EXPECT_EQ(zeilen.back().xWert[0], 660);
    EXPECT_EQ(zeilen.back().SopaWert, (std::array<double, 4>{660, 660, 660, 660}));
}

TEST(Bewertung, InterestRateOptionsCarryTheirPremium) {
    // Both calls are worth the tick size 10 per contract; the short one's minimum is 20.
    Tickklasse k("Z");
    k.option("L", 2200, 2, 0, 300);
    k.option("S", 2100, 2, 10, 300);
    const Ergebnis e = k.m.rechnen();
    for (double w : werte(e, 1)) EXPECT_EQ(w, -20 + 300);
    const std::vector<double> kurz = werte(e, 2);
    for (size_t i = 0; i + 1 < kurz.size(); ++i) EXPECT_EQ(kurz[i], 20 - 300);
    EXPECT_EQ(kurz.back(), 2 * 20) << "where the minimum binds the premium stays";
}

TEST(Bewertung, ShiftedVolatilitiesFollowTheClassRowsAlongThePriceMove) {
    Marginumgebung m;
    m.klasse({.MarginKlasse = "OPT", .MarginParameter = 10, .Basispreisabstand = 5});
    m.produkt({.Produkt = "OPT", .MarginKlasse = "OPT", .O_F = "O", .Multiplikator = 1});
    m.volaShift("", "OPT", "C", 0, 1, -10, 20, 0, -20);
    m.volaShift("", "OPT", "C", 0, 1, 0, 10, 0, -10);
    m.volaShift("", "OPT", "", 0, 1, 0, 99, 99, 99); // both kinds: not matched by a bucket
    m.position({.Produkte = "OPT",
                .MarginKlasse = "OPT",
                .O_F = "O",
                .ProduktArt = "C",
                .Basispreis = 100,
                .ImplVola = 20});
    std::vector<double> hoch, runter;
    for (const Margin::Ausgabe2Zeile& a : positionszeilen(m.rechnen(), 1)) {
        hoch.push_back(a.Vola[0]);
        runter.push_back(a.Vola[2]);
    }
    const std::vector<double> hochErwartet = {24, 23, 22, 22, 22};
    const std::vector<double> runterErwartet = {16, 17, 18, 18, 18};
    ASSERT_EQ(hoch.size(), hochErwartet.size());
    for (size_t i = 0; i < hoch.size(); ++i) {
        EXPECT_NEAR(hoch[i], hochErwartet[i], 1e-12) << i;
        EXPECT_NEAR(runter[i], runterErwartet[i], 1e-12) << i;
    }
}

} // namespace
