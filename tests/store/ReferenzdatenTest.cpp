#include "TestUmgebung.h"

#include "store/Referenzdaten.h"

#include <gtest/gtest.h>

namespace {

TEST(Referenzdaten, LooksUpCodesWithoutCaseAndReadsEmptyValuesAsZero) {
    TestDatenbank t;
    t.ausfuehren(
        "INSERT INTO Produkt (Produkt, MarginKlasse, Art, AktPreis, Preis_Faelligkeit_3) "
        "VALUES ('ODAX', 'DAX', 'I', 6000, 6010.5);"
        "INSERT INTO Produkt (Produkt, Art) VALUES ('BAY', 'A');"
        "INSERT INTO MarginKlasse (MarginKlasse, MarginGruppe, MarginParameter) "
        "VALUES ('DAX', 'G1', 300);"
        "INSERT INTO MarginGruppe VALUES ('G1', 0.8);"
        "INSERT INTO Zinsen (Zinssatz_1, Zinssatz_17, Zinssatz_EONIA) VALUES (3.1, 4.2, 2.9);"
        "INSERT INTO Waehrung (EUR, GBP, USD) VALUES (1, 0.85, NULL)");
    const Referenzdaten r = Referenzdaten::laden(t.db());
    ASSERT_EQ(r.produkte().size(), 2u);
    EXPECT_EQ(r.produkte()[0].Produkt, "BAY") << "in the order of the codes";
    const Produktsatz* odax = r.produkt(" odax");
    ASSERT_TRUE(odax);
    EXPECT_EQ(odax->AktPreis, 6000);
    EXPECT_EQ(odax->Preis_Faelligkeit[2], 6010.5);
    EXPECT_EQ(r.produkt("BAY")->AktPreis, 0);
    EXPECT_FALSE(r.produkt("XXX"));
    EXPECT_EQ(r.klasse("dax")->MarginGruppe, "G1");
    EXPECT_EQ(r.gruppe("g1")->OffsetFaktor, 0.8);
    EXPECT_EQ(r.zinsen().Zinssatz[16], 4.2);
    EXPECT_EQ(r.zinsen().Zinssatz_EONIA, 2.9);
    EXPECT_EQ(r.waehrungskurs("gbp"), 0.85);
    EXPECT_FALSE(r.waehrungskurs("USD")) << "an empty rate is no rate";
    EXPECT_FALSE(r.waehrungskurs("XYZ"));
}

} // namespace
