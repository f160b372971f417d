#include "calendar/Kontraktmonat.h"
#include "calendar/Dateipfad.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

// The step applied to January .. December of 2008; "+" marks a month of 2009, "-" of 2007.
std::string zyklus(Zyklusschritt schritt) {
    std::ostringstream text;
    for (int m = 1; m <= 12; ++m) {
        const Kontraktmonat k = naechster({2008, m}, schritt);
        text << (m > 1 ? " " : "") << k.monat << (k.jahr == 2009 ? "+" : k.jahr == 2007 ? "-" : "");
    }
    return text.str();
}

TEST(Kontraktmonat, Zyklusschritte) {
    using Z = Zyklusschritt;
    EXPECT_EQ(zyklus(Z::NaechsterMonat), "2 3 4 5 6 7 8 9 10 11 12 1+");
    EXPECT_EQ(zyklus(Z::Quartalsmonat), "3 3 6 6 6 9 9 9 12 12 12 3+");
    EXPECT_EQ(zyklus(Z::QuartalsmonatJanuar), "3 3 6 6 6 9 9 9 12 12 12 1+");
    EXPECT_EQ(zyklus(Z::JanuarAprilJuliOktober), "4 4 4 7 7 7 10 10 10 1+ 1+ 1+");
    EXPECT_EQ(zyklus(Z::JuniDezember), "6 6 6 6 6 12 12 12 12 12 12 6+");
    EXPECT_EQ(zyklus(Z::Halbjahr), "6 6 6 6 6 12 12 12 12 12 12 6+");
    EXPECT_EQ(zyklus(Z::Dezember), "12 12 12 12 12 12 12 12 12 12 12 12+");
    EXPECT_EQ(zyklus(Z::AprilJuniNovember), "4 4 4 6 6 11 11 11 11 11 4+ 4+");
    EXPECT_EQ(zyklus(Z::MaerzSeptember), "3 3 9 9 9 9 9 9 3+ 3+ 3+ 3+");
    EXPECT_EQ(vorheriger({2008, 1}), (Kontraktmonat{2007, 12}));
    EXPECT_EQ(vorheriger({2008, 3}), (Kontraktmonat{2008, 2}));
}

TEST(Kontraktmonat, Beschriftung) {
    struct Fall {
        int jahr, monat;
        std::string_view text;
    };
    for (const Fall& f : std::initializer_list<Fall>{{2008, 3, "Mar08"},
                                                     {2010, 12, "Dec10"},
                                                     {2005, 1, "Jan05"},
                                                     {2005, 6, "Jun05"},
                                                     {2000, 9, "Sep00"},
                                                     {2099, 5, "May99"},
                                                     {2008, 13, "???08"},
                                                     {2008, 0, "???08"}})
        EXPECT_EQ(KontraktmonatText(f.jahr, f.monat), f.text);
}

TEST(Dateipfad, VerbindetMitEinemTrenner) {
    EXPECT_EQ(PfadVerbinden("", "margin.INI"), "margin.INI");
    EXPECT_EQ(PfadVerbinden("/opt/quillmark", "margin.INI"), "/opt/quillmark/margin.INI");
    EXPECT_EQ(PfadVerbinden("/opt/quillmark/", "margin.INI"), "/opt/quillmark/margin.INI");
    EXPECT_EQ(PfadVerbinden("/", "margin.INI"), "/margin.INI");
    EXPECT_EQ(PfadVerbinden("update//", "x.zip"), "update//x.zip"); // only one is dropped
}

} // namespace
