#include "Eingabeumgebung.h"

#include <gtest/gtest.h>

namespace {

// A June futures row and an equity traded on 5 March, seen from 7 March 2008.
void portfolio(Eingabeumgebung& u) {
    u.eingeben(0, {{"Prod_Neu", "FDAX"}, {"Laufzeit", "Mar08"}, {"LS", "L"}, {"Anzahl", 1}});
    const int aktie = u.e().neueZeile();
    u.eingeben(aktie, {{"Prod_Neu", "DE0001"},
                       {"LS", "L"},
                       {"Anzahl", 10},
                       {"TradePrice", 50},
                       {"BruttoNetto", "NETTO"},
                       {"Handelstag", "05.03.2008"}});
}

TEST(Datum, SameDayInteractivelyChangesNothing) {
    Eingabeumgebung u;
    portfolio(u);
    u.e().Datum_Uebernehmen(true, QDate(2008, 3, 7));
    EXPECT_TRUE(u.dialoge.wahldialoge().empty());
    EXPECT_EQ(u.e().tabelle().anzahl(), 2);
}

TEST(Datum, PastTheLastTradingDayInteractivelyDeletesTheRow) {
    Eingabeumgebung u;
    portfolio(u);
    u.dialoge.wahlen({1});
    EXPECT_FALSE(u.e().Datumswahl(QDate(2008, 3, 25)));
    ASSERT_EQ(u.e().tabelle().anzahl(), 1);
    EXPECT_EQ(u.zeile(0).Produkte, "DE0001");
    EXPECT_EQ(u.e().zustand().Berechnungsdatum, QDate(2008, 3, 25));
}

TEST(Datum, PastTheLastTradingDayQuietlyKeepsTheRowWithoutMaturity) {
    Eingabeumgebung u;
    portfolio(u);
    u.e().Datum_Uebernehmen(false, QDate(2008, 3, 25));
    ASSERT_EQ(u.e().tabelle().anzahl(), 2);
    EXPECT_TRUE(u.zeile(0).Laufzeit.isEmpty());
    EXPECT_EQ(u.fehlernummern(), std::vector<int>{1});
    EXPECT_TRUE(u.dialoge.wahldialoge().empty());
}

TEST(Datum, BeforeAnEquitysTradeDateInteractivelyDeletesIt) {
    Eingabeumgebung u;
    portfolio(u);
    u.dialoge.wahlen({2});
    u.e().Datumswahl(QDate(2008, 3, 4));
    ASSERT_EQ(u.e().tabelle().anzahl(), 1);
    EXPECT_EQ(u.zeile(0).Produkte, "FDAX");
    EXPECT_EQ(u.zeile(0).Laufzeit_Tage, 17) << "4 to 21 March";
}

TEST(Datum, KeepingTheDateChangesNothing) {
    Eingabeumgebung u;
    portfolio(u);
    u.dialoge.wahlen({0});
    u.e().Datumswahl(QDate(2008, 3, 25));
    EXPECT_EQ(u.e().tabelle().anzahl(), 2);
    EXPECT_EQ(u.e().zustand().Berechnungsdatum, QDate(2008, 3, 7));
}

} // namespace
