#include "Eingabeumgebung.h"

#include "calendar/DatumQt.h"
#include "pricing/Preisdienste.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// A long call of ODAX (multiplier 5, index at 6,500) expiring in June 2008.
int optionszeile(Eingabeumgebung& u, double basis, double preis, int zeile = 0) {
    u.eingeben(zeile, {{"Prod_Neu", "ODAX"},
                       {"Laufzeit", "Jun08"},
                       {"Basispreis", basis},
                       {"ProduktArt", "C"},
                       {"LS", "L"},
                       {"Anzahl", 10},
                       {"TradePrice", preis}});
    return zeile;
}

double preisBei(Eingabeumgebung& u, int zeile, double vola) {
    const Position& z = u.zeile(zeile);
    const Produktsatz& p = *u.e().produktVon(z);
    return Optionspreis(Optionsart::Call, 0, p.OPM, p.Art, u.e().preiskontext(zeile, p), p.TickSize,
                        0, z.Laufzeit_Tage, vola, z.Basispreis, p.AktPreis);
}

TEST(Optionen, AmountAndImpliedVolatilityOfAnOptionRow) {
    Eingabeumgebung u;
    optionszeile(u, 8000, 2);
    const Position& z = u.zeile(0);
    EXPECT_DOUBLE_EQ(z.Betrag, 100) << "10 contracts at 2 with multiplier 5";
    EXPECT_GT(z.ImplVola, 5);
    EXPECT_LT(z.ImplVola, 80);
    EXPECT_DOUBLE_EQ(z.ImplVola * 10000, std::round(z.ImplVola * 10000)) << "four decimals";
    EXPECT_NEAR(preisBei(u, 0, z.ImplVola), 2, 0.01)
        << "the volatility prices back to the trade price";
    EXPECT_TRUE(u.fehlernummern().empty());
}

TEST(Optionen, AVolatilityFailureStopsTheCheckButNotTheCalculation) {
    for (const char* modus : {"EINGABEN_UEBERPRUEFEN", "BERECHNUNG"}) {
        Eingabeumgebung u;
        optionszeile(u, 5000, 1); // below the intrinsic value of 1,500
        EXPECT_EQ(u.zeile(0).ImplVola, 25);
        u.e().protokoll().Fehlerprotokoll_Leeren();
        const bool gueltig = u.e().Eingaben_Pruefen(modus);
        EXPECT_EQ(gueltig, QString(modus) == "BERECHNUNG") << modus;
        EXPECT_EQ(u.fehlernummern(), std::vector<int>{56})
            << modus << ": logged by the pricing service";
    }
}

class Preisaenderung : public ::testing::Test {
protected:
    void SetUp() override {
        optionszeile(u, 6500, 300);
        const int future = u.e().neueZeile();
        u.eingeben(future,
                   {{"Prod_Neu", "FDAX"}, {"Laufzeit", "Jun08"}, {"LS", "S"}, {"Anzahl", 1}});
        vorher = u.zeile(0);
        u.dialoge.leeren();
    }
    // The user types a new index price into the header while row 0 is current.
    void neuerPreis(double alt, double neu) {
        u.e().zustand().AlterAktPreis = alt;
        u.e().produktfeldSetzen("ODAX", "AktPreis", neu);
        u.e().zustand().AktPreisGeaendert = true;
        u.e().Preis_Uebernehmen(true, 0);
    }

    Eingabeumgebung u;
    Position vorher;
};

TEST_F(Preisaenderung, NewVolatilitiesKeepTheTradedPrices) {
    u.dialoge.wahlen({1});
    neuerPreis(6500, 6600);
    EXPECT_EQ(u.dialoge.wahldialoge(), std::vector<QString>{"Preisaenderung"});
    EXPECT_EQ(u.zeile(0).TradePrice, 300);
    EXPECT_LT(u.zeile(0).ImplVola, vorher.ImplVola)
        << "a higher index explains the price with less volatility";
    EXPECT_EQ(u.e().referenz().produkt("FDAX")->AktPreis, 6600) << "one price for the whole class";
}

TEST_F(Preisaenderung, NewOptionPricesKeepTheVolatilities) {
    u.dialoge.wahlen({2});
    neuerPreis(6500, 6600);
    EXPECT_EQ(u.zeile(0).ImplVola, vorher.ImplVola);
    EXPECT_GT(u.zeile(0).TradePrice, 300);
    EXPECT_DOUBLE_EQ(u.zeile(0).Betrag, 5 * u.zeile(0).TradePrice * 10);
}

TEST_F(Preisaenderung, TheFirstPriceOfAProductAsksNothing) {
    neuerPreis(0, 6600);
    EXPECT_TRUE(u.dialoge.wahldialoge().empty());
    EXPECT_EQ(u.zeile(0).TradePrice, 300);
    EXPECT_NE(u.zeile(0).ImplVola, vorher.ImplVola);
}

TEST_F(Preisaenderung, AProductWithoutPriceIsReported) {
    u.e().zustand().AktPreisGeaendert = true;
    u.e().produktfeldSetzen("ODAX", "AktPreis", 0);
    u.e().Preis_Uebernehmen(true, 0);
    EXPECT_EQ(u.meldungen(), std::vector<int>{70});
    EXPECT_EQ(u.zeile(0).TradePrice, 300);
}

} // namespace
