#include "margin/Gesamtwerte.h"
#include "Marginhilfen.h"
#include "margin/Berechnungsfehler.h"

#include <gtest/gtest.h>

namespace {

using Margin::Ausgabe1Zeile;

// A class row with its up and down sums per volatility shift (up, neutral, down).
Ausgabe1Zeile klasse(const QString& mk, const QString& gruppe, std::array<double, 3> oben,
                     std::array<double, 3> unten) {
    Ausgabe1Zeile a;
    a.MarginKlasse = a.MK_neu = mk;
    a.MarginGruppe = gruppe;
    for (size_t s = 0; s < 3; ++s) {
        a.AdditionalMargin_UP[s + 1] = oben[s];
        a.AdditionalMargin_Down[s + 1] = unten[s];
        a.AdditionalMargin[s + 1] = std::max(oben[s], unten[s]);
    }
    a.PremiumMargin = 10;
    return a;
}

std::vector<Ausgabe1Zeile> mitGesamt(std::vector<Ausgabe1Zeile> zeilen) {
    Ausgabe1Zeile gesamt;
    gesamt.MarginKlasse = Margin::kAccountTotal;
    zeilen.push_back(gesamt);
    return zeilen;
}

TEST(Szenariowahl, ClassWithoutGroupTakesItsOwnWorstScenario) {
    auto zeilen = mitGesamt({klasse("K1", " ", {100, 200, 300}, {900, 400, 500})});
    const Margin::Szenariowahl w = Margin::GruppenUndSummen(zeilen, {" "});
    EXPECT_EQ(zeilen[0].AdditionalMargin_Gruppe[0], 900);
    EXPECT_EQ(zeilen[0].TotalMargin_Gruppe, 910);
    EXPECT_EQ(zeilen[0].AdditionalMargin[0], 900) << "the shift of the scenario: up";
    EXPECT_EQ(w.SzenarioJeKlasse.value("K1"), "UP");
    ASSERT_EQ(w.Szenarien.size(), 6u);
    EXPECT_EQ(w.Szenarien[1], (Margin::Szenarienzeile{{}, "Down_vsup", 900}));
}

TEST(Szenariowahl, GroupTakesTheScenarioWorstForAllItsClasses) {
    auto zeilen = mitGesamt({klasse("K1", "G", {-900, 1000, -900}, {-900, -300, -900}),
                             klasse("K2", "g", {-900, -200, -900}, {-900, 600, -900})});
    const Margin::Szenariowahl w = Margin::GruppenUndSummen(zeilen, {"G", "g"});
    EXPECT_EQ(zeilen[0].AdditionalMargin_Gruppe[0], 1000);
    EXPECT_EQ(zeilen[1].AdditionalMargin_Gruppe[0], -200);
    EXPECT_EQ(zeilen[1].TotalMargin_Gruppe, -190);
    EXPECT_EQ(w.SzenarioJeKlasse.value("K2"), "NEUTRAL");
    EXPECT_EQ(w.Szenarien.size(), 6u) << "one group whatever the case of its name";
    EXPECT_EQ(w.Szenarien[2], (Margin::Szenarienzeile{"G", "Up_vsneutral", 800}));
    const Ausgabe1Zeile& gesamt = zeilen.back();
    EXPECT_EQ(gesamt.AdditionalMargin_Gruppe[0], 800);
    EXPECT_EQ(gesamt.TotalMargin_Gruppe, 820);
    EXPECT_EQ(gesamt.PremiumMargin, 20);
}

TEST(Szenariowahl, EqualSumsKeepTheFirstScenarioInTableOrder) {
    auto zeilen = mitGesamt({klasse("K1", "", {0, 500, 0}, {500, 0, 0})});
    const Margin::Szenariowahl w = Margin::GruppenUndSummen(zeilen, {""});
    EXPECT_EQ(w.SzenarioJeKlasse.value("K1"), "UP") << "Down_vsup before Up_vsneutral";
}

TEST(Szenariowahl, AccountTotalOfGainsIsZeroNotNegative) {
    auto zeilen = mitGesamt({klasse("K1", "", {-100, -200, -300}, {-400, -500, -600}),
                             klasse("K2", "G", {-50, -50, -50}, {-50, -50, -50})});
    zeilen[0].PremiumMargin = zeilen[1].PremiumMargin = 0;
    Margin::GruppenUndSummen(zeilen, {"", "G"});
    const Ausgabe1Zeile& gesamt = zeilen.back();
    EXPECT_EQ(gesamt.AdditionalMargin_Gruppe[0], 0);
    EXPECT_EQ(gesamt.TotalMargin_Gruppe, 0);
    EXPECT_EQ(gesamt.AdditionalMargin[0], 0);
}

// Currency conversion reads the class's currency from its products.
struct Waehrungsfall {
    Marginumgebung m;
    explicit Waehrungsfall(const QString& waehrung) {
        m.produkt({.Produkt = "P1", .MarginKlasse = "K1", .Waehrung = waehrung});
    }
    std::vector<Ausgabe1Zeile> umrechnen(const QString& ausgabewaehrung) const {
        const Margin::Berechnungsdaten daten =
            Margin::BerechnungsdatenLesen(m.db(), Datum(2007, 6, 15), ausgabewaehrung, {}, "e");
        auto zeilen = mitGesamt({klasse("K1", "", {1250, 0, 0}, {0, -1250, 0})});
        zeilen[0].PremiumMargin = 1250;
        zeilen[0].AdditionalMargin[2] = -5;
        Margin::WaehrungUmrechnen(zeilen, daten, {});
        return zeilen;
    }
};

TEST(WaehrungUmrechnen, AmountsAreDividedByTheClassRateTimesTheOutputRate) {
    const auto zeilen = Waehrungsfall("USD").umrechnen("EUR");
    EXPECT_EQ(zeilen[0].PremiumMargin, 1000);
    EXPECT_EQ(zeilen[0].AdditionalMargin_UP[1], 1000);
    EXPECT_EQ(zeilen[0].AdditionalMargin_Down[2], -1000);
    EXPECT_EQ(zeilen[0].AdditionalMargin[2], 0) << "negative additional margin counts 0";
    EXPECT_EQ(zeilen[0].SummeSpot, 0) << "empty amounts become 0";
    EXPECT_EQ(Waehrungsfall("USD").umrechnen("USD")[0].PremiumMargin, 1250);
}

TEST(WaehrungUmrechnen, RowsWithoutClassKeyNeedNoRate) {
    Marginumgebung m;
    const Margin::Berechnungsdaten daten =
        Margin::BerechnungsdatenLesen(m.db(), Datum(2007, 6, 15), "EUR", {}, "e");
    auto zeilen = mitGesamt({Ausgabe1Zeile{}});
    Margin::WaehrungUmrechnen(zeilen, daten, {});
    EXPECT_EQ(zeilen[0].PremiumMargin, 0);
}

TEST(WaehrungUmrechnen, CurrencyWithoutRateStopsTheCalculationNamingCurrencyAndClass) {
    for (const auto& [waehrung, ausgabe] : {std::pair{"GBP", "EUR"}, std::pair{"CHF", "EUR"},
                                            std::pair{"XYZ", "EUR"}, std::pair{"EUR", "XYZ"}}) {
        try {
            Waehrungsfall(waehrung).umrechnen(ausgabe);
            ADD_FAILURE() << waehrung << " " << ausgabe;
        } catch (const Margin::Berechnungsfehler& f) {
            EXPECT_TRUE(f.text().contains("K1")) << f.what();
            EXPECT_TRUE(f.text().contains(waehrung == QString("EUR") ? ausgabe : waehrung))
                << f.what();
        }
    }
}

} // namespace
