#include "Kalenderhilfen.h"

#include "calendar/LaufzeitenBerechnen.h"

#include <gtest/gtest.h>

namespace {

// Every rule code with a product and horizon that suit it, and the number of maturities it
// lists on every calculation date.
struct Regel {
    std::string_view lzb;
    std::string_view produkt;
    double laufzeit;
    int mindestens, hoechstens;
    bool berechnet = true; // computed (not a fixed list or table rows)
};

const std::vector<Regel>& alleRegeln() {
    static const std::vector<Regel> regeln = {
        {"1", "", 0, 6, 6},
        {"1", "", 24, 8, 8},
        {"1", "", 36, 14, 14},
        {"1", "", 60, 12, 12},
        {"1", "", 96, 15, 15},
        {"1", "", 119, 16, 17},
        {"2", "", 0, 4, 4},
        {"3", "", 0, 8, 8},
        {"4", "", 0, 10, 10},
        {"5", "", 0, 10, 10},
        {"6", "WKO1", 0, 1, 1},
        {"6", "WKO2", 0, 1, 1},
        {"6", "WKO3", 0, 1, 1},
        {"6", "WKO4", 0, 1, 1},
        {"6", "WKO5", 0, 1, 1},
        {"9", "", 0, 15, 15},
        {"10", "", 0, 18, 18},
        {"11", "", 0, 4, 4},
        {"12", "", 0, 18, 18},
        {"13", "", 0, 12, 12},
        {"14", "FDXH", 0, 1, 1},
        {"14", "FDXM", 0, 1, 1},
        {"14", "FDXU", 0, 1, 1},
        {"14", "FDXZ", 0, 1, 1},
        {"A", "", 0, 3, 3},
        {"A", "", 12, 4, 4},
        {"A", "", 36, 8, 8},
        {"B", "", 0, 3, 3},
        {"C", "", 0, 12, 12},
        {"D", "", 0, 6, 6},
        {"E", "", 0, 20, 20},
        {"F", "", 0, 4, 4},
        {"G", "", 0, 14, 14},
        {"H", "", 0, 15, 15},
        {"I", "", 0, 1, 2},
        {"L", "", 60, 5, 5},
        {"L", "", 61, 10, 10},
        {"M", "", 0, 14, 14},
        {"N", "", 0, 4, 4},
        {"O", "", 0, 5, 5},
        {"P", "", 0, 4, 4},
        {"Q", "", 0, 1, 1},
        {"R", "", 0, 14, 14},
        {"S", "", 2050, 1, 1},
        {"T", "", 0, 3, 3},
        {"U", "", 0, 6, 6},
        {"W", "", 0, 14, 14},
        {"X", "", 0, 4, 4},
        {"7", "", 0, 0, 5, false},
        {"J", "", 0, 0, 13, false},
        {"J", "JGA1", 0, 0, 12, false},
        {"8", "", 0, 1, 24, false},
        {"K", "", 0, 1, 20, false},
        {"V1", "PWRM", 0, 1, 24, false},
        {"V2", "PWRM", 0, 1, 24, false},
        {"V3", "PWRM", 0, 1, 24, false},
        {"V4", "PWRM", 0, 1, 24, false},
        {"V5", "PWRM", 0, 1, 24, false},
        {"V6", "PWRM", 0, 1, 24, false},
        {"V7", "PWRM", 0, 1, 24, false},
        {"V8", "PWRM", 0, 1, 24, false},
    };
    return regeln;
}

// Fixed holidays of every year (so some fall on Mondays and Fridays), monthly inflation dates
// and a power product whose monthly contracts trade for a year before their last day.
Kalenderdaten jahrhundert() {
    std::vector<Datum> frei;
    Kalenderdaten daten;
    for (int jahr = 1999; jahr <= 2101; ++jahr) {
        for (auto [m, t] : {std::pair{1, 1}, {5, 1}, {12, 24}, {12, 25}, {12, 26}, {12, 31}})
            frei.push_back(Datum(jahr, m, t));
        for (int m = 1; m <= 12; ++m) {
            daten.inflationOptionen.push_back(Datum(jahr, m, 15));
            daten.inflationFutures.push_back(Datum(jahr, m, 16));
            const Datum letzter(jahr, m, 20);
            daten.ampero["PWRM"].push_back({letzter - 365, letzter, KontraktmonatText(jahr, m)});
        }
    }
    daten.feiertage = Feiertage(frei);
    daten.jGruppeA = {"JGA1"};
    return daten;
}

std::string beschreibung(const Regel& r, Datum d) {
    return "rule \"" + std::string(r.lzb) + "\" " + std::string(r.produkt) +
           " L=" + std::to_string(static_cast<long long>(r.laufzeit)) + " on " + d.iso();
}

// The maturities on every third day of the century: known code, expected count, valid and
// ascending dates, none expired (the weather rule lists a fixed year and is exempt).
TEST(LaufzeitenEigenschaften, JederCodeAnJedemTagDesJahrhunderts) {
    const Kalenderdaten daten = jahrhundert();
    Laufzeiten l;
    for (Datum d(2000, 1, 1); d <= Datum(2099, 12, 31); d += 3) {
        for (const Regel& r : alleRegeln()) {
            ASSERT_TRUE(LaufzeitenBerechnen(l, r.produkt, r.laufzeit, r.lzb, d, daten));
            ASSERT_GE(l.Anzahl, r.mindestens) << beschreibung(r, d);
            ASSERT_LE(l.Anzahl, r.hoechstens) << beschreibung(r, d);
            for (int i = 0; i < l.Anzahl; ++i) {
                const LaufzeitEintrag& e = l.Eintraege[static_cast<std::size_t>(i)];
                ASSERT_TRUE(e.VerfallDatum.gueltig()) << beschreibung(r, d);
                ASSERT_EQ(Datum(e.Jahr, e.Monat, e.Tag), e.VerfallDatum);
                ASSERT_EQ(e.VerfallMonatTxt.size(), 5u) << beschreibung(r, d);
                if (r.lzb != "S") {
                    ASSERT_GE(e.VerfallDatum, d) << beschreibung(r, d);
                }
                if (i > 0 && r.berechnet) {
                    ASSERT_LT(l.Eintraege[static_cast<std::size_t>(i - 1)].VerfallDatum,
                              e.VerfallDatum)
                        << beschreibung(r, d) << " entry " << i + 1;
                }
            }
        }
    }
}

// On the expiry day of the nearest maturity that maturity is still listed first. Rules "6" and
// "T" test against the date moved back over holidays but list the unmoved one, so on a holiday
// expiry they have already moved on; here they run without holidays.
TEST(LaufzeitenEigenschaften, AmVerfallstagNochGelistet) {
    const Kalenderdaten mitFeiertagen = jahrhundert();
    Kalenderdaten ohneFeiertage = mitFeiertagen;
    ohneFeiertage.feiertage = Feiertage();
    Laufzeiten vorher, amVerfall;
    for (Datum d(2000, 1, 1); d <= Datum(2099, 6, 30); d += 5) {
        for (const Regel& r : alleRegeln()) {
            const Kalenderdaten& daten =
                r.lzb == "6" || r.lzb == "T" ? ohneFeiertage : mitFeiertagen;
            LaufzeitenBerechnen(vorher, r.produkt, r.laufzeit, r.lzb, d, daten);
            if (vorher.Anzahl == 0 || r.lzb == "S") continue;
            const LaufzeitEintrag naechster = vorher.Eintraege[0];
            LaufzeitenBerechnen(amVerfall, r.produkt, r.laufzeit, r.lzb, naechster.VerfallDatum,
                                daten);
            ASSERT_GT(amVerfall.Anzahl, 0) << beschreibung(r, naechster.VerfallDatum);
            EXPECT_EQ(amVerfall.Eintraege[0].VerfallDatum, naechster.VerfallDatum)
                << beschreibung(r, naechster.VerfallDatum);
            EXPECT_EQ(amVerfall.Eintraege[0].VerfallMonatTxt, naechster.VerfallMonatTxt)
                << beschreibung(r, naechster.VerfallDatum);
        }
    }
}

} // namespace
