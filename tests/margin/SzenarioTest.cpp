#include "Marginhilfen.h"
#include "margin/Szenariogitter.h"
#include "store/Referenzdaten.h"

#include <gtest/gtest.h>

namespace {

using Margin::Ergebnis;

struct Gitterfall {
    const char* name;
    double P, A, schritt;
    std::vector<double> punkte;
    int eingefuegt; // index of the inserted current-price point, -1 for none
};

class Gitter : public testing::TestWithParam<Gitterfall> {};

TEST_P(Gitter, PointsFromLowToHighOnTheStepWithTheCurrentPriceInserted) {
    const Gitterfall& f = GetParam();
    std::vector<double> punkte;
    int eingefuegt = -1;
    Margin::Szenariogitter g(f.P, f.A, f.schritt);
    for (;; g.weiter(f.schritt, f.P)) {
        EXPECT_EQ(g.punkt().E, int(punkte.size()));
        if (g.punkt().eingefuegt) eingefuegt = int(punkte.size());
        punkte.push_back(g.punkt().B);
        if (g.punkt().letzter || punkte.size() > 50) break;
    }
    EXPECT_EQ(punkte, f.punkte);
    EXPECT_EQ(eingefuegt, f.eingefuegt);
    EXPECT_EQ(g.punkt().D, f.A);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Gitter,
    testing::Values(Gitterfall{"CurrentPriceOnTheGrid",
                               100,
                               10,
                               2.5,
                               {90, 92.5, 95, 97.5, 100, 102.5, 105, 107.5, 110},
                               -1},
                    Gitterfall{
                        "CurrentPriceInserted", 101, 10, 5, {91, 95, 100, 101, 105, 110, 111}, 3},
                    Gitterfall{"StepEqualsInterval", 100, 10, 10, {90, 100, 110}, -1},
                    Gitterfall{"ZeroIntervalStaysAtThePrice", 100, 0, 5, {100, 100}, -1}),
    [](const auto& fall) { return std::string(fall.param.name); });

struct Staffelfall {
    const char* art;
    const char* klasse;
    double preis;
    double schritt;
};

TEST(BasispreisabstandStaffel, LaddersByClassListPriceAndType) {
    const QSet<QString> liste1 = {"EINS"}, liste2 = {"ZWEI"};
    Klassensatz klasse;
    klasse.Basispreisabstand = 25;
    for (const Staffelfall& f : std::vector<Staffelfall>{{"A", "DREI", 51.99, 1},
                                                         {"A", "DREI", 52, 2},
                                                         {"A", "DREI", 100, 5},
                                                         {"X", "DREI", 1, 0.05},
                                                         {"A", "eins", 0.5, 0.05},
                                                         {"A", "EINS", 5, 0.25},
                                                         {"A", "ZWEI", 4.99, 0.1},
                                                         {"A", "ZWEI", 25, 1},
                                                         {"A", "ZWEI", 500, 20},
                                                         {"I", "DREI", 52, 25},
                                                         {"E", "DREI", 52, 0.5}}) {
        Produktsatz p;
        p.Art = f.art;
        p.MarginKlasse = f.klasse;
        EXPECT_EQ(Margin::BasispreisabstandStaffel(p, klasse, f.preis, liste1, liste2), f.schritt)
            << f.art << " " << f.klasse << " " << f.preis;
    }
    klasse.Basispreisabstand = 0;
    Produktsatz index;
    index.Art = "I";
    EXPECT_EQ(Margin::BasispreisabstandStaffel(index, klasse, 52, liste1, liste2), 0.5);
}

// A long future of 2 contracts, multiplier 10, at 100 with interval and step 10.
struct Futuresklasse {
    Marginumgebung m;
    Futuresklasse(double parameter, const QString& gruppe) {
        m.klasse({.MarginGruppe = gruppe, .MarginParameter = parameter, .Basispreisabstand = 10});
        m.gruppe("OFF0", 0);
        m.gruppe("OFF50", 50);
        m.produkt({});
        m.position({.MarginGruppe = gruppe, .Anzahl = 2});
    }
};

TEST(AdditionalMargin, GainsOfASideCountOnlyAsFarAsTheOffsetFactorAllows) {
    for (const auto& [gruppe, oben] :
         {std::pair{"OFF0", 0.0}, std::pair{"OFF50", -100.0}, std::pair{"NONE", 0.0}}) {
        const Ergebnis e = Futuresklasse(10, gruppe).m.rechnen();
        const Margin::Ausgabe1Zeile& a = zeile(e, "FIDX");
        for (Margin::Schicht s : Margin::kVerschiebungen) {
            EXPECT_EQ(a.AdditionalMargin_Down[s], 200) << gruppe;
            EXPECT_EQ(a.AdditionalMargin_UP[s], oben) << gruppe;
            EXPECT_EQ(a.AdditionalMargin[s], 200) << gruppe;
            EXPECT_EQ(a.TotalMargin[s], 200) << gruppe;
        }
        EXPECT_EQ(positionszeilen(e, 1).size(), 3u);
    }
}

TEST(AdditionalMargin, ClassWithoutClassRowBorrowsNothingFromTheClassBefore) {
    // Class AAA runs first with interval 10; class ZZZ has no row: empty parameters.
    Futuresklasse k(10, "OFF0");
    k.m.ausfuehren(
        "UPDATE MarginKlasse SET MarginKlasse = 'AAA'; "
        "UPDATE Produkt SET MarginKlasse = 'AAA'; UPDATE Eingabe SET MarginKlasse = 'AAA'");
    k.m.produkt({.Produkt = "FZZZ", .MarginKlasse = "ZZZ"});
    k.m.position({.Produkte = "FZZZ", .MarginKlasse = "ZZZ", .MarginGruppe = "OFF50", .Anzahl = 2});
    const Ergebnis e = k.m.rechnen();
    EXPECT_EQ(zeile(e, "AAA").AdditionalMargin_Down[Margin::Neutral], 200);
    EXPECT_EQ(zeile(e, "ZZZ").AdditionalMargin_Down[Margin::Neutral], 0);
    EXPECT_EQ(zeile(e, "ZZZ").AdditionalMargin_UP[Margin::Neutral], 0);
}

TEST(AdditionalMargin, ZeroIntervalLeavesNoSideAtItsStartValue) {
    Futuresklasse k(0, "OFF50");
    k.m.produkt({.Produkt = "OIDX", .O_F = "O", .AktPreis = 100});
    k.m.position({.Produkte = "OIDX",
                  .O_F = "O",
                  .LS = "S",
                  .ProduktArt = "C",
                  .Basispreis = 1000,
                  .Anzahl = 1,
                  .Betrag = 500});
    const Margin::Ausgabe1Zeile& a = zeile(k.m.rechnen(), "FIDX");
    EXPECT_EQ(a.PremiumMargin, 500);
    for (Margin::Schicht s : Margin::kVerschiebungen) {
        EXPECT_EQ(a.AdditionalMargin_UP[s], 0);
        EXPECT_EQ(a.AdditionalMargin_Down[s], 0);
        EXPECT_EQ(a.AdditionalMargin[s], 0);
    }
}

TEST(AdditionalMargin, PremiumMarginComesOffTheWorstLoss) {
    // Long 12 futures × 10 lose 1 200 at 90; a far out-of-the-money short call brings 500.
    Futuresklasse k(10, "OFF0");
    k.m.ausfuehren("UPDATE Eingabe SET Anzahl = 12");
    k.m.produkt({.Produkt = "OIDX", .O_F = "O", .AktPreis = 100});
    k.m.position({.Produkte = "OIDX",
                  .O_F = "O",
                  .LS = "S",
                  .ProduktArt = "C",
                  .Basispreis = 1000,
                  .Anzahl = 1,
                  .TradePrice = 50,
                  .Betrag = 500});
    const Margin::Ausgabe1Zeile& a = zeile(k.m.rechnen(), "FIDX");
    EXPECT_EQ(a.PremiumMargin, 500);
    EXPECT_NEAR(*a.AdditionalMargin_Down[Margin::Neutral], 700, 1e-9);
}

TEST(AdditionalMargin, EquityOptionStepFollowsTheLadderAlongTheWalk) {
    // Ladder 3: step 2 from 52, step 5 from 100.
    Marginumgebung m;
    m.klasse({.MarginKlasse = "AKT", .MarginParameter = 10});
    m.produkt(
        {.Produkt = "AKT", .MarginKlasse = "AKT", .Art = "A", .O_F = "O", .Multiplikator = 100});
    m.position({.Produkte = "AKT",
                .MarginKlasse = "AKT",
                .O_F = "O",
                .ProduktArt = "C",
                .Basispreis = 100});
    std::vector<double> punkte;
    for (const Margin::Ausgabe2Zeile& a : positionszeilen(m.rechnen(), 1))
        punkte.push_back(a.yWert);
    EXPECT_EQ(punkte, (std::vector<double>{90, 92, 94, 96, 98, 100, 105, 110}));
}

} // namespace
