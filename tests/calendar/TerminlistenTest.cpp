#include "Kalenderhilfen.h"

#include "calendar/LaufzeitenBerechnen.h"

#include <gtest/gtest.h>

namespace {

std::string berechnen(std::string_view lzb, std::string_view produkt, std::string_view datum,
                      const Kalenderdaten& daten = {}) {
    Laufzeiten l;
    EXPECT_TRUE(LaufzeitenBerechnen(l, produkt, 0, lzb, iso(datum), daten));
    return liste(l);
}

TEST(Terminlisten, Regel7BisZumLetztenTermin) {
    EXPECT_EQ(berechnen("7", "", "2011-11-26"), "Dec12 2012-11-27");
    EXPECT_EQ(berechnen("7", "", "2012-11-26"), "Dec12 2012-11-27");
    EXPECT_EQ(berechnen("7", "", "2012-11-27"), "Dec12 2012-11-27");
    EXPECT_EQ(berechnen("7", "", "2012-11-28"), "");
    EXPECT_EQ(berechnen("7", "", "2000-01-01"),
              "Dec08 2008-11-25, Dec09 2009-11-25, Dec10 2010-11-25, Dec11 2011-11-25, "
              "Dec12 2012-11-27");
}

TEST(Terminlisten, RegelJNachProduktgruppe) {
    Kalenderdaten daten;
    daten.jGruppeA = {"JGA1", "JGA2"};
    daten.jGruppeB = {"JGB1"};
    EXPECT_EQ(berechnen("J", "JXX1", "2019-06-01", daten), "Dec19 2019-11-29, Dec20 2020-11-27");
    EXPECT_EQ(berechnen("J", "JGA2", "2019-06-01", daten), "Dec19 2019-12-16, Dec20 2020-12-14");
    EXPECT_EQ(berechnen("J", "jga1", "2020-12-14", daten), "Dec20 2020-12-14");
    // Group B ends with group A's fifth date.
    EXPECT_EQ(berechnen("J", "JGB1", "2010-01-01", daten),
              "Dec10 2010-12-20, Dec11 2011-12-19, Dec12 2012-12-17, Dec13 2013-12-16");
    EXPECT_EQ(berechnen("J", "JGB1", "2013-12-17", daten), "");
    EXPECT_EQ(berechnen("J", "JXX1", "2008-01-01", daten).substr(0, 16), "Dec08 2008-11-28");
}

// Rows keep the table's order; only dates from the calculation date on count.
TEST(Terminlisten, Inflationstermine) {
    Kalenderdaten daten;
    daten.inflationOptionen = {iso("2009-03-15"), iso("2008-11-28"), iso("2008-06-15"),
                               iso("2008-12-15")};
    daten.inflationFutures = {iso("2008-12-19")};
    EXPECT_EQ(berechnen("8", "", "2008-11-28", daten),
              "Mar09 2009-03-15, Nov08 2008-11-28, Dec08 2008-12-15");
    EXPECT_EQ(berechnen("K", "", "2008-11-28", daten), "Dec08 2008-12-19");
    EXPECT_EQ(berechnen("K", "", "2008-12-20", daten), "");

    for (int i = 0; i < 30; ++i) {
        daten.inflationOptionen.push_back(iso("2010-01-15") + 31 * i);
        daten.inflationFutures.push_back(iso("2010-01-16") + 31 * i);
    }
    Laufzeiten l;
    LaufzeitenBerechnen(l, "", 0, "K", iso("2010-01-01"), daten);
    EXPECT_EQ(l.Anzahl, 20);
    LaufzeitenBerechnen(l, "", 0, "8", iso("2010-01-01"), daten);
    EXPECT_EQ(l.Anzahl, 24);
}

TEST(Terminlisten, StromkontrakteHandelbarAmBerechnungstag) {
    Kalenderdaten daten;
    daten.ampero["PWRW"] = {
        {iso("2008-11-01"), iso("2008-11-28"), "Week 48"}, // last trading day is D
        {iso("2008-11-29"), iso("2008-12-05"), "Week 49"}, // not yet tradable
        {iso("2008-01-01"), iso("2008-11-27"), "Nov08"},   // expired
        {iso("2008-11-28"), iso("2009-03-27"), "Q2-09"},   // first trading day is D
        {iso("2008-06-01"), iso("2008-12-31"), ""},        // no label of its own
        {Datum(), iso("2008-12-31"), "none"},              // no first trading day
    };
    daten.ampero["PWRX"] = {{iso("2008-01-01"), iso("2008-12-31"), "other"}};
    for (std::string_view code : {"V1", "V2", "V3", "V4", "V5", "V6", "V7", "V8"})
        EXPECT_EQ(berechnen(code, "pwrw", "2008-11-28", daten),
                  "Week 48 2008-11-28, Q2-09 2009-03-27, Dec08 2008-12-31")
            << code;
    EXPECT_EQ(berechnen("V1", "PWRZ", "2008-11-28", daten), "");

    for (int i = 0; i < 30; ++i)
        daten.ampero["PWRX"].push_back({iso("2008-01-01"), iso("2009-01-01") + i, "day"});
    Laufzeiten l;
    LaufzeitenBerechnen(l, "PWRX", 0, "V3", iso("2008-11-28"), daten);
    EXPECT_EQ(l.Anzahl, 24);
    EXPECT_EQ(l.Eintraege[0].VerfallMonatTxt, "other");
    EXPECT_EQ(l.Eintraege[23].VerfallDatum.iso(), "2009-01-23");
}

} // namespace
