#include "Marginhilfen.h"

#include <gtest/gtest.h>

namespace {

using Margin::Ergebnis;

struct Future {
    const char* ls;
    const char* monat;
    int index;
    double anzahl;
};

// Maturities of the index future on 15 June 2007: Jun07 (index 0), Sep07, Dec07, Mar08.
double tage(int index) {
    return 5 + 90 * index;
}

struct Futuresfall {
    const char* name;
    QDate datum;
    std::vector<Future> futures;
    std::vector<double> offen;
    long long spot, back;
};

class Futures : public testing::TestWithParam<Futuresfall> {};

TEST_P(Futures, NettingThenSpotMonthThenBackMonthSpreads) {
    const Futuresfall& f = GetParam();
    Marginumgebung m;
    m.datum = f.datum;
    m.klasse({.SpotMonthSpread = 100, .BackMonthSpread = 50});
    m.produkt({});
    for (const Future& x : f.futures)
        m.position({.LS = x.ls,
                    .Laufzeit = x.monat,
                    .Laufzeit_Tage = tage(x.index),
                    .LaufzeitIndex = x.index,
                    .Anzahl = x.anzahl});
    const Ergebnis e = m.rechnen();
    for (size_t i = 0; i < f.offen.size(); ++i)
        EXPECT_EQ(offen(e, int(i) + 1), f.offen[i]) << "row " << i + 1;
    const Margin::Ausgabe1Zeile& a = zeile(e, "FIDX");
    EXPECT_EQ(a.AnzSpot, f.spot);
    EXPECT_EQ(a.AnzBack, f.back);
    EXPECT_EQ(a.SummeSpot, 100.0 * double(f.spot));
    EXPECT_EQ(a.FutureSpreadMargin, 100.0 * double(f.spot) + 50.0 * double(f.back));
}

const QDate juni(2007, 6, 15), mai(2007, 5, 15);

INSTANTIATE_TEST_SUITE_P(
    Faelle, Futures,
    testing::Values(
        Futuresfall{
            "NettingInOneMonth", juni, {{"L", "Sep07", 1, 5}, {"S", "Sep07", 1, 3}}, {2, 0}, 0, 0},
        Futuresfall{"NetShortOnTheFirstShortRow",
                    juni,
                    {{"L", "Jun07", 0, 3}, {"S", "Jun07", 0, 2}, {"S", "Jun07", 0, 4}},
                    {0, 3, 0},
                    0,
                    0},
        Futuresfall{
            "SpotMonthInJune", juni, {{"L", "Jun07", 0, 5}, {"S", "Sep07", 1, 3}}, {2, 0}, 3, 0},
        Futuresfall{
            "NoSpotMonthInMay", mai, {{"L", "Jun07", 0, 5}, {"S", "Sep07", 1, 3}}, {2, 0}, 0, 3},
        Futuresfall{"BackMonthAgainstTwoLongs",
                    juni,
                    {{"S", "Sep07", 1, 10}, {"L", "Dec07", 2, 4}, {"L", "Mar08", 3, 3}},
                    {3, 0, 0},
                    0,
                    7},
        Futuresfall{"SpotAndBackMonth",
                    juni,
                    {{"L", "Jun07", 0, 2},
                     {"S", "Sep07", 1, 2},
                     {"L", "Dec07", 2, 3},
                     {"S", "Mar08", 3, 3}},
                    {0, 0, 0, 0},
                    2,
                    3}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(SpotMonthSpreads, TheClassNamedByTheProductCodeServesTheRestOfTheClass) {
    Marginumgebung m;
    m.klasse({.SpotMonthSpread = 100, .BackMonthSpread = 50});
    m.klasse({.MarginKlasse = "FDAX", .SpotMonthSpread = 70, .BackMonthSpread = 30});
    m.produkt({.Produkt = "FDAX"});
    m.position({.Produkte = "FDAX", .Laufzeit = "Jun07", .Laufzeit_Tage = 5, .Anzahl = 2});
    m.position({.Produkte = "FDAX",
                .LS = "S",
                .Laufzeit = "Sep07",
                .Laufzeit_Tage = 95,
                .LaufzeitIndex = 1,
                .Anzahl = 3});
    const Margin::Ausgabe1Zeile& a = zeile(m.rechnen(), "FIDX");
    EXPECT_EQ(a.SummeSpot, 140);
    EXPECT_EQ(a.FutureSpreadMargin, 140);
}

TEST(NonSpreadFutures, InformativeMarginOfTheFuturesLeftOpen) {
    Marginumgebung m;
    m.klasse({.MarginParameter = 5, .ParameterArt = "%"});
    m.produkt({.Multiplikator = 25, .AktPreis = 200});
    m.position({.Anzahl = 3});
    m.position(
        {.LS = "S", .Laufzeit = "Dec07", .Laufzeit_Tage = 185, .LaufzeitIndex = 2, .Anzahl = 1});
    const Margin::Ausgabe1Zeile& a = zeile(m.rechnen(), "FIDX");
    EXPECT_EQ(a.AnzBack, 1);
    EXPECT_EQ(a.AnzNonSpread, 2);
    EXPECT_EQ(a.AdditionalMargin_Future, 25 * 2 * 10.0); // interval 5 % of 200
    EXPECT_EQ(a.AnzSOPA, 50);
}

} // namespace
