#include "Kalenderhilfen.h"
#include "TestUmgebung.h"

#include "calendar/Kalender.h"
#include "store/Sql.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

QStringList laufzeitenZeilen(const QSqlDatabase& db) {
    QStringList zeilen;
    QSqlQuery q = Sql::ausfuehren(db, "SELECT LZB, Gruppe, LZIndex, VerfallDatum, VerfallMonatTxt, "
                                      "Tag, Monat, Jahr, LZ_Tage FROM Laufzeiten ORDER BY rowid");
    while (q.next()) {
        QStringList felder;
        for (int i = 0; i < 9; ++i) felder << q.value(i).toString();
        zeilen << felder.join(" ");
    }
    return zeilen;
}

// The reference rows come from the database: holidays, inflation dates, the power calendar
// and the product groups of rule "J".
TEST(Kalender, LiestDieReferenzdatenEinmal) {
    TestDatenbank db;
    db.ausfuehren("INSERT INTO Feiertage (Dat, Datum) VALUES ('2010-06-30', '30.06.2010');"
                  "INSERT INTO Inflationsderivate_Termine VALUES ('2009-03-15', 'O');"
                  "INSERT INTO Inflationsderivate_Termine VALUES ('2008-12-15', 'O');"
                  "INSERT INTO Inflationsderivate_Termine VALUES ('2008-12-19', 'F');"
                  "INSERT INTO Ampero (PRODUCT_ID, FIRST_TRADING_DATE, LETZTER_HT, Anzeigetext) "
                  "VALUES ('PWRW', '2008-11-01', '2008-12-05', 'Week 49');"
                  "INSERT INTO Konfigurationslisten VALUES ('J-Gruppe-A', ' jga1 ');"
                  "INSERT INTO Konfigurationslisten VALUES ('j-gruppe-b', 'JGB1')");
    Kalender kalender(db.db());
    Laufzeiten l;
    const auto liste = [&](std::string_view lzb, std::string_view produkt, double laufzeit) {
        kalender.LaufzeitenErmitteln(l, produkt, laufzeit, lzb, iso("2008-11-28"));
        return ::liste(l);
    };
    EXPECT_EQ(liste("S", "", 2007), "Jun10 2010-06-29");
    EXPECT_EQ(liste("8", "", 0), "Mar09 2009-03-15, Dec08 2008-12-15");
    EXPECT_EQ(liste("K", "", 0), "Dec08 2008-12-19");
    EXPECT_EQ(liste("V5", "pwrw", 0), "Week 49 2008-12-05");
    EXPECT_EQ(liste("J", "JGA1", 0).substr(0, 16), "Dec09 2009-12-14");
    EXPECT_EQ(liste("J", "JGB1", 0).substr(0, 16), "Dec09 2009-12-14");

    db.ausfuehren("DELETE FROM Feiertage");
    EXPECT_EQ(liste("S", "", 2008), "Jun11 2011-06-30");
    EXPECT_EQ(liste("S", "", 2007), "Jun10 2010-06-29");
    kalender.neuLaden();
    EXPECT_EQ(liste("S", "", 2007), "Jun10 2010-06-30");
}

// One block of rows per (rule code, horizon), written when the pair is first built.
TEST(Kalender, SchreibtLaufzeitenEinmalJeCodeUndHorizont) {
    TestDatenbank db;
    Kalender kalender(db.db());
    Laufzeiten l;
    EXPECT_TRUE(kalender.LaufzeitenErmitteln(l, "", 0, " B ", iso("2008-03-07")));
    EXPECT_EQ(laufzeitenZeilen(db.db()), (QStringList{"B 0 1 2008-06-06 Jun08 6 6 2008 91",
                                                      "B 0 2 2008-09-08 Sep08 8 9 2008 185",
                                                      "B 0 3 2008-12-08 Dec08 8 12 2008 276"}));

    EXPECT_TRUE(kalender.LaufzeitenErmitteln(l, "", 0, "B", iso("2008-06-07")));
    EXPECT_EQ(liste(l), "Sep08 2008-09-08, Dec08 2008-12-08, Mar09 2009-03-06");
    EXPECT_EQ(laufzeitenZeilen(db.db()).size(), 3);

    kalender.LaufzeitenErmitteln(l, "", 12, "A", iso("2008-03-07"));
    kalender.LaufzeitenErmitteln(l, "", 36, "A", iso("2008-03-07"));
    kalender.LaufzeitenErmitteln(l, "", 36, "A", iso("2009-03-07"));
    EXPECT_FALSE(kalender.LaufzeitenErmitteln(l, "", 0, "Y", iso("2008-03-07")));
    kalender.LaufzeitenErmitteln(l, "", 0, "7", iso("2013-01-01")); // lists nothing
    EXPECT_EQ(laufzeitenZeilen(db.db()).size(), 3 + 4 + 8);
}

// The existence test reads the table, so rows written before this calendar count too, and
// emptying the table lets the next build write again.
TEST(Kalender, VorhandeneZeilenZaehlen) {
    TestDatenbank db;
    db.ausfuehren("INSERT INTO Laufzeiten (LZB, Gruppe, LZIndex) VALUES ('d', 0, 1)");
    Kalender kalender(db.db());
    Laufzeiten l;
    kalender.LaufzeitenErmitteln(l, "", 0, "D", iso("2008-03-07"));
    EXPECT_EQ(l.Anzahl, 6);
    EXPECT_EQ(laufzeitenZeilen(db.db()).size(), 1);

    kalender.laufzeitenLeeren();
    kalender.LaufzeitenErmitteln(l, "", 0, "D", iso("2008-03-07"));
    EXPECT_EQ(laufzeitenZeilen(db.db()).size(), 6);
}

} // namespace
