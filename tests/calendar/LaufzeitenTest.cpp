#include "Kalenderhilfen.h"

#include "calendar/LaufzeitenBerechnen.h"

#include <gtest/gtest.h>

namespace {

struct Fall {
    std::string_view lzb;
    std::string_view produkt;
    double laufzeit;
    std::string_view datum;
    std::string_view erwartet;
    std::string_view freieTage = ""; // holidays, see feiertage()
};

Laufzeiten berechnen(const Fall& f) {
    Kalenderdaten daten;
    daten.feiertage = feiertage(f.freieTage);
    Laufzeiten l;
    EXPECT_TRUE(LaufzeitenBerechnen(l, f.produkt, f.laufzeit, f.lzb, iso(f.datum), daten));
    return l;
}

void pruefen(const std::vector<Fall>& faelle) {
    for (const Fall& f : faelle)
        EXPECT_EQ(liste(berechnen(f)), f.erwartet)
            << "rule \"" << f.lzb << "\" " << f.produkt << " L=" << f.laufzeit << " on " << f.datum;
}

TEST(Laufzeiten, MonatsUndQuartalsregeln) {
    pruefen({
        {"4", "", 0, "2008-01-01",
         "Jan08 2008-01-18, Feb08 2008-02-15, Mar08 2008-03-21, Apr08 2008-04-18, "
         "Jul08 2008-07-18, Oct08 2008-10-17, Oct09 2009-10-16, Oct10 2010-10-15, "
         "Oct11 2011-10-21, Oct12 2012-10-19"},
        // Bond future options expire in the month before: contract months Jan, Feb, Mar, Jun.
        {"2", "", 0, "2008-12-15",
         "Jan09 2008-12-26, Feb09 2009-01-29, Mar09 2009-02-26, Jun09 2009-05-28"},
        {"3", "", 0, "2008-03-20",
         "Mar08 2008-03-20, Apr08 2008-04-17, May08 2008-05-15, Jun08 2008-06-19, "
         "Sep08 2008-09-18, Dec08 2008-12-18, Jun09 2009-06-18, Dec09 2009-12-17"},
        {"9", "", 0, "2008-03-22",
         "Apr08 2008-04-18, May08 2008-05-16, Jun08 2008-06-20, Sep08 2008-09-19, "
         "Dec08 2008-12-19, Mar09 2009-03-20, Jun09 2009-06-19, Sep09 2009-09-18, "
         "Dec09 2009-12-18, Mar10 2010-03-19, Jun10 2010-06-18, Sep10 2010-09-17, "
         "Dec10 2010-12-17, Dec11 2011-12-16, Dec12 2012-12-21"},
        {"13", "", 0, "2008-03-19",
         "Mar08 2008-03-19, Apr08 2008-04-16, May08 2008-05-21, Jun08 2008-06-18, "
         "Sep08 2008-09-17, Dec08 2008-12-17, Jun09 2009-06-17, Dec09 2009-12-16, "
         "Jun10 2010-06-16, Dec10 2010-12-22, Dec11 2011-12-21, Dec12 2012-12-19"},
        {"B", "", 0, "2008-03-06", "Mar08 2008-03-06, Jun08 2008-06-06, Sep08 2008-09-08"},
        {"B", "", 0, "2008-03-07", "Jun08 2008-06-06, Sep08 2008-09-08, Dec08 2008-12-08"},
        {"G", "", 0, "2008-03-21",
         "Apr08 2008-04-17, May08 2008-05-15, Jun08 2008-06-19, Jul08 2008-07-17, "
         "Aug08 2008-08-14, Sep08 2008-09-18, Oct08 2008-10-16, Nov08 2008-11-20, "
         "Dec08 2008-12-18, Jan09 2009-01-15, Feb09 2009-02-19, Mar09 2009-03-19, "
         "Dec09 2009-12-17, Dec10 2010-12-16"},
        {"N", "", 0, "2008-03-27",
         "Mar08 2008-03-27, Jun08 2008-06-27, Sep08 2008-09-26, Dec08 2008-12-26", "2008-03-28"},
        {"U", "", 0, "2008-03-26",
         "Apr08 2008-04-30, Jul08 2008-07-30, Oct08 2008-10-29, Jan09 2009-01-28, "
         "Apr09 2009-04-29, Jul09 2009-07-29"},
        // After the last Friday of February the first maturity is June, not March.
        {"X", "", 0, "2009-02-28",
         "Jun09 2009-06-26, Sep09 2009-09-25, Dec09 2009-12-25, Mar10 2010-03-26"},
        {"X", "", 0, "2009-02-27",
         "Mar09 2009-03-27, Jun09 2009-06-26, Sep09 2009-09-25, Dec09 2009-12-25"},
        {"R", "", 0, "2010-12-10",
         "Dec10 2010-12-16, Jan11 2011-01-27, Feb11 2011-02-24, Mar11 2011-03-24, "
         "Apr11 2011-04-21, May11 2011-05-26, Jun11 2011-06-23, Jul11 2011-07-21, "
         "Aug11 2011-08-25, Sep11 2011-09-22, Oct11 2011-10-27, Nov11 2011-11-24, "
         "Dec11 2011-12-15, Mar12 2012-03-22"},
    });
}

TEST(Laufzeiten, BesondereStartregeln) {
    pruefen({
        // A Saturday starts with the next month although March's last weekday is ahead.
        {"C", "", 0, "2008-03-15",
         "Apr08 2008-04-30, May08 2008-05-30, Jun08 2008-06-30, Jul08 2008-07-31, "
         "Aug08 2008-08-29, Sep08 2008-09-30, Oct08 2008-10-31, Nov08 2008-11-28, "
         "Dec08 2008-12-31, Jan09 2009-01-30, Feb09 2009-02-27, Mar09 2009-03-31"},
        {"F", "", 0, "2008-03-22",
         "Apr08 2008-04-16, May08 2008-05-21, Jun08 2008-06-18, Aug08 2008-08-20"},
        {"11", "", 0, "2008-02-20",
         "Feb08 2008-02-20, Mar08 2008-03-19, Apr08 2008-04-16, May08 2008-05-21"},
        {"14", "FDXH", 0, "2008-03-17", "Mar08 2008-03-17"},
        {"14", "FDXH", 0, "2008-03-18", "Mar09 2009-03-16"},
        {"14", "FDXZ", 0, "2008-03-18", "Dec08 2008-12-15"},
        {"14", "FDXQ", 0, "2008-03-18", ""},
        {"14", "FDX", 0, "2008-03-18", ""},
        {"I", "", 0, "2008-03-10", "Mar08 2008-03-27"},
        // Within five business days of the expiry the next contract is listed too.
        {"I", "", 0, "2008-03-20", "Mar08 2008-03-27, Sep08 2008-09-26"},
        {"I", "", 0, "2008-03-28", "Sep08 2008-09-26"},
        {"L", "", 60, "2008-12-19",
         "Dec08 2008-12-19, Dec09 2009-12-18, Dec10 2010-12-17, Dec11 2011-12-16, "
         "Dec12 2012-12-21"},
        {"L", "", 60, "2008-12-20",
         "Dec09 2009-12-18, Dec10 2010-12-17, Dec11 2011-12-16, Dec12 2012-12-21, "
         "Dec13 2013-12-20"},
        {"O", "", 0, "2008-03-31",
         "Mar08 2008-03-31, Mar09 2009-03-31, Mar10 2010-03-31, Mar11 2011-03-31, "
         "Mar12 2012-03-30"},
        {"O", "", 0, "2008-03-31",
         "Mar09 2009-03-31, Mar10 2010-03-31, Mar11 2011-03-31, Mar12 2012-03-30, "
         "Mar13 2013-03-29",
         "2008-03-31"},
        {"P", "", 0, "2008-04-10",
         "Apr08 2008-04-25, Jun08 2008-06-06, Nov08 2008-11-28, Apr09 2009-04-24"},
        {"Q", "", 0, "2008-04-23", "Apr08 2008-04-23"},
        {"Q", "", 0, "2008-04-24", "Apr09 2009-04-22"},
        {"S", "", 2007, "2008-01-01", "Jun10 2010-06-30"},
        {"S", "", 2007, "2008-01-01", "Jun10 2010-06-29", "2010-06-30"},
        // The test moves the second Friday back over the holiday, the listed date does not.
        {"T", "", 0, "2008-03-14", "Mar08 2008-03-14, Jun08 2008-06-13, Sep08 2008-09-12"},
        {"T", "", 0, "2008-03-14", "Jun08 2008-06-13, Sep08 2008-09-12, Dec08 2008-12-12",
         "2008-03-14"},
    });
}

TEST(Laufzeiten, WochenoptionenNachViertemZeichen) {
    pruefen({
        {"6", "WKO1", 0, "2008-03-10", "Apr08 2008-04-04"},
        {"6", "WKO2", 0, "2008-03-10", "Mar08 2008-03-14"},
        {"6", "WKO3", 0, "2008-03-10", "Mar08 2008-03-21"},
        {"6", "WKO4", 0, "2008-03-10", "Mar08 2008-03-28"},
        {"6", "WKO4", 0, "2008-03-27", "Mar08 2008-03-27", "2008-03-28"},
        // March and April 2008 have four Fridays: the fifth is in May, labelled May.
        {"6", "WKO5", 0, "2008-03-10", "May08 2008-05-30"},
        {"6", "WKO6", 0, "2008-03-10", ""},
        {"6", "WK", 0, "2008-03-10", ""},
    });
}

TEST(Laufzeiten, HorizontBestimmtDieAnzahl) {
    struct Anzahl {
        std::string_view lzb;
        double laufzeit;
        std::string_view datum;
        int anzahl;
    };
    for (const Anzahl& f : std::initializer_list<Anzahl>{{"1", 0, "2008-02-01", 6},
                                                         {"1", 24, "2008-02-01", 8},
                                                         {"1", 36, "2008-02-01", 14},
                                                         {"1", 60, "2008-02-01", 12},
                                                         {"1", 96, "2008-02-01", 15},
                                                         {"1", 119, "2008-01-02", 16},
                                                         {"1", 119, "2008-02-01", 17},
                                                         {"A", 0, "2008-01-01", 3},
                                                         {"A", 12, "2008-01-01", 4},
                                                         {"A", 36, "2008-01-01", 8},
                                                         {"L", 61, "2008-06-01", 10}}) {
        Laufzeiten l;
        LaufzeitenBerechnen(l, "", f.laufzeit, f.lzb, iso(f.datum), Kalenderdaten());
        EXPECT_EQ(l.Anzahl, f.anzahl) << f.lzb << " L=" << f.laufzeit << " on " << f.datum;
    }
    // L = 36: three monthly, then eleven quarterly maturities.
    Laufzeiten l;
    LaufzeitenBerechnen(l, "", 36, "1", iso("2008-02-01"), Kalenderdaten());
    EXPECT_EQ(l.Eintraege[2].VerfallMonatTxt, "Apr08");
    EXPECT_EQ(l.Eintraege[3].VerfallMonatTxt, "Jun08");
    EXPECT_EQ(l.Eintraege[13].VerfallMonatTxt, "Dec10");
}

TEST(Laufzeiten, UnbekannterCodeLeertDenDatensatz) {
    Laufzeiten l;
    ASSERT_TRUE(LaufzeitenBerechnen(l, "", 0, " M ", iso("2008-03-21"), Kalenderdaten()));
    ASSERT_EQ(l.Anzahl, 14);
    for (std::string_view code : {"", "  ", "m", "V", "V9", "0", "15", "Z", "1 1", "MM"}) {
        EXPECT_FALSE(LaufzeitenBerechnen(l, "", 0, code, iso("2008-03-21"), Kalenderdaten()))
            << code;
        EXPECT_EQ(l.Anzahl, 0) << code;
    }
    EXPECT_FALSE(LaufzeitenBerechnen(l, "", 0, "M", Datum(), Kalenderdaten()));
}

TEST(Laufzeiten, EintragsformenUndObergrenze) {
    Laufzeiten l;
    EXPECT_TRUE(eintragDritterFreitagMinus30(l, {2008, 3}, Feiertage()));
    EXPECT_TRUE(eintragTagregel(l, {2008, 3}, 12, Feiertage()));
    EXPECT_TRUE(eintragFesterTermin(l, iso("2012-11-27")));
    EXPECT_TRUE(eintragMaerz(l, 2013, Feiertage()));
    EXPECT_TRUE(eintragTabellentermin(l, iso("2009-03-15")));
    EXPECT_TRUE(eintragTabellentermin(l, iso("2009-03-31"), "KW14 2009"));
    EXPECT_EQ(liste(l), "Feb08 2008-02-20, Mar08 2008-02-20, Dec12 2012-11-27, "
                        "Mar13 2013-03-29, Mar09 2009-03-15, KW14 2009 2009-03-31");
    EXPECT_EQ(l.Eintraege[0].Tag, 20);
    EXPECT_EQ(l.Eintraege[0].Monat, 2);
    EXPECT_EQ(l.Eintraege[0].Jahr, 2008);

    while (l.Anzahl < Laufzeiten::kHoechstzahl) ASSERT_TRUE(l.anhaengen(iso("2010-01-01"), "x"));
    const Laufzeiten voll = l;
    EXPECT_FALSE(eintragFesterTermin(l, iso("2011-01-01")));
    EXPECT_EQ(l.Anzahl, 24);
    EXPECT_EQ(liste(l), liste(voll));
    EXPECT_FALSE(Laufzeiten().anhaengen(Datum(), "x"));
}

} // namespace
