#include "Kalenderhilfen.h"

#include "calendar/Verfallsregeln.h"

#include <gtest/gtest.h>

namespace {

struct Fall {
    int regel;
    int jahr, monat;
    std::string_view erwartet;
    std::string_view freieTage = ""; // holidays, see feiertage()
};

void pruefen(const std::vector<Fall>& faelle) {
    for (const Fall& f : faelle)
        EXPECT_EQ(Verfallstag(f.regel, {f.jahr, f.monat}, feiertage(f.freieTage)).iso(), f.erwartet)
            << "rule " << f.regel << " for " << f.jahr << "-" << f.monat;
}

// March 2008 starts on a Saturday: first Wednesday the 5th, first Friday the 7th.
TEST(Verfallsregeln, Maerz2008OhneFeiertage) {
    pruefen({{0, 2008, 3, "2008-03-17"},
             {1, 2008, 3, "2008-03-20"},
             {2, 2008, 3, "2008-03-07"},
             {3, 2008, 3, "2008-03-14"},
             {4, 2008, 3, "2008-03-21"},
             {5, 2008, 3, "2008-03-28"},
             {12, 2008, 3, "2008-02-20"},
             {16, 2008, 3, "2008-03-26"},
             {19, 2008, 3, "2008-03-26"},
             {20, 2008, 3, "2008-03-19"},
             {21, 2008, 3, "2008-03-28"}});
}

TEST(Verfallsregeln, ErsterTagDesMonats) {
    pruefen({{2, 2008, 2, "2008-02-01"}, // February 2008 starts on a Friday
             {4, 2008, 2, "2008-02-15"},
             {4, 2008, 11, "2008-11-21"},   // November 2008 starts on a Saturday
             {0, 2008, 5, "2008-05-19"},    // May 2008 starts on a Thursday
             {0, 2008, 10, "2008-10-13"}}); // October 2008 starts on a Wednesday
}

TEST(Verfallsregeln, FuenfterFreitag) {
    pruefen({{6, 2008, 2, "2008-02-29"},
             {6, 2008, 4, "2008-05-30"},  // April has four Fridays: May's fifth
             {6, 2008, 12, "2009-01-30"}, // into the next year
             {15, 2008, 4, "2008-04-25"}, // four Fridays: the fourth
             {15, 2008, 5, "2008-05-30"},
             {15, 2008, 6, "2008-06-06"}, // June: the first Friday
             {15, 2008, 5, "2008-05-29", "2008-05-30"},
             {19, 2008, 10, "2008-10-29"},
             {19, 2008, 10, "2008-10-28", "2008-10-29"}});
}

TEST(Verfallsregeln, Regel17WechseltImDezember2010ZumZweitenFreitag) {
    pruefen({{17, 2009, 12, "2009-12-24"},
             {17, 2010, 12, "2010-12-16"},
             {17, 2010, 11, "2010-11-25"},
             {17, 2009, 12, "2009-12-23", "2009-12-24"}});
}

TEST(Verfallsregeln, WasJedeRegelUeberspringt) {
    pruefen({{8, 2008, 5, "2008-05-08"}, // the 10th is a Saturday: delivery Monday the 12th
             {8, 2008, 5, "2008-05-08", "2008-05-08 2008-05-12"},
             {8, 2008, 3, "2008-03-06"},
             {18, 2007, 6, "2007-06-30"}, // a Saturday stays
             {18, 2007, 6, "2007-06-29", "2007-06-30"},
             {18, 2008, 2, "2008-02-29"}, // February has no 30th: its last day
             {13, 2008, 9, "2008-09-26"}, // the 20th is a Saturday
             {13, 2008, 12, "2009-01-02", "2008-12-24 2008-12-25 2008-12-26 2008-12-31 2009-01-01"},
             {5, 2008, 3, "2008-03-27", "2008-03-28"},
             {4, 2008, 3, "2008-03-21", "2008-03-21"},
             {16, 2008, 3, "2008-03-25", "2008-03-26"},
             {21, 2008, 3, "2008-03-26", "2008-03-27 2008-03-28"}});
}

TEST(Verfallsregeln, Regel10LiegtImMonatDavor) {
    pruefen(
        {{10, 2008, 6, "2008-05-29"}, // May ends on a Saturday: Friday 30 is its last business day
         {10, 2008, 5, "2008-04-25"}, // April ends on a Wednesday
         {10, 2009, 1, "2008-12-26"},
         {10, 2009, 1, "2008-12-23", "2008-12-24 2008-12-25 2008-12-26 2008-12-31"},
         {10, 2008, 11, "2008-10-30"},                 // October ends on Friday 31
         {10, 2008, 11, "2008-10-29", "2008-10-30"},   // the Thursday is a holiday
         {10, 2008, 11, "2008-10-30", "2008-10-31"}}); // moved back to the last business day, a
                                                       // Thursday
}

// The Sunday left by a holiday Monday makes the next pass jump to Thursday; with Good Friday
// also a holiday this is one day later than the seventh business day (2008-03-17).
TEST(Verfallsregeln, Regel20WieBeschrieben) {
    pruefen({{20, 2008, 3, "2008-03-18", "2008-03-24"},
             {20, 2008, 3, "2008-03-18", "2008-03-21 2008-03-24"},
             {20, 2008, 5, "2008-05-21"}});
}

TEST(Verfallsregeln, NichtVergebeneNummernUndMonate) {
    for (int regel : {-1, 7, 9, 11, 14, 22})
        EXPECT_FALSE(Verfallstag(regel, {2008, 3}, Feiertage()).gueltig()) << regel;
    EXPECT_FALSE(Verfallstag(4, {2008, 13}, Feiertage()).gueltig());
    EXPECT_FALSE(Verfallstag(4, {1, 1}, Feiertage()).gueltig());
    EXPECT_FALSE(Verfallstag(6, {9999, 12}, Feiertage()).gueltig());
}

TEST(Verfallsregeln, ZurueckUeberFeiertageUeberspringtKeinWochenende) {
    const Feiertage f = feiertage("2008-03-21 2008-03-24");
    EXPECT_EQ(zurueckUeberFeiertage(iso("2008-03-24"), f).iso(), "2008-03-23");
    EXPECT_EQ(zurueckUeberFeiertage(iso("2008-03-21"), f).iso(), "2008-03-20");
    EXPECT_EQ(zurueckUeberFeiertage(iso("2008-03-22"), f).iso(), "2008-03-22");
}

TEST(Verfallsregeln, LetzterWochentagUndMaerz) {
    EXPECT_EQ(letzterWochentag({2008, 5}).iso(), "2008-05-30"); // the 31st is a Saturday
    EXPECT_EQ(letzterWochentag({2008, 8}).iso(), "2008-08-29"); // the 31st is a Sunday
    EXPECT_EQ(letzterWochentag({2008, 2}).iso(), "2008-02-29");
    EXPECT_EQ(letzterWochentag({2009, 2}).iso(), "2009-02-27");
    EXPECT_EQ(letzterWochentag({2008, 3}).iso(), "2008-03-31");
    EXPECT_EQ(letzterGeschaeftstagImMaerz(2008, Feiertage()).iso(), "2008-03-31");
    EXPECT_EQ(letzterGeschaeftstagImMaerz(2008, feiertage("2008-03-31")).iso(), "2008-03-28");
    EXPECT_EQ(letzterGeschaeftstagImMaerz(2007, Feiertage()).iso(), "2007-03-30");
}

TEST(Verfallsregeln, VerfallstestSchliesstDenVerfallstagEin) {
    const Feiertage keine;
    EXPECT_TRUE(amOderVorVerfall(iso("2008-03-01"), 4, keine));
    EXPECT_TRUE(amOderVorVerfall(iso("2008-03-21"), 4, keine));
    EXPECT_FALSE(amOderVorVerfall(iso("2008-03-22"), 4, keine));
    EXPECT_TRUE(amOderVorVerfall(iso("2008-05-29"), 21, feiertage("2008-05-30")));
    EXPECT_FALSE(amOderVorVerfall(iso("2008-05-30"), 21, feiertage("2008-05-30")));
}

} // namespace
