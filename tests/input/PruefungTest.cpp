#include "Eingabeumgebung.h"

#include <gtest/gtest.h>

namespace {

TEST(Pruefung, OnlyTheEmptyRowIsRemovedAndTheCheckPasses) {
    Eingabeumgebung u;
    EXPECT_TRUE(u.e().Eingaben_Ueberpruefen());
    EXPECT_EQ(u.e().tabelle().anzahl(), 0);
    EXPECT_EQ(u.meldungen(), std::vector<int>{72});
}

// Each row is checked alone; the error log holds its numbers in order.
TEST(Pruefung, EveryProblemOfARowIsLogged) {
    struct Fall {
        const char* name;
        std::vector<std::pair<const char*, QVariant>> felder;
        std::vector<int> fehler;
    };
    const std::vector<Fall> faelle = {
        {"future without price is fine",
         {{"Prod_Neu", "FDAX"}, {"Laufzeit", "Jun08"}, {"LS", "L"}, {"Anzahl", 2}},
         {}},
        {"future without side and quantity",
         {{"Prod_Neu", "FDAX"}, {"Laufzeit", "Jun08"}},
         {65, 10}},
        {"option without strike and price",
         {{"Prod_Neu", "ODAX"},
          {"Laufzeit", "Jun08"},
          {"LS", "L"},
          {"Anzahl", 1},
          {"ProduktArt", "C"}},
         {11, 12}},
        {"derivative without O_F",
         {{"Prod_Neu", "FDAX"}, {"O_F", ""}, {"LS", "S"}, {"Anzahl", 1}},
         {27}},
        {"future without maturity", {{"Prod_Neu", "FDAX"}, {"LS", "S"}, {"Anzahl", 1}}, {3}},
        {"unknown maturity",
         {{"Prod_Neu", "FDAX"}, {"LS", "S"}, {"Anzahl", 1}, {"Laufzeit", "Jan30"}},
         {77, 1}},
        {"bond without nominal",
         {{"Prod_Neu", "DE0002"}, {"LS", "L"}, {"TradePrice", 100}, {"Handelstag", "05.03.2008"}},
         {26}},
        {"equity: Sunday holiday, settlement before trade",
         {{"Prod_Neu", "DE0001"},
          {"LS", "L"},
          {"Anzahl", 5},
          {"TradePrice", 50},
          {"BruttoNetto", "NETTO"},
          {"Handelstag", "30.12.2007"},
          {"SettlementDays", "28.12.2007"}},
         {9, 9, 30}},
        {"equity without dates and gross/net",
         {{"Prod_Neu", "DE0001"}, {"LS", "L"}, {"Anzahl", 5}, {"TradePrice", 50}},
         {15, 29, 28}},
        {"equity with unreadable dates",
         {{"Prod_Neu", "DE0001"},
          {"LS", "L"},
          {"Anzahl", 5},
          {"TradePrice", 50},
          {"BruttoNetto", "gross"},
          {"Handelstag", "3.13.08"},
          {"SettlementDays", "x"}},
         {17, 17}},
        {"code of no product", {{"Prod_Neu", "NIXDA"}, {"LS", "L"}, {"Anzahl", 1}}, {13}},
    };
    for (const Fall& f : faelle) {
        Eingabeumgebung u(QDate(2008, 3, 7));
        for (const auto& [feld, wert] : f.felder) {
            u.e().feldGeaendert(0, feld, wert);
            u.e().Zeile_Anzeigen(0, feld);
        }
        u.e().protokoll().Fehlerprotokoll_Leeren();
        EXPECT_EQ(u.e().Eingaben_Pruefen("EINGABEN_UEBERPRUEFEN"), f.fehler.empty()) << f.name;
        EXPECT_EQ(u.fehlernummern(), f.fehler) << f.name;
        EXPECT_EQ(u.e().tabelle().anzahl(), 1) << f.name << ": rows with a code stay";
    }
}

TEST(Pruefung, TheCountOfProblemsIsReported) {
    Eingabeumgebung u;
    u.eingeben(0, {{"Prod_Neu", "FDAX"}});
    EXPECT_FALSE(u.e().Berechnung_Starten());
    EXPECT_EQ(u.meldungen(Meldung::Quelle::Spezialfehler), std::vector<int>{2});
    u.dialoge.leeren();
    u.eingeben(0, {{"Laufzeit", "Jun08"}, {"LS", "L"}});
    EXPECT_FALSE(u.e().Berechnung_Starten());
    EXPECT_EQ(u.meldungen(), std::vector<int>{40}) << "one problem: quantity";
}

} // namespace
