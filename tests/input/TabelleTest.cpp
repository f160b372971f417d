#include "Eingabeumgebung.h"

#include "shell/Arbeitsmappe.h"

#include <gtest/gtest.h>

namespace {

using Art = Arbeitsmappe::Zelle::Art;

TEST(Tabelle, ExportThenImportGivesTheSameRowsDateAndName) {
    TestOrdner ordner;
    QString datei;
    std::vector<Position> vorher;
    {
        Eingabeumgebung u(QDate(2008, 5, 20));
        u.e().zustand().Projektname = "Buch A";
        u.eingeben(0, {{"Prod_Neu", "FDAX"},
                       {"Laufzeit", "Jun08"},
                       {"LS", "S"},
                       {"Anzahl", 3},
                       {"TradePrice", 6480.5}});
        const int a = u.e().neueZeile();
        u.eingeben(a, {{"Prod_Neu", "DE0001"},
                       {"LS", "L"},
                       {"Anzahl", 10},
                       {"TradePrice", 50},
                       {"BruttoNetto", "NETTO"},
                       {"Handelstag", "09.05.2008"}});
        const int b = u.e().neueZeile();
        u.eingeben(b, {{"Prod_Neu", "DE0002"},
                       {"LS", "L"},
                       {"Anzahl", 100000},
                       {"TradePrice", 101.5},
                       {"Handelstag", "16.05.2008"}});
        Arbeitsmappe m = u.e().Excel_Export(false, "Eingabe");
        EXPECT_EQ(m.lesen("C5").zahlenformat, "@") << "maturities stay text";
        EXPECT_EQ(m.lesen("D6").art, Art::Datum);
        datei = ordner.datei("portfolio.xlsx");
        ASSERT_TRUE(m.speichern(datei));
        vorher = u.e().tabelle().zeilen();
    }
    Eingabeumgebung u(QDate(2008, 1, 2));
    ASSERT_EQ(u.e().Alle_Loeschen(), 1);
    ASSERT_TRUE(u.e().Excel_Import(datei));
    EXPECT_EQ(u.e().zustand().Berechnungsdatum, QDate(2008, 5, 20));
    EXPECT_EQ(u.e().zustand().Projektname, "Buch A");
    EXPECT_TRUE(u.fehlernummern().empty());
    ASSERT_EQ(u.e().tabelle().anzahl(), 3);
    for (int i = 0; i < 3; ++i)
        for (const char* feld : {"Produkte", "Laufzeit", "LS", "Anzahl", "TradePrice", "Handelstag",
                                 "SettlementDays", "BruttoNetto", "Laufzeit_Tage", "Betrag",
                                 "Stueckzinsen", "MarginKlasse", "MarginGruppe"})
            EXPECT_EQ(u.zeile(i).wert(feld), vorher[static_cast<size_t>(i)].wert(feld))
                << i << feld;
}

TEST(Tabelle, ImportReadsWhatItCanAndLogsTheRest) {
    TestOrdner ordner;
    ordner.schreiben(
        "p.csv", "Name;Buch B\n"
                 "Datum;20.05.2008\n\n"
                 "Typ;Produkt;Laufzeit;Handelstag;Valuta;Anzahl;Basis;Preis;LS;CP;BN;Akt;Zweit\n"
                 ";FDAX; Jun08;;;zwei;;6400,5;x;;;6450;\n"
                 ";NIXDA;;;;1\n"
                 ";de0001;;21.05.2008;;5;;50;L;;brutto;;\n"
                 ";ODAX;Jun08;;;1;6500;120;S;C;;6460;abc\n"
                 ";;;;;\n"
                 ";FDAX;Sep08;;;1;;1;L\n");
    Eingabeumgebung u;
    ASSERT_TRUE(u.e().Excel_Import(ordner.datei("p.csv")));
    ASSERT_EQ(u.e().tabelle().anzahl(), 3)
        << "the empty code in B9 ends the sheet; NIXDA is skipped";
    EXPECT_EQ(u.zeile(0).Laufzeit, "Jun08") << "one leading blank removed";
    EXPECT_EQ(u.zeile(0).Anzahl, 0);
    EXPECT_EQ(u.zeile(0).TradePrice, 6400.5) << "a decimal comma reads too";
    EXPECT_TRUE(u.zeile(0).LS.isEmpty());
    EXPECT_TRUE(u.zeile(1).Handelstag.isEmpty()) << "trade date after the date";
    EXPECT_EQ(u.zeile(1).BruttoNetto, "BRUTTO");
    EXPECT_EQ(u.e().referenz().produkt("FDAX")->AktPreis, 6450);
    EXPECT_EQ(u.e().referenz().produkt("ODAX")->AktPreis, 6450)
        << "the first product of a class gives the price";
    EXPECT_EQ(u.fehlernummern(), (std::vector<int>{10, 65, 16, 9, 14}));
}

TEST(Tabelle, FilesThatCannotBeReadAreReportedAndChangeNothing) {
    TestOrdner ordner;
    ordner.schreiben("kaputt.xlsx", "kein Zip");
    ordner.schreiben("gesperrt.xlsx", "x");
    ordner.schreiben(".~lock.gesperrt.xlsx#", "anderes Programm");
    Eingabeumgebung u;
    u.eingeben(0, {{"Prod_Neu", "FDAX"}});
    struct Fall {
        const char* datei;
        int meldung;
    };
    for (const Fall& f :
         {Fall{"fehlt.xlsx", 76}, Fall{"gesperrt.xlsx", 75}, Fall{"kaputt.xlsx", 74}}) {
        u.dialoge.leeren();
        EXPECT_FALSE(u.e().Excel_Import(ordner.datei(f.datei)));
        EXPECT_EQ(u.meldungen(), std::vector<int>{f.meldung}) << f.datei;
        EXPECT_EQ(u.zeile(0).Produkte, "FDAX");
    }
}

} // namespace
