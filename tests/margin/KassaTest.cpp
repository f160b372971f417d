#include "Marginhilfen.h"
#include "margin/Berechnungsfehler.h"

#include <gtest/gtest.h>

namespace {

using Margin::Ergebnis;

// Rates are 0, so no amount is discounted.
struct Kassaklasse {
    Marginumgebung m;
    Kassaklasse(const QString& art, double parameter, const QString& parameterArt, double aktPreis,
                double offset) {
        m.klasse({.MarginKlasse = "KASSA",
                  .MarginGruppe = "KG",
                  .MarginParameter = parameter,
                  .ParameterArt = parameterArt});
        m.gruppe("KG", offset);
        m.produkt({.Produkt = "DE0001",
                   .MarginKlasse = "KASSA",
                   .Art = art,
                   .O_F = " ",
                   .AktPreis = aktPreis,
                   .Kuponhoehe = 5});
    }
    void position(const QString& of, const QString& ls, double anzahl, double betrag,
                  const QString& bruttoNetto = "NETTO", double stueckzinsen = 0,
                  double tageSeitKupon = 0, const QString& settlement = "20.06.2007") {
        m.position({.Produkte = "DE0001",
                    .MarginKlasse = "KASSA",
                    .MarginGruppe = "KG",
                    .O_F = of,
                    .LS = ls,
                    .Anzahl = anzahl,
                    .Betrag = betrag,
                    .Stueckzinsen = stueckzinsen,
                    .SettlementDays = settlement,
                    .BruttoNetto = bruttoNetto,
                    .Laufzeit_Tage_3 = tageSeitKupon});
    }
    const Margin::Ausgabe1Zeile& rechnen() {
        ergebnis = m.rechnen();
        return zeile(ergebnis, "KASSA");
    }
    Ergebnis ergebnis;
};

TEST(AnleihenMargin, PriceRiskOfTheNominalAndTheDifferenceOfCashAndMarketValue) {
    // Nominal 100 000 at 101 with 73 days of a 5 % coupon: accrued 1 000, worth 102 000.
    for (const auto& [offset, oben] : {std::pair{0.0, 0.0}, std::pair{50.0, -1000.0}}) {
        Kassaklasse k("B", 2, "Points", 101, offset);
        k.position("B", "L", 100000, 101000, "", 1000, 73);
        const Margin::Ausgabe1Zeile& a = k.rechnen();
        EXPECT_NEAR(*a.CurrentLiquidatingMargin, 0, 1e-9);
        EXPECT_NEAR(*a.AdditionalMargin_Down[0], 2000, 1e-9);
        EXPECT_NEAR(*a.AdditionalMargin_UP[0], oben, 1e-9);
    }
}

TEST(AnleihenMargin, TradesOfOneSettlementDateAndBondFormOneGroup) {
    // A repo: bought for 100 000, sold back for 100 500 on the same date. No price risk is
    // left, the cash difference is a gain; a later trade forms a group of its own.
    Kassaklasse k("B", 2, "Points", 100, 0);
    k.position("B", "L", 100000, 100000);
    k.position("B", "S", 100000, 100500);
    k.position("B", "L", 1000, 1000, "", 0, 0, "21.06.2007");
    const Margin::Ausgabe1Zeile& a = k.rechnen();
    EXPECT_NEAR(*a.CurrentLiquidatingMargin, -500, 1e-9);
    EXPECT_NEAR(*a.AdditionalMargin_Down[0], 20, 1e-9);
}

TEST(AnleihenMargin, SettlementDateThatIsNoDateStopsTheCalculation) {
    Kassaklasse k("B", 2, "Points", 100, 0);
    k.position("B", "L", 1000, 1000, "", 0, 0, "31.02.2007");
    EXPECT_THROW(k.rechnen(), Margin::Berechnungsfehler);
}

struct Aktienfall {
    const char* name;
    const char* ls;
    const char* bruttoNetto;
    double aktPreis;
    double liquidation, oben, unten;
};

class AktienMargin : public testing::TestWithParam<Aktienfall> {};

TEST_P(AktienMargin, NetTradesSettleAsOneGrossTradesCountWhenTheyLose) {
    // 100 shares traded for 5 000, margin parameter 10 %, offset factor 100.
    const Aktienfall& f = GetParam();
    Kassaklasse k("E", 10, "%", f.aktPreis, 100);
    k.position("E", f.ls, 100, 5000, f.bruttoNetto);
    const Margin::Ausgabe1Zeile& a = k.rechnen();
    EXPECT_NEAR(*a.CurrentLiquidatingMargin, f.liquidation, 1e-9);
    EXPECT_NEAR(*a.AdditionalMargin_UP[0], f.oben, 1e-9);
    EXPECT_NEAR(*a.AdditionalMargin_Down[0], f.unten, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, AktienMargin,
    testing::Values(Aktienfall{"NetLongLost", "L", "NETTO", 48, 200, -480, 480},
                    Aktienfall{"GrossLongGainNotCounted", "L", "BRUTTO", 52, 0, -520, 520},
                    Aktienfall{"GrossShort", "S", "GROSS", 50, 0, 500, -500},
                    Aktienfall{"NeitherNetNorGross", "L", "", 48, 0, 0, 0}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(AktienMargin, GainsAreCreditedByTheOffsetFactor) {
    Kassaklasse k("E", 10, "%", 48, 0);
    k.position("E", "L", 100, 5000, "NET");
    const Margin::Ausgabe1Zeile& a = k.rechnen();
    EXPECT_EQ(a.AdditionalMargin_UP[0], 0);
    EXPECT_NEAR(*a.AdditionalMargin_Down[0], 480, 1e-9);
}

TEST(AktienMargin, NetAndGrossTradesOfOneGroupShareTheSides) {
    // Net long 100, gross short 50: the upside takes the gross short, the downside the net long.
    Kassaklasse k("E", 10, "Points", 50, 100);
    k.position("E", "L", 100, 5000, "NETTO");
    k.position("E", "S", 50, 2500, "BRUTTO");
    const Margin::Ausgabe1Zeile& a = k.rechnen();
    EXPECT_NEAR(*a.AdditionalMargin_UP[0], 50 * 10, 1e-9);
    EXPECT_NEAR(*a.AdditionalMargin_Down[0], 100 * 10, 1e-9);
}

} // namespace
