// The parsers of the exchange's update files: numbers, field positions and the conversions
// the formats define.

#include "Updatetestumgebung.h"
#include "update/Derivatedatei.h"
#include "update/Feldleser.h"
#include "update/Produktdatei.h"
#include "update/Risikofaktordatei.h"
#include "update/Statustext.h"
#include "update/VolaShiftdatei.h"
#include "update/Wertpapierdatei.h"

#include <gtest/gtest.h>

namespace {

TEST(Feldleser, ReadsNumbersAsTheExchangeWritesThemAndNothingElse) {
    const struct {
        const char* text;
        std::optional<double> zahl;
    } faelle[] = {
        {"1.5", 1.5},   {"   -2.5e2", -250.0},
        {"+.5", 0.5},   {"7.", 7.0},
        {"1E-2", 0.01}, {"", 0.0},
        {"    ", 0.0},  {" 12.50 ", 12.5},
        {"1,5", {}},    {"12a", {}},
        {"abc", {}},    {"1e", {}},
        {".", {}},      {"--1", {}},
        {"1 000", {}},  {"1e999", {}},
        {"inf", {}},    {"nan", {}},
        {"0x10", {}},   {"+", {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(Feldleser::Zahl(QString(f.text)), f.zahl);
    }
}

TEST(Feldleser, ReadsWholeNumbersWithoutFraction) {
    EXPECT_EQ(Feldleser::Ganzzahl(u" 30"), 30);
    EXPECT_EQ(Feldleser::Ganzzahl(u"-4 "), -4);
    EXPECT_EQ(Feldleser::Ganzzahl(u""), 0);
    EXPECT_EQ(Feldleser::Ganzzahl(u"3.0"), std::nullopt);
    EXPECT_EQ(Feldleser::Ganzzahl(u"3a"), std::nullopt);
    EXPECT_EQ(Feldleser::Ganzzahl(u"99999999999"), std::nullopt);
}

TEST(Derivatedatei, ReadsEveryFieldAtItsPositionAndNeverTheClosingLine) {
    const MpZeile zeile{.gruppe = "ZINS",
                        .offset = "75",
                        .klasse = "FBND",
                        .back = "120.5",
                        .spot = "-3",
                        .sopa = "0.1",
                        .schalter = "Y",
                        .produkt = "OBND",
                        .parameter = "2.75",
                        .art = "a"};
    const auto inhalt = Derivatedatei_Lesen({zeile.text(), zeile.text()});
    ASSERT_EQ(inhalt.zeilen.size(), 1u);
    EXPECT_TRUE(inhalt.fehler.empty());
    const Derivatezeile& d = inhalt.zeilen[0];
    EXPECT_EQ(d.MarginGruppe, "ZINS");
    EXPECT_EQ(d.OffsetFaktor, 75);
    EXPECT_EQ(d.MarginKlasse, "FBND");
    EXPECT_EQ(d.BackMonthSpread, 120.5);
    EXPECT_EQ(d.SpotMonthSpread, -3);
    EXPECT_EQ(d.SOPA_Faktor, 0.1);
    EXPECT_EQ(d.MATURITY_SWITCH, "Y");
    EXPECT_EQ(d.Produkt, "OBND");
    EXPECT_EQ(d.MarginParameter, 2.75);
    EXPECT_TRUE(d.punkte);
    EXPECT_FALSE(Derivatedatei_Lesen({MpZeile{.art = "P"}.text(), "x"}).zeilen[0].punkte);
}

TEST(Wertpapierdatei, SkipsEofLinesWithoutReportingThem) {
    const auto inhalt =
        Wertpapierdatei_Lesen({MsZeile{}.text(), "*EOF*", "*EOF*   0000012", MsZeile{}.text()});
    EXPECT_EQ(inhalt.zeilen.size(), 2u);
    EXPECT_TRUE(inhalt.fehler.empty());
    EXPECT_EQ(inhalt.zeilen[0].OffSetFaktor, 50);
    EXPECT_EQ(inhalt.zeilen[1].zeile, 4);
}

TEST(VolaShiftdatei, MapsTheExchangeTypeCodes) {
    const struct {
        const char* code;
        const char* typ;
    } faelle[] = {{"OSTK", "A"}, {"OINX", "I"}, {"OFBD", "Z"}, {"OFEN", "S"},
                  {"OXYZ", "0"}, {"ostk", "0"}, {"", ""}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.code);
        const auto inhalt = VolaShiftdatei_Lesen({VeZeile{.typ = f.code, .cp = "P "}.text()});
        ASSERT_EQ(inhalt.zeilen.size(), 1u);
        EXPECT_EQ(inhalt.zeilen[0].typ, f.typ);
        EXPECT_EQ(inhalt.zeilen[0].c_p, "P");
    }
}

TEST(Risikofaktordatei, NumbersEachClassInYearAndMonthOrder) {
    const auto inhalt = Risikofaktordatei_Lesen({
        PaZeile{.klasse = "KL1", .jahr = "9", .monat = "6"}.text(),
        PaZeile{.klasse = "KL2", .jahr = "9", .monat = "1"}.text(),
        PaZeile{.klasse = "KL1", .jahr = "8", .monat = "12"}.text(),
        PaZeile{.klasse = "KL1", .jahr = "9", .monat = "3"}.text(),
    });
    ASSERT_EQ(inhalt.zeilen.size(), 4u);
    EXPECT_EQ(inhalt.zeilen[0].LZIndex, 2);
    EXPECT_EQ(inhalt.zeilen[1].LZIndex, 0);
    EXPECT_EQ(inhalt.zeilen[2].LZIndex, 0);
    EXPECT_EQ(inhalt.zeilen[3].LZIndex, 1);
    EXPECT_EQ(inhalt.zeilen[2].sMonat(), "Dec8");
    Risikofaktorzeile r;
    r.Jahr = 26;
    r.Monat = 13;
    EXPECT_EQ(r.sMonat(), "???26");
    r.Jahr = 2026;
    r.Monat = 6;
    EXPECT_EQ(r.sMonat(), "Jun20");
}

TEST(Produktdatei, CouponDateInMonthFirstFormAndLastFieldToTheEndOfTheLine) {
    const Produktdatei datei = Produktdatei_Lesen({
        " 1.6 ",
        produktzeile({{1, "A1"}, {11, "15.03."}}),
        produktzeile({{1, "B2"}, {11, ""}}),
    });
    EXPECT_EQ(datei.version, "1.6");
    EXPECT_EQ(datei.versionsnummer, 1.6);
    ASSERT_EQ(datei.inhalt.zeilen.size(), 2u);
    EXPECT_EQ(datei.inhalt.zeilen[0].Kupontermin_e(), "03/15/");
    EXPECT_EQ(datei.inhalt.zeilen[1].Kupontermin_e(), "//");
    // "80;x" is one field and not a number.
    EXPECT_EQ(Produktdatei_Lesen({"1", produktzeile({{29, "80;x"}})}).inhalt.fehler.size(), 1u);
}

TEST(Produktdatei, ReportsTheSecondLineOfAProductCode) {
    const Produktdatei datei =
        Produktdatei_Lesen({"1.5", produktzeile({{1, "abc"}}), produktzeile({{1, "ABC"}})});
    ASSERT_EQ(datei.inhalt.zeilen.size(), 1u);
    ASSERT_EQ(datei.inhalt.fehler.size(), 1u);
    EXPECT_EQ(datei.inhalt.fehler[0].zeile, 3);
    EXPECT_EQ(datei.inhalt.fehler[0].schluessel, "ABC");
}

TEST(Statustext, GermanForLanguageDEnglishOtherwiseWithCounts) {
    EXPECT_EQ(Statustext(6, "d", 10, 57), "Aktualisiere Derivate 10 von 57");
    EXPECT_EQ(Statustext(4, "e", 0, 3), "Update of equities and bonds  0 of 3");
    EXPECT_EQ(Statustext(13, "deutsch"), "Update of FPPARA");
    EXPECT_EQ(Statustext(0, "d"), "");
    EXPECT_EQ(Statustext(14, "d"), "");
}

} // namespace
