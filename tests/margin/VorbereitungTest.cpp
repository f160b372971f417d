#include "Marginhilfen.h"

#include <gtest/gtest.h>

namespace {

using Margin::Ergebnis;

// Two futures products of one class, one margined per maturity.
void zweiProdukte(Marginumgebung& m) {
    m.klasse({});
    m.gruppe("GRP", 0);
    m.produkt({.Produkt = "FIDX"});
    m.produkt({.Produkt = "FMAT", .MATURITY_SWITCH = "Y"});
}

TEST(Vorbereitung, BerechnungIsOrderedByClassProductDaysStrikeAndSide) {
    Marginumgebung m;
    zweiProdukte(m);
    m.klasse({.MarginKlasse = "AAA"});
    m.produkt({.Produkt = "FAAA", .MarginKlasse = "AAA"});
    m.position({.LS = "S", .Laufzeit_Tage = 90});
    m.position({.LS = "L", .Laufzeit_Tage = 90});
    m.position({.Laufzeit_Tage = 30});
    m.position({.Produkte = "FAAA", .MarginKlasse = "AAA"});
    const Ergebnis e = m.rechnen();
    std::vector<int> reihenfolge;
    for (const auto& z : e.Berechnung) reihenfolge.push_back(z.LfdNr);
    EXPECT_EQ(reihenfolge, (std::vector<int>{4, 3, 2, 1}));
    EXPECT_EQ(offen(e, 4), 1) << "futures and options start with their whole quantity open";
}

TEST(Vorbereitung, ProductMarginedPerMaturityGivesOneClassKeyPerMaturity) {
    Marginumgebung m;
    zweiProdukte(m);
    m.position({.Produkte = "FMAT", .Laufzeit = "Sep07", .Laufzeit_Tage = 90, .Anzahl = 2});
    m.position({.Produkte = "FMAT",
                .Laufzeit = "Dec07",
                .Laufzeit_Tage = 180,
                .LaufzeitIndex = 1,
                .Anzahl = 5});
    m.position({.Produkte = "FIDX", .Anzahl = 7});
    const Ergebnis e = m.rechnen();
    QStringList schluessel;
    for (const auto& a : e.Ausgabe1) schluessel << a.MK_neu;
    EXPECT_EQ(schluessel, (QStringList{"FIDX", "FIDX Sep07", "FIDX Dec07", QString()}));
    EXPECT_EQ(e.Ausgabe1.back().MarginKlasse, Margin::kAccountTotal);
    EXPECT_EQ(e.A_MKlasse.size(), 3u);
    // Each key is margined on its own and writes into its own row.
    EXPECT_EQ(zeile(e, "FIDX Sep07").AnzNonSpread, 2);
    EXPECT_EQ(zeile(e, "FIDX Dec07").AnzNonSpread, 5);
    EXPECT_EQ(zeile(e, "FIDX").AnzNonSpread, 7);
}

TEST(Vorbereitung, ClassesOfWeatherBondsAndEquitiesAreNotOffered) {
    Marginumgebung m;
    zweiProdukte(m);
    for (const char* art : {"W", "B", "E"}) {
        m.klasse({.MarginKlasse = QString("K") + art});
        m.produkt({.Produkt = QString("P") + art, .MarginKlasse = QString("K") + art, .Art = art});
        m.position({.Produkte = QString("P") + art,
                    .MarginKlasse = QString("K") + art,
                    .O_F = art == QString("W") ? "F" : art,
                    .SettlementDays = "20.06.2007",
                    .BruttoNetto = "NETTO"});
    }
    m.position({});
    EXPECT_EQ(m.rechnen().KlassenListe, QStringList{"FIDX"});
}

TEST(Vorbereitung, EmptyPortfolioGivesAnAccountTotalOfZeros) {
    Marginumgebung m;
    m.waehrung = "USD";
    const Ergebnis e = m.berechnen();
    ASSERT_EQ(e.Ausgabe1.size(), 1u);
    const auto& gesamt = e.Ausgabe1.front();
    EXPECT_EQ(gesamt.MarginKlasse, Margin::kAccountTotal);
    for (const Margin::Betrag& b :
         {gesamt.PremiumMargin, gesamt.CurrentLiquidatingMargin, gesamt.FutureSpreadMargin,
          gesamt.AdditionalMargin[0], gesamt.TotalMargin[0], gesamt.AdditionalMargin_Gruppe[0],
          gesamt.TotalMargin_Gruppe})
        EXPECT_EQ(b, 0.0);
    EXPECT_EQ(m.tabelle("Ausgabe1").size(), 1);
}

TEST(Vorbereitung, PortfolioWithOnlyFuturesLeavesTheShiftTablesEmpty) {
    Marginumgebung m;
    zweiProdukte(m);
    m.volaShift("I", "", "C", 0, 1, 0, 10, 10, 10);
    m.volaShift("", "FIDX", "C", 0, 1, 0, 10, 10, 10);
    m.position({});
    const Ergebnis e = m.berechnen();
    EXPECT_FALSE(e.Informationsfenster);
    EXPECT_TRUE(m.tabelle("vola_shifts_tmp").isEmpty());
    EXPECT_TRUE(m.tabelle("vola_shifts_berechnung").isEmpty());
}

} // namespace
