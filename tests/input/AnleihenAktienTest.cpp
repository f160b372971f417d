#include "Eingabeumgebung.h"

#include <gtest/gtest.h>

namespace {

TEST(Kasse, SettlementSkipsTheHolidayMonday) {
    // Whit Monday 12 May 2008 is a holiday.
    Eingabeumgebung u(QDate(2008, 5, 20));
    u.eingeben(0, {{"Prod_Neu", "DE0001"}, {"Handelstag", "09.05.2008"}});
    EXPECT_EQ(u.zeile(0).SettlementDays, "14.05.2008") << "equity: two business days";
    const int anleihe = u.e().neueZeile();
    u.eingeben(anleihe, {{"Prod_Neu", "DE0002"}, {"Handelstag", "08.05.08"}});
    EXPECT_EQ(u.zeile(anleihe).SettlementDays, "14.05.2008") << "bond: three business days";
    EXPECT_TRUE(u.meldungen().empty());
}

TEST(Kasse, TradeAndSettlementDatesAreCheckedButKept) {
    Eingabeumgebung u(QDate(2008, 5, 20));
    struct Fall {
        const char* feld;
        const char* wert;
        std::vector<int> meldungen;
    };
    const Fall faelle[] = {
        {"Handelstag", "..", {}},
        {"Handelstag", "31.02.2008", {17}},
        {"Handelstag", "21.05.2008", {9}},
        {"Handelstag", "12.05.2008", {9}},
        {"Handelstag", "10.05.2008", {9}},
        {"Handelstag", "13.05.2008", {}},
        {"SettlementDays", "12.05.2008", {30}},
        {"SettlementDays", "15.05.2008", {}},
    };
    u.eingeben(0, {{"Prod_Neu", "DE0001"}});
    for (const Fall& f : faelle) {
        u.dialoge.leeren();
        u.eingeben(0, {{f.feld, f.wert}});
        std::vector<int> gezeigt;
        for (const Meldung& m : u.dialoge.meldungen()) gezeigt.push_back(m.nummer);
        EXPECT_EQ(gezeigt, f.meldungen) << f.feld << f.wert;
        EXPECT_EQ(u.zeile(0).wert(f.feld).toString(), f.wert);
    }
}

TEST(Kasse, AmountsOfEquitiesAndBonds) {
    Eingabeumgebung u(QDate(2008, 5, 20));
    u.eingeben(0, {{"Prod_Neu", "DE0001"}, {"Anzahl", 200}, {"TradePrice", 48.5}});
    EXPECT_DOUBLE_EQ(u.zeile(0).Betrag, 9700);

    const int b = u.e().neueZeile();
    u.eingeben(b, {{"Prod_Neu", "DE0002"},
                   {"Handelstag", "16.05.2008"},
                   {"Anzahl", 100000},
                   {"TradePrice", 101.5}});
    const Position& z = u.zeile(b);
    EXPECT_DOUBLE_EQ(z.Betrag, 101500);
    EXPECT_EQ(z.SettlementDays, "21.05.2008");
    EXPECT_EQ(z.Laufzeit_Tage, 3) << "20 May to the third business day, 23 May";
    EXPECT_EQ(z.Laufzeit_Tage_2, 322) << "since the coupon of 4 July 2007";
    EXPECT_EQ(z.Laufzeit_Tage_3, 324);
    EXPECT_NEAR(z.Stueckzinsen, 100000 * (322 * 4.0 / 366) / 100, 1e-9) << "coupon year 2007/08";
}

TEST(Kasse, ABondSettlingOnItsCouponDayCountsFromTheYearBefore) {
    Eingabeumgebung u(QDate(2008, 7, 4));
    u.eingeben(0, {{"Prod_Neu", "DE0002"}, {"SettlementDays", "04.07.2008"}});
    EXPECT_EQ(u.zeile(0).Laufzeit_Tage_2, 366);
    EXPECT_EQ(u.e().Kuponjahr_Tage(u.zeile(0)), 366);
}

TEST(Kasse, ALeapDayCouponCountsToTheEndOfFebruary) {
    Eingabeumgebung u(QDate(2009, 3, 10));
    u.eingeben(0, {{"Prod_Neu", "DE0003"}, {"SettlementDays", "10.03.2009"}});
    const Position& z = u.zeile(0);
    EXPECT_EQ(z.Laufzeit_Tage_2, 10) << "coupon 28 February 2009";
    EXPECT_EQ(u.e().Kuponjahr_Tage(z), 365);

    u.e().Datum_Uebernehmen(false, QDate(2008, 3, 10));
    u.eingeben(0, {{"SettlementDays", "10.03.2008"}});
    EXPECT_EQ(u.zeile(0).Laufzeit_Tage_2, 10) << "coupon 29 February 2008";
    EXPECT_EQ(u.e().Kuponjahr_Tage(u.zeile(0)), 365) << "to 28 February 2009";
}

} // namespace
