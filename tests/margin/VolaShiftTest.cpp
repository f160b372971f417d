#include "margin/VolaShift.h"
#include "margin/VolaShiftsVorbereiten.h"
#include "store/Referenzdaten.h"

#include <gtest/gtest.h>

namespace {

using Margin::VolaShiftIndex;
using Margin::VolaShiftZeile;

VolaShiftZeile zeile(const char* typ, const char* klasse, const char* cp, int days, double mnes,
                     double move, double up, double neutral = 0, double down = 0) {
    return {typ, klasse, cp, days, mnes, move, up, neutral, down};
}

double hoch(const VolaShiftIndex& i, double mv, double m = 1, const char* art = "I",
            const char* cp = "C", double tage = 90, const char* klasse = "K") {
    return i.kurve(klasse, art, cp, tage, m).verschiebungen(mv)[0];
}

TEST(VolaShift, PriceMovesAreInterpolatedBetweenTheTabulatedNeighbours) {
    const VolaShiftIndex i({zeile("", "K", "C", 0, 1, -10, 20), zeile("", "K", "C", 0, 1, 0, 10),
                            zeile("", "K", "C", 0, 1, 10, 0, 5)});
    EXPECT_DOUBLE_EQ(hoch(i, -5), 15);
    EXPECT_EQ(hoch(i, -10), 20) << "on a tabulated move";
    EXPECT_EQ(hoch(i, -30), 20) << "below the table";
    // The row at +10 has Vola_Up 0: it takes the values of its neighbour.
    EXPECT_EQ(hoch(i, 5), 10);
    // Above a last row whose Vola_Up is 0 the missing neighbour's zeros win.
    EXPECT_EQ(i.kurve("K", "I", "C", 90, 1).verschiebungen(30), (std::array<double, 3>{0, 0, 0}));
}

TEST(VolaShift, NearestTabulatedMoneynessTiesGoToTheUpperOne) {
    const VolaShiftIndex i({zeile("", "K", "C", 0, 0.5, 0, 10), zeile("", "K", "C", 0, 1, 0, 30),
                            zeile("", "K", "C", 0, 1.05, 0, 50)});
    EXPECT_EQ(hoch(i, 0, 1.02), 30);
    EXPECT_EQ(hoch(i, 0, 1.04), 50);
    EXPECT_EQ(hoch(i, 0, 0.75), 30) << "tie";
    // No lower moneyness reads as 0, which may be the nearer one.
    EXPECT_EQ(hoch(i, 0, 0.3), 10);
    EXPECT_EQ(hoch(i, 0, 0.2), 0);
}

TEST(VolaShift, DayBucketIsTheLargestNotAboveTheRemainingDaysWithAMoneynessNotAboveM) {
    const VolaShiftIndex i({zeile("", "K", "C", 0, 0.8, 0, 10), zeile("", "K", "C", 30, 0.8, 0, 20),
                            zeile("", "K", "C", 60, 1.2, 0, 30),
                            zeile("", "K", "C", 60, 0.9, 0, 40)});
    EXPECT_EQ(hoch(i, 0, 1, "I", "C", 45), 20);
    EXPECT_EQ(hoch(i, 0, 1, "I", "C", 90), 40);
    EXPECT_EQ(hoch(i, 0, 1, "I", "C", 20), 10);
}

TEST(VolaShift, ClassRowsBeforeTypeRowsBeforeRowsForAllProducts) {
    const VolaShiftIndex i({zeile("", "K", "C", 0, 1, 0, 10), zeile("I", "", "C", 0, 1, 0, 20),
                            zeile("", "", "", 0, 1, 50, 30), zeile("", "", "", 0, 2, 0, 40),
                            zeile("", "", "P", 0, 1, 0, 60)});
    EXPECT_EQ(hoch(i, 0, 1, "I", "C", 90, "k"), 10) << "class look-ups ignore case";
    EXPECT_EQ(hoch(i, 0, 1, "I", "C", 90, "L"), 20);
    EXPECT_EQ(hoch(i, 0, 1, "A", "C", 90, "L"), 0) << "no rows of type A";
    // All products: the first row of the bucket, whatever moneyness and price move.
    EXPECT_EQ(hoch(i, -20, 1.5, "Z", "C", 90, "L"), 30);
    EXPECT_EQ(hoch(i, -20, 1.5, "Z", "P", 90, "L"), 30);
    EXPECT_EQ(hoch(VolaShiftIndex({}), 0), 0) << "no rows: no shift";
}

TEST(VolaShift, MoneynessOfCallsPutsScaledClassesAndDividends) {
    EXPECT_EQ(Margin::Moneyness("K", 110, 100, 0, false, false), 1.1);
    EXPECT_DOUBLE_EQ(Margin::Moneyness("K", 110, 100, 0, false, true), 1 / 1.1);
    EXPECT_DOUBLE_EQ(Margin::Moneyness("zqna", 98.5, 98, 0, false, false),
                     1.0 + 10 * (97.5 / 97 - 1));
    EXPECT_EQ(Margin::Moneyness("K", 110, 100, 10, true, false), 1);
    EXPECT_EQ(Margin::vierStellen(-5.00004), -5);
}

Margin::Berechnungszeile position(const char* klasse, const char* of, const char* cp, double tage,
                                  const Produktsatz* p) {
    Margin::Berechnungszeile z;
    z.MarginKlasse = klasse;
    z.O_F = of;
    z.option = of == QString("O");
    z.future = of == QString("F");
    z.ProduktArt = cp;
    z.Laufzeit_Tage = tage;
    z.produkt = p;
    return z;
}

TEST(VolaShiftsVorbereiten, BucketRowsOfClassesTypesAndAllProducts) {
    Produktsatz index, zins;
    index.MarginKlasse = "IDX";
    index.Art = "I";
    zins.MarginKlasse = "ZNS";
    zins.Art = "Z";
    const std::vector<VolaShiftZeile> shifts = {
        zeile("", "KLS", "C", 30, 1, 0, 1), zeile("", "KLS", "C", 60, 1, 0, 2),
        zeile("", "KLS", "", 30, 1, 0, 3),  zeile("I", "", "P", 30, 1, 0, 4),
        zeile("I", "", "C", 30, 1, 0, 5),   zeile("", "", "", 30, 1, 0, 6),
        zeile("", "", "C", 30, 1, 0, 7)};
    const std::vector<VolaShiftZeile> index_ = {
        zeile("", "KLS", "", 30, 0, 0, 0), zeile("", "KLS", "", 60, 0, 0, 0),
        zeile("I", "", "", 30, 0, 0, 0), zeile("", "", "", 30, 0, 0, 0)};
    const Margin::VolaShiftsAuswahl a = Margin::VolaShiftsVorbereiten(
        {position("KLS", "O", "C", 45, &index), position("IDX", "O", "P", 40, &index),
         position("ZNS", "O", "C", 40, &zins)},
        shifts, index_);
    EXPECT_TRUE(a.optionen);
    ASSERT_EQ(a.vola_shifts_tmp.size(), 3u);
    EXPECT_EQ(a.vola_shifts_tmp[0], (Margin::VolaShiftsTmpZeile{{}, "KLS", "C", 45, 30}));
    EXPECT_EQ(a.vola_shifts_tmp[1], (Margin::VolaShiftsTmpZeile{"I", {}, "P", 40, 30}));
    EXPECT_EQ(a.vola_shifts_tmp[2], (Margin::VolaShiftsTmpZeile{{}, {}, {}, 40, 30}));
    std::vector<double> gewaehlt;
    for (const VolaShiftZeile& z : a.vola_shifts_berechnung) gewaehlt.push_back(z.Vola_Up);
    EXPECT_EQ(gewaehlt, (std::vector<double>{1, 4, 6}));
}

TEST(VolaShiftsVorbereiten, WithoutOptionsNothingIsPrepared) {
    Produktsatz p;
    const auto a = Margin::VolaShiftsVorbereiten({position("KLS", "F", " ", 45, &p)},
                                                 {zeile("", "", "", 0, 1, 0, 1)},
                                                 {zeile("", "", "", 0, 0, 0, 0)});
    EXPECT_FALSE(a.optionen);
    EXPECT_TRUE(a.vola_shifts_tmp.empty());
    EXPECT_TRUE(a.vola_shifts_berechnung.empty());
}

} // namespace
