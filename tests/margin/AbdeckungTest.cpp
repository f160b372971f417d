#include "Marginhilfen.h"
#include "margin/Paarung.h"

#include <gtest/gtest.h>

namespace {

using Margin::Ergebnis;

TEST(BasispreisText, StrikesCompareAsTextsInTheOrderOfTheirValues) {
    EXPECT_EQ(Margin::BasispreisText(3600), "0003600.00000");
    EXPECT_EQ(Margin::BasispreisText(12.5), "0000012.50000");
    EXPECT_EQ(Margin::BasispreisText(-5), "00000-5.00000");
    EXPECT_EQ(Margin::BasispreisText(1.1234567), "0000001.1234567");
    EXPECT_LT(Margin::BasispreisText(999.5), Margin::BasispreisText(1000));
}

TEST(Paarung, TheSmallerQuantityIsUsedUp) {
    long long kurz = 10, lang = 4;
    EXPECT_EQ(Margin::Paaren(kurz, lang), 4);
    EXPECT_EQ(kurz, 6);
    EXPECT_EQ(lang, 0);
    lang = 6;
    EXPECT_EQ(Margin::Paaren(kurz, lang), 6);
    EXPECT_EQ(kurz, 0);
    EXPECT_EQ(lang, 0);
}

// An index option class at 3000 with an interval of 100 points: far out-of-the-money short
// options are worth less than their minimum value, so it binds and they may be covered.
struct Optionsklasse {
    Marginumgebung m;
    explicit Optionsklasse(const QString& gruppe = "GRP", double aktPreis = 3000) {
        m.klasse({.MarginKlasse = "OIDX",
                  .MarginGruppe = gruppe,
                  .MarginParameter = 100,
                  .Basispreisabstand = 50});
        m.gruppe(gruppe, 0);
        m.produkt({.Produkt = "OIDX",
                   .MarginKlasse = "OIDX",
                   .O_F = "O",
                   .Multiplikator = 1,
                   .AktPreis = aktPreis});
    }
    void option(const QString& ls, const QString& cp, double strike, double tage, double anzahl,
                double betrag = 0) {
        m.position({.Produkte = "OIDX",
                    .MarginKlasse = "OIDX",
                    .O_F = "O",
                    .LS = ls,
                    .ProduktArt = cp,
                    .Laufzeit_Tage = tage,
                    .Basispreis = strike,
                    .Anzahl = anzahl,
                    .TradePrice = 1,
                    .Betrag = betrag});
    }
};

struct Bein {
    double strike, tage, anzahl;
};
struct Abdeckungsfall {
    const char* name;
    const char* cp;
    Bein kurz;
    std::vector<Bein> lang;
    double kurzOffen;
    std::vector<double> langOffen;
    double aktPreis = 3000;
};

class Abdeckung : public testing::TestWithParam<Abdeckungsfall> {};

TEST_P(Abdeckung, ShortOptionsAreCoveredByLongOptionsThatLiveLongerWithABetterStrike) {
    const Abdeckungsfall& f = GetParam();
    Optionsklasse k("GRP", f.aktPreis);
    k.option("S", f.cp, f.kurz.strike, f.kurz.tage, f.kurz.anzahl);
    for (const Bein& l : f.lang) k.option("L", f.cp, l.strike, l.tage, l.anzahl);
    const Ergebnis e = k.m.rechnen();
    EXPECT_GT(berechnungszeile(e, 1).sopa(Margin::Ohne), 0) << "the minimum binds";
    EXPECT_EQ(offen(e, 1), f.kurzOffen);
    for (size_t i = 0; i < f.langOffen.size(); ++i) EXPECT_EQ(offen(e, int(i) + 2), f.langOffen[i]);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Abdeckung,
    testing::Values(
        Abdeckungsfall{"LowerStrikeLongerLife", "C", {3600, 30, 10}, {{3500, 60, 10}}, 0, {0}},
        Abdeckungsfall{"HigherStrikeDoesNotCover", "C", {3600, 30, 10}, {{3700, 60, 10}}, 10, {10}},
        Abdeckungsfall{"ShorterLifeDoesNotCover", "C", {3600, 30, 10}, {{3500, 20, 10}}, 10, {10}},
        Abdeckungsfall{
            "TwoCandidatesUsedUp", "C", {3600, 30, 10}, {{3500, 60, 4}, {3400, 60, 3}}, 3, {0, 0}},
        Abdeckungsfall{"StrikesAsTexts", "C", {1000, 30, 5}, {{999.5, 60, 5}}, 0, {0}, 700},
        Abdeckungsfall{"HigherPutCovers", "P", {2400, 30, 10}, {{2500, 60, 6}}, 4, {0}},
        Abdeckungsfall{"LowerPutDoesNotCover", "P", {2400, 30, 10}, {{2300, 60, 6}}, 10, {6}}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(SopaWerte, MinimumIsTradePricePlusAQuarterIntervalTimesMultiplier) {
    // Trade price 2, interval 40, multiplier 10: M = (2 + 10) × 10 = 120.
    for (const auto& [tickSize, erwartet] : {std::pair{0.0, 120.0}, std::pair{100.0, 0.0}}) {
        Marginumgebung m;
        m.klasse({.MarginKlasse = "OIDX", .MarginParameter = 40});
        m.produkt({.Produkt = "OIDX",
                   .MarginKlasse = "OIDX",
                   .O_F = "O",
                   .Multiplikator = 10,
                   .AktPreis = 1000,
                   .TickSize = tickSize});
        m.position({.Produkte = "OIDX",
                    .MarginKlasse = "OIDX",
                    .O_F = "O",
                    .LS = "S",
                    .ProduktArt = "C",
                    .Laufzeit_Tage = 30,
                    .Basispreis = 2000,
                    .Anzahl = 10,
                    .TradePrice = 2});
        m.position({.Produkte = "OIDX",
                    .MarginKlasse = "OIDX",
                    .O_F = "O",
                    .LS = "L",
                    .ProduktArt = "C",
                    .Laufzeit_Tage = 60,
                    .Basispreis = 1900,
                    .Anzahl = 10});
        const Ergebnis e = m.rechnen();
        // With a theoretical value of 100 × 10 = 1 000 the minimum does not bind: no coverage.
        for (const auto& s : berechnungszeile(e, 1).SopaWert) EXPECT_EQ(s, erwartet);
        EXPECT_EQ(offen(e, 1), erwartet > 0 ? 0 : 10);
    }
}

TEST(FuturesAbdeckung, OneLongFutureCoversAsManyShortCallsAsItsMultiplierHoldsOptions) {
    for (const auto& [optionsMultiplikator, kurzOffen] :
         {std::pair{10.0, 0.0}, std::pair{1000.0, 10.0}}) {
        Marginumgebung m;
        m.klasse({.MarginKlasse = "OIDX", .MarginParameter = 100});
        m.produkt({.Produkt = "OIDX",
                   .MarginKlasse = "OIDX",
                   .O_F = "O",
                   .Multiplikator = optionsMultiplikator,
                   .AktPreis = 3000});
        m.produkt(
            {.Produkt = "FIDX", .MarginKlasse = "OIDX", .Multiplikator = 100, .AktPreis = 3000});
        m.position({.Produkte = "OIDX",
                    .MarginKlasse = "OIDX",
                    .O_F = "O",
                    .LS = "S",
                    .ProduktArt = "C",
                    .Laufzeit_Tage = 30,
                    .Basispreis = 3600,
                    .Anzahl = 10,
                    .TradePrice = 1});
        m.position({.Produkte = "FIDX", .MarginKlasse = "OIDX", .Laufzeit_Tage = 90});
        const Ergebnis e = m.rechnen();
        EXPECT_EQ(offen(e, 1), kurzOffen) << optionsMultiplikator;
        EXPECT_EQ(offen(e, 2), 1) << "the future keeps its quantity";
    }
}

TEST(Praemienmargin, ShortOptionsAddLongOptionsSubtractTheirAmountExceptInKamoAndRuta) {
    for (const auto& [gruppe, erwartet] :
         {std::pair{"GRP", 300.0}, std::pair{"KAMO", 0.0}, std::pair{"RUTA", 0.0}}) {
        Optionsklasse k(gruppe);
        k.option("S", "C", 3600, 30, 1, 500);
        k.option("L", "P", 2400, 30, 1, 200);
        EXPECT_EQ(zeile(k.m.rechnen(), "OIDX").PremiumMargin, erwartet) << gruppe;
    }
}

TEST(Praemienmargin, ClassWithProductsOfTwoTypesCountsItsPremiumOnce) {
    Optionsklasse k;
    k.m.produkt({.Produkt = "OAKT",
                 .MarginKlasse = "OIDX",
                 .Art = "A",
                 .O_F = "O",
                 .Multiplikator = 1,
                 .AktPreis = 3000});
    k.option("S", "C", 3600, 30, 1, 500);
    k.m.position({.Produkte = "OAKT",
                  .MarginKlasse = "OIDX",
                  .O_F = "O",
                  .LS = "S",
                  .ProduktArt = "C",
                  .Laufzeit_Tage = 30,
                  .Basispreis = 3600,
                  .Anzahl = 1,
                  .Betrag = 250});
    const Ergebnis e = k.m.rechnen();
    EXPECT_EQ(e.A_MKlasse.size(), 2u);
    EXPECT_EQ(zeile(e, "OIDX").PremiumMargin, 750);
}

} // namespace
