#include "Eingabeumgebung.h"

#include "input/Produkttypen.h"
#include "store/Sql.h"

#include <gtest/gtest.h>

namespace {

using Quelle = Meldung::Quelle;

TEST(Produktliste, WeatherYearsFollowTheHalfOfTheYearAndPowerFollowsKzr2) {
    struct Fall {
        QDate datum;
        QString filter;
        QStringList enthalten;
        QStringList fehlend;
    };
    const Fall faelle[] = {
        {{2008, 3, 7}, "*", {"ODAX", "WXX1", "DE0001"}, {"WXX2", "KZR2", "WQT7"}},
        {{2008, 7, 1}, "*", {"ODAX"}, {"WXX1", "WXX2"}},
        {{2007, 8, 1}, "W", {"WXX1"}, {"WXX2", "ODAX"}},
        {{2008, 3, 7}, "R", {}, {"KZR2", "WQT7"}},
        {{2009, 3, 2}, "R", {"KZR2", "WQT7"}, {}},
        {{2008, 3, 7}, "e", {"DE0001"}, {"ODAX", "DE0002"}},
    };
    Eingabeumgebung u;
    for (const Fall& f : faelle) {
        u.e().zustand().Berechnungsdatum = f.datum;
        u.e().Produktliste_Filtern(f.filter);
        const QStringList& liste = u.e().produktliste();
        for (const QString& code : f.enthalten)
            EXPECT_TRUE(liste.contains(code)) << qPrintable(f.datum.toString() + f.filter + code);
        for (const QString& code : f.fehlend)
            EXPECT_FALSE(liste.contains(code)) << qPrintable(f.datum.toString() + f.filter + code);
    }
}

TEST(Zeile, ANewRowShowsAllTypesAndAProductCompletesIt) {
    Eingabeumgebung u;
    ASSERT_EQ(u.e().tabelle().anzahl(), 1);
    EXPECT_EQ(u.zeile(0).Typ, Produkttypen::texte().value(0));
    EXPECT_EQ(u.zeile(0).EAIBXZ, "*");

    u.eingeben(0, {{"Prod_Neu", "odax"}});
    const Position& z = u.zeile(0);
    EXPECT_EQ(z.Produkte, "ODAX");
    EXPECT_EQ(z.MarginKlasse, "DAX");
    EXPECT_EQ(z.MarginGruppe, "G1");
    EXPECT_EQ(z.O_F, "O");
    EXPECT_EQ(z.Prod_Bezeichnung, "Indexoption");
    EXPECT_EQ(u.e().laufzeitAuswahl().value(0), "Mar08");
    EXPECT_EQ(Sql::wert(u.datenbank.db(), "SELECT Produkte FROM Eingabe").toString(), "ODAX")
        << "every change is in the table at once";
}

TEST(Zeile, WrongLongShortAndCallPutAreRefused) {
    Eingabeumgebung u;
    struct Fall {
        const char* feld;
        const char* wert;
        bool angenommen;
        std::vector<int> meldungen;
    };
    const Fall faelle[] = {{"LS", "X", false, {65}},
                           {"LS", "s", true, {}},
                           {"LS", " ", true, {}},
                           {"LS", "", true, {}},
                           {"ProduktArt", "Q", false, {66}},
                           {"ProduktArt", "p", true, {}}};
    for (const Fall& f : faelle) {
        u.dialoge.leeren();
        const QString vorher = u.zeile(0).wert(f.feld).toString();
        EXPECT_EQ(u.e().feldGeaendert(0, f.feld, f.wert), f.angenommen) << f.feld << f.wert;
        EXPECT_EQ(u.meldungen(), f.meldungen) << f.feld << f.wert;
        EXPECT_EQ(u.zeile(0).wert(f.feld).toString(),
                  f.angenommen ? QString(f.wert).toUpper() : vorher);
        EXPECT_FALSE(u.e().zustand().ZeilenUpdate);
    }
}

TEST(Zeile, ChangingTheTypeOfAFilledRowAsksFirst) {
    Eingabeumgebung u;
    const QStringList typen = Produkttypen::texte();
    u.eingeben(0, {{"Prod_Neu", "ODAX"}, {"Typ", typen[5]}});
    ASSERT_EQ(u.zeile(0).EAIBXZ, "I");
    ASSERT_EQ(u.zeile(0).Typ, typen[5]);
    EXPECT_TRUE(u.meldungen(Quelle::Bestaetigung).empty()) << "the product's own type asks nothing";

    u.dialoge.antworten({false});
    u.eingeben(0, {{"Typ", typen[3]}});
    EXPECT_EQ(u.meldungen(Quelle::Bestaetigung), std::vector<int>{6});
    EXPECT_EQ(u.zeile(0).Typ, typen[5]) << "No restores the old type";
    EXPECT_EQ(u.zeile(0).Produkte, "ODAX");

    u.dialoge.antworten({true});
    u.eingeben(0, {{"Typ", typen[3]}});
    EXPECT_TRUE(u.zeile(0).Produkte.isEmpty());
    EXPECT_EQ(u.zeile(0).LS, " ");
    EXPECT_EQ(u.zeile(0).EAIBXZ, "E");
    EXPECT_EQ(u.zeile(0).Typ, typen[0]) << "an empty row keeps the type all";
}

TEST(Zeile, AMaturityOnItsLastTradingDayHasNoDaysLeft) {
    // The March 2008 futures expire on the third Friday, 21 March.
    Eingabeumgebung u(QDate(2008, 3, 21));
    u.eingeben(0, {{"Prod_Neu", "FDAX"}});
    ASSERT_EQ(u.e().laufzeitAuswahl().value(0), "Mar08");
    u.eingeben(0, {{"Laufzeit", "Mar08"}});
    EXPECT_EQ(u.zeile(0).Laufzeit_Tage, 0);
    EXPECT_EQ(u.meldungen(), (std::vector<int>{60, 61}));
    EXPECT_EQ(u.fehlernummern(), std::vector<int>{77});

    u.dialoge.leeren();
    u.eingeben(0, {{"Laufzeit", "Xyz99"}});
    EXPECT_EQ(u.meldungen(), std::vector<int>{64});
}

} // namespace
