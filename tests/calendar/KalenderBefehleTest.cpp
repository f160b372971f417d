#include "TestUmgebung.h"

#include <gtest/gtest.h>

namespace {

TEST(KalenderBefehle, ExpiryMitUndOhneFeiertage) {
    TestDatenbank db;
    db.ausfuehren("INSERT INTO Feiertage (Dat) VALUES ('2008-03-28')");
    EXPECT_EQ(cli({"expiry", "--rule", "5", "--year", "2008", "--month", "3"}).ausgabe,
              "2008-03-28\n");
    const CliLauf e = cli(
        {"expiry", "--rule", "5", "--year", "2008", "--month", "3", "--db", db.pfad(), "--json"});
    EXPECT_EQ(e.exitcode, 0);
    EXPECT_EQ(e.ausgabe,
              "{\"Jahr\":2008,\"Monat\":3,\"Regel\":5,\"VerfallDatum\":\"2008-03-27\"}\n");
}

TEST(KalenderBefehle, MaturitiesJeProduktOderRegel) {
    TestDatenbank db;
    db.ausfuehren("INSERT INTO Produkt (Produkt, LZB, Laufzeit) VALUES ('FGBL', 'B', 0)");
    const QString erwartet = "0\t2008-06-06\tJun08\n1\t2008-09-08\tSep08\n2\t2008-12-08\tDec08\n";
    EXPECT_EQ(
        cli({"maturities", "--db", db.pfad(), "--date", "2008-03-07", "--product", "fgbl"}).ausgabe,
        erwartet);
    EXPECT_EQ(cli({"maturities", "--db", db.pfad(), "--date", "2008-03-07", "--lzb", "B", "--code",
                   "FGBL", "--horizon", "0"})
                  .ausgabe,
              erwartet);
}

TEST(KalenderBefehle, FalscheBedienungEndetMit2) {
    TestDatenbank db;
    db.ausfuehren("INSERT INTO Produkt (Produkt, LZB) VALUES ('AKTIE', '')");
    TestOrdner ordner;
    ordner.schreiben("kaputt.abs", "no database");
    const QString datei = db.pfad();
    for (const QStringList& argumente : std::initializer_list<QStringList>{
             {"expiry", "--rule", "7", "--year", "2008", "--month", "3"},
             {"expiry", "--rule", "4", "--year", "2008", "--month", "13"},
             {"expiry", "--rule", "4", "--year", "2008", "--month", "3", "--db", "/fehlt.abs"},
             {"expiry", "--rule", "4", "--year", "2008", "--month", "3", "--db",
              ordner.datei("kaputt.abs")},
             {"maturities", "--db", datei, "--date", "2008-02-30", "--product", "AKTIE"},
             {"maturities", "--db", datei, "--date", "2008-03-07"},
             {"maturities", "--db", datei, "--date", "2008-03-07", "--product", "FEHLT"},
             {"maturities", "--db", datei, "--date", "2008-03-07", "--product", "AKTIE"},
             {"maturities", "--db", datei, "--date", "2008-03-07", "--lzb", "B"},
             {"maturities", "--db", datei, "--date", "2008-03-07", "--lzb", "QQ", "--code", "X",
              "--horizon", "0"}})
        EXPECT_EQ(cli(argumente).exitcode, 2) << argumente.join(' ').toStdString();
}

} // namespace
