#include "Kalenderhilfen.h"

#include <gtest/gtest.h>

namespace {

// Christmas 2008 to New Year 2009: Wednesday 24 to Friday 26, Wednesday 31 and Thursday 1.
Feiertage weihnachten() {
    return feiertage("2008-12-24 2008-12-25 2008-12-26 2008-12-31 2009-01-01");
}

TEST(Feiertage, NurDieGelistetenTage) {
    const Feiertage f =
        Feiertage({iso("2008-12-25"), iso("2008-12-25"), Datum(), iso("2009-01-01")});
    EXPECT_TRUE(f.enthaelt(iso("2008-12-25")));
    EXPECT_TRUE(f.enthaelt(iso("2009-01-01")));
    for (std::string_view kein :
         {"2008-12-24", "2008-12-26", "2008-12-31", "1990-01-01", "2030-12-25"})
        EXPECT_FALSE(f.enthaelt(iso(kein))) << kein;
    EXPECT_FALSE(f.enthaelt(Datum()));
    EXPECT_FALSE(Feiertage().enthaelt(iso("2008-12-25")));
}

TEST(Feiertage, GeschaeftstagNachZaehltUeberWochenendenUndFeiertage) {
    const Feiertage f = weihnachten();
    struct Fall {
        std::string_view von;
        int n;
        std::string_view ergebnis;
    };
    for (const Fall& fall : std::initializer_list<Fall>{{"2008-12-19", 2, "2008-12-23"},
                                                        {"2008-12-23", 2, "2008-12-30"},
                                                        {"2008-12-29", 3, "2009-01-05"},
                                                        {"2008-12-27", 1, "2008-12-29"},
                                                        {"2008-12-23", 0, "2008-12-23"}})
        EXPECT_EQ(Geschaeftstag_Nach(iso(fall.von), fall.n, f).iso(), fall.ergebnis)
            << fall.von << " + " << fall.n;
}

TEST(Feiertage, GeschaeftstagVorIstDerLetzteDavor) {
    const Feiertage f = weihnachten();
    EXPECT_EQ(Geschaeftstag_Vor(iso("2009-01-02"), f).iso(), "2008-12-30");
    EXPECT_EQ(Geschaeftstag_Vor(iso("2008-12-29"), f).iso(), "2008-12-23");
    EXPECT_EQ(Geschaeftstag_Vor(iso("2008-12-30"), f).iso(), "2008-12-29");
    EXPECT_FALSE(Geschaeftstag_Vor(Datum(1, 1, 1), f).gueltig());
}

} // namespace
