// The imports of the five update files against a database: what each changes, what it keeps.

#include "update/Updateimport.h"
#include "Updatetestumgebung.h"
#include "store/DatenbankFehler.h"
#include "store/Sql.h"

namespace {

using Produktimport = UpdateTest;

TEST_F(Produktimport, StoresProductsAndCreatesEachClassAndGroupOnce) {
    datenbank.ausfuehren("INSERT INTO Produkt (Produkt) VALUES ('ALT');"
                         "INSERT INTO MarginKlasse (MarginKlasse) VALUES ('ALTK');"
                         "INSERT INTO MarginGruppe (MarginGruppe) VALUES ('ALTG')");
    const QString pfad = schreiben(
        "update_produkte12.txt",
        {"1.5", produktzeile({{1, "OPT1"}, {7, "0.01"}, {19, "36.9"}, {20, "100"}, {18, "1"}}),
         produktzeile({{1, "NLD1"}, {9, "4"}, {7, "0.05"}, {19, "-2.5"}}),
         produktzeile({{1, "QS0000000001"},
                       {5, "E"},
                       {6, ""},
                       {4, "kl1"},
                       {23, "99"},
                       {22, "GRP2"},
                       {29, "0"}}),
         produktzeile({{1, "FUT1"}, {4, "KL2"}, {21, "KL2"}, {22, "GRP1"}, {29, "10"}}),
         produktzeile({{1, "LOS1"}, {4, ""}, {21, ""}, {22, ""}, {28, ""}})});

    EXPECT_EQ(Produktdatei_Importieren(u, pfad), "1.5");

    EXPECT_EQ(
        zeilen("SELECT Produkt, TickValue, Laufzeit, Multiplikator, Sonderfall, "
               "Kupontermin_e FROM Produkt ORDER BY rowid"),
        QStringList({"OPT1|1|36|100|1|//", "NLD1|0.05|-2|100|0|//", "QS0000000001|-|36|100|0|//",
                     "FUT1|1|36|100|0|//", "LOS1|1|36|100|0|//"}));
    // The first line of a class or group decides; later lines leave it as it is.
    EXPECT_EQ(zeilen("SELECT MarginKlasse, MarginGruppe, MarginParameter, ParameterArt, "
                     "SpotMonthSpread, BackMonthSpread, Basispreisabstand FROM MarginKlasse"),
              QStringList({"KL1|GRP1|12.5|%|100|50|1", "KL2|GRP1|12.5|%|100|50|1"}));
    EXPECT_EQ(zeilen("SELECT MarginGruppe, OffsetFaktor FROM MarginGruppe"),
              QStringList({"GRP1|80"}));
    EXPECT_TRUE(dialoge.meldungen().empty());
}

TEST_F(Produktimport, ExistingProductsKeepTheirDividendsByTheFullCode) {
    datenbank.ausfuehren("INSERT INTO Produkt (Produkt, Dividende, DividendenTage) VALUES "
                         "('ABCDEFGHIJKL1', 1.5, '15.05.25'), ('ABCDEFGHIJKL2', 2.5, '16.05.25'), "
                         "('opt1', NULL, NULL)");
    const QString pfad =
        schreiben("update_produkte12.txt",
                  {"2", produktzeile({{1, "ABCDEFGHIJKL1"}, {16, "9"}, {17, "01.01.30"}}),
                   produktzeile({{1, "ABCDEFGHIJKL2"}, {16, "9"}, {17, "01.01.30"}}),
                   produktzeile({{1, "OPT1"}, {16, "9"}, {17, "01.01.30"}}),
                   produktzeile({{1, "NEU1"}, {16, "0.75"}, {17, "20.06.25"}})});

    ASSERT_TRUE(Produktdatei_Importieren(u, pfad));

    EXPECT_EQ(zeilen("SELECT Produkt, Dividende, DividendenTage FROM Produkt ORDER BY rowid"),
              QStringList({"ABCDEFGHIJKL1|1.5|15.05.25", "ABCDEFGHIJKL2|2.5|16.05.25", "OPT1|0|-",
                           "NEU1|0.75|20.06.25"}));
}

TEST_F(Produktimport, AFailureInTheMiddleLeavesThePreviousReferenceDataWhole) {
    datenbank.ausfuehren(
        "INSERT INTO Produkt (Produkt, MarginKlasse, Dividende) VALUES ('ALT1', 'K', 3);"
        "INSERT INTO MarginKlasse (MarginKlasse, MarginGruppe) VALUES ('K', 'G');"
        "INSERT INTO MarginGruppe (MarginGruppe, OffsetFaktor) VALUES ('G', 50);"
        "INSERT INTO FehlerP (ZeilenNr) VALUES (7)");
    Sql::ausfuehren(datenbank.db(),
                    "CREATE TRIGGER stoerung BEFORE INSERT ON Produkt WHEN "
                    "NEW.Produkt = 'P3' BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    const QString pfad = schreiben("update_produkte12.txt",
                                   {"1.5", produktzeile({{1, "P1"}}), produktzeile({{1, "P2"}}),
                                    produktzeile({{1, "P3"}}), produktzeile({{1, "P4"}})});

    EXPECT_THROW(Produktdatei_Importieren(u, pfad), DatenbankFehler);

    EXPECT_EQ(zeilen("SELECT Produkt, MarginKlasse, Dividende FROM Produkt"),
              QStringList({"ALT1|K|3"}));
    EXPECT_EQ(zeilen("SELECT * FROM MarginKlasse"), QStringList({"K|G|-|-|-|-|-"}));
    EXPECT_EQ(zeilen("SELECT * FROM MarginGruppe"), QStringList({"G|50"}));
    EXPECT_EQ(zeilen("SELECT ZeilenNr FROM FehlerP"), QStringList({"7"}));
}

using Derivateimport = UpdateTest;

TEST_F(Derivateimport, AFileOfOneLineChangesNothingButTheErrorLog) {
    datenbank.ausfuehren("INSERT INTO MarginGruppe (MarginGruppe, OffsetFaktor) VALUES ('GRP1', 1);"
                         "INSERT INTO FehlerP (ZeilenNr) VALUES (7)");
    const QString pfad = schreiben("mp.txt", {MpZeile{.offset = "99"}.text()});

    EXPECT_TRUE(Derivate_Importieren(u, pfad));

    EXPECT_EQ(zeilen("SELECT * FROM MarginGruppe"), QStringList({"GRP1|1"}));
    EXPECT_TRUE(zeilen("SELECT * FROM MarginKlasse").isEmpty());
    EXPECT_TRUE(zeilen("SELECT * FROM FehlerP").isEmpty());
}

TEST_F(Derivateimport, DividesPoundSpreadsOfExistingClassesOnly) {
    datenbank.ausfuehren(
        "INSERT INTO Produkt (Produkt, Art, Waehrung, TickSize, Multiplikator, MarginKlasse) "
        "VALUES ('FSTG', 'Z', 'gbp', 0.005, 2500, 'ALT'), ('FEUR', 'Z', 'EUR', 0.005, 2500, 'X'), "
        "('OSTG', 'Z', 'GBP', 0.005, 2500, '');"
        "INSERT INTO MarginKlasse (MarginKlasse, Basispreisabstand) VALUES ('fstg', 0.125), "
        "('FEUR', 0.125)");
    const QString pfad = schreiben(
        "mp.txt",
        {MpZeile{.gruppe = "ZIN",
                 .klasse = "FSTG",
                 .back = "2500",
                 .spot = "5000",
                 .schalter = "Y",
                 .produkt = "FSTG",
                 .parameter = "0.35"}
             .text(),
         MpZeile{.gruppe = "ZIN",
                 .klasse = "FEUR",
                 .back = "25",
                 .spot = "50",
                 .produkt = "FEUR",
                 .art = "P"}
             .text(),
         MpZeile{
             .gruppe = "ZIN", .klasse = "NEUK", .back = "2500", .spot = "5000", .produkt = "OSTG"}
             .text(),
         MpZeile{.gruppe = "", .klasse = "OHNE", .produkt = "XXXX"}.text(), "END"});

    ASSERT_TRUE(Derivate_Importieren(u, pfad));

    EXPECT_EQ(zeilen("SELECT MarginKlasse, MarginGruppe, MarginParameter, ParameterArt, "
                     "SpotMonthSpread, BackMonthSpread, Basispreisabstand FROM MarginKlasse "
                     "ORDER BY rowid"),
              QStringList({"fstg|ZIN|0.35|Points|50|25|0.125", "FEUR|ZIN|12.5|%|50|25|0.125",
                           "NEUK|ZIN|12.5|Points|5000|2500|-", "OHNE||12.5|Points|100|50|-"}));
    EXPECT_EQ(zeilen("SELECT MarginGruppe FROM MarginGruppe"), QStringList({"ZIN"}));
    // The unknown product XXXX adds no product.
    EXPECT_EQ(zeilen("SELECT Produkt, MarginKlasse, Underlying, SOPA_Faktor, MATURITY_SWITCH, "
                     "TickValue FROM Produkt ORDER BY rowid"),
              QStringList({"FSTG|FSTG|FSTG|0.25|Y|12.5", "FEUR|FEUR|FEUR|0.25| |12.5",
                           "OSTG|NEUK|OSTG|0.25| |12.5"}));
}

using Wertpapierimport = UpdateTest;

TEST_F(Wertpapierimport, AppliesClassAndCurrencyToEquitiesAndBondsByIsin) {
    datenbank.ausfuehren(
        "INSERT INTO Produkt (Produkt, ISIN, Art, Waehrung) VALUES "
        "('QS0000000001', 'qs0000000001', 'E', 'USD'), ('QS0000000002', 'QS0000000002', 'B', ''),"
        "('QS0000000003', 'QS0000000003', 'A', 'EUR');"
        "INSERT INTO MarginKlasse (MarginKlasse, SpotMonthSpread) VALUES ('EQ1', 7);"
        "INSERT INTO U_Produkt_Bonds (ISIN) VALUES ('ALT')");
    const QString pfad =
        schreiben("ms.txt", {MsZeile{.isin = "QS0000000001", .waehrung = "CHF"}.text(),
                             MsZeile{.gruppe = "ANL",
                                     .offset = "-000",
                                     .klasse = "BD1",
                                     .isin = "QS0000000002",
                                     .parameter = "2.5",
                                     .art = "A"}
                                 .text(),
                             MsZeile{.klasse = "", .isin = "QS0000000002"}.text(),
                             MsZeile{.klasse = "EQX", .isin = "QS0000000003"}.text(),
                             MsZeile{.klasse = "EQY", .isin = "QS9999999999"}.text(), "*EOF*"});

    ASSERT_TRUE(Wertpapiere_Importieren(u, pfad));

    EXPECT_EQ(zeilen("SELECT Produkt, MarginKlasse, Waehrung FROM Produkt ORDER BY rowid"),
              QStringList({"QS0000000001|EQ1|CHF", "QS0000000002|BD1|EUR", "QS0000000003|-|EUR"}));
    EXPECT_EQ(zeilen("SELECT * FROM MarginKlasse ORDER BY rowid"),
              QStringList({"EQ1|AKT|15|%|7|-|-", "BD1|ANL|2.5|Points|-|-|-"}));
    EXPECT_EQ(zeilen("SELECT * FROM MarginGruppe ORDER BY rowid"),
              QStringList({"AKT|50", "ANL|0"}));
    EXPECT_TRUE(zeilen("SELECT * FROM U_Produkt_Bonds").isEmpty());
}

using VolaShiftimport = UpdateTest;

TEST_F(VolaShiftimport, CopiesPowerOptionRowsToClassesWithoutOwnRows) {
    datenbank.ausfuehren("INSERT INTO Produkt (Produkt, Art, LZB, O_F, MarginKlasse) VALUES "
                         "('OPW1', 'R', 'V3', 'O', 'PWA'), ('OPW2', 'R', 'V4', 'O', 'PWB'), "
                         "('FPW1', 'R', 'V3', 'F', 'PWC'), ('OIDX', 'I', '1', 'O', 'IDX');"
                         "INSERT INTO vola_shifts (typ) VALUES ('A')");
    const QString pfad =
        schreiben("ve.txt", {VeZeile{.typ = "OFEN", .cp = "C", .days = "0", .up = "20.000"}.text(),
                             VeZeile{.typ = "OFEN", .cp = "P", .days = "90", .up = "15.000"}.text(),
                             VeZeile{.klasse = "pwb", .days = "30", .up = "8.000"}.text(),
                             VeZeile{.typ = "OINX", .days = "30"}.text(),
                             VeZeile{.typ = "OINX", .days = "30", .mnes = "1.1000"}.text(),
                             VeZeile{.typ = "OXYZ", .klasse = "PWC"}.text(),
                             VeZeile{.cp = "", .days = "0"}.text()});

    ASSERT_TRUE(VolaShifts_Importieren(u, pfad));

    EXPECT_EQ(zeilen("SELECT typ, marginklasse, c_p, days, Vola_Up FROM vola_shifts "
                     "ORDER BY marginklasse, typ, days"),
              QStringList({"-|-|-|0|10", "I|-|C|30|10", "I|-|C|30|10", "-|PWA|C|0|20",
                           "-|PWA|P|90|15", "-|pwb|C|30|8"}));
    EXPECT_EQ(zeilen("SELECT * FROM vola_shifts_index ORDER BY marginklasse, typ, days"),
              QStringList({"-|-|-|0|-|-|-|-|-", "I|-|-|30|-|-|-|-|-", "-|PWA|-|0|-|-|-|-|-",
                           "-|PWA|-|90|-|-|-|-|-", "-|pwb|-|30|-|-|-|-|-"}));
    for (const char* t : {"vola_shifts_berechnung", "vola_shifts_berechnung2", "vola_shifts_tmp"})
        EXPECT_TRUE(zeilen(QString("SELECT * FROM %1").arg(t)).isEmpty()) << t;
}

using Risikofaktorimport = UpdateTest;

TEST_F(Risikofaktorimport, ReplacesTheFactorsWithLabelAndIndex) {
    datenbank.ausfuehren("INSERT INTO FPPARA (MarginKlasse) VALUES ('ALT')");
    const QString pfad =
        schreiben("pa.txt", {PaZeile{.jahr = "9", .monat = "3", .faktor = "0.85"}.text(),
                             PaZeile{.jahr = "8", .monat = "12", .faktor = "1.00"}.text()});

    ASSERT_TRUE(Risikofaktoren_Importieren(u, pfad));

    EXPECT_EQ(zeilen("SELECT * FROM FPPARA ORDER BY rowid"),
              QStringList({"KL1|9|3|Mar9|0.85|1", "KL1|8|12|Dec8|1|0"}));
}

} // namespace
