#include "Marginhilfen.h"
#include "margin/Berechnungsfehler.h"
#include "shell/AufzeichnendeDialoge.h"

#include <gtest/gtest.h>

namespace {

using Margin::Ergebnis;

// Several classes of every kind: index options and futures in a group with offset, equity
// options on the binomial tree, futures spreads, a product margined per maturity, bonds.
void gemischtesPortfolio(Marginumgebung& m) {
    m.gruppe("GRP", 50);
    m.klasse({.MarginKlasse = "OIDX",
              .MarginParameter = 8,
              .ParameterArt = "%",
              .Basispreisabstand = 25});
    m.produkt({.Produkt = "OIDX", .MarginKlasse = "OIDX", .O_F = "O", .AktPreis = 400});
    m.produkt({.Produkt = "FIDX", .MarginKlasse = "OIDX", .AktPreis = 400});
    m.klasse({.MarginKlasse = "AKT",
              .MarginGruppe = "AKTG",
              .MarginParameter = 15,
              .ParameterArt = "%"});
    m.produkt({.Produkt = "AKT",
               .MarginKlasse = "AKT",
               .Art = "A",
               .O_F = "O",
               .Multiplikator = 100,
               .OPM = "CRA",
               .AktPreis = 60,
               .Dividende = 1,
               .DividendenTage = "01.08.07"});
    m.klasse({.MarginKlasse = "ZINS",
              .MarginParameter = 0.5,
              .SpotMonthSpread = 30,
              .BackMonthSpread = 20,
              .Basispreisabstand = 0.25});
    m.produkt({.Produkt = "ZINS",
               .MarginKlasse = "ZINS",
               .Art = "Z",
               .O_F = "F",
               .LZB = "E",
               .AktPreis = 95,
               .MATURITY_SWITCH = "Y",
               .Preis_Faelligkeit = {95.2, 95.4, 95.5}});
    m.klasse({.MarginKlasse = "ANL", .MarginGruppe = "", .MarginParameter = 1.5});
    m.produkt({.Produkt = "DE0002",
               .MarginKlasse = "ANL",
               .Art = "B",
               .O_F = " ",
               .AktPreis = 99,
               .Kuponhoehe = 4});
    m.volaShift("I", "", "C", 0, 1, -10, 20, 5, -10);
    m.volaShift("I", "", "C", 0, 1, 10, 10, 0, -5);
    m.volaShift("I", "", "P", 0, 1, 0, 15, 5, -5);
    m.volaShift("", "", "", 0, 1, 0, 12, 3, -6);
    for (int i = 0; i < 6; ++i)
        m.position({.Produkte = "OIDX",
                    .MarginKlasse = "OIDX",
                    .O_F = "O",
                    .LS = i % 2 ? "S" : "L",
                    .ProduktArt = i % 3 ? "C" : "P",
                    .Laufzeit_Tage = 30.0 + 30 * i,
                    .Basispreis = 350.0 + 20 * i,
                    .Anzahl = 5,
                    .TradePrice = 12,
                    .ImplVola = 22,
                    .Betrag = 60.0 + 10 * i});
    m.position({.Produkte = "FIDX", .MarginKlasse = "OIDX", .LS = "S", .Anzahl = 2});
    m.position({.Produkte = "AKT",
                .MarginKlasse = "AKT",
                .MarginGruppe = "AKTG",
                .O_F = "O",
                .LS = "S",
                .ProduktArt = "P",
                .Laufzeit_Tage = 120,
                .Basispreis = 55,
                .Anzahl = 3,
                .TradePrice = 2,
                .ImplVola = 30,
                .Betrag = 600});
    for (int i = 0; i < 3; ++i)
        m.position({.Produkte = "ZINS",
                    .MarginKlasse = "ZINS",
                    .LS = i == 1 ? "S" : "L",
                    .Laufzeit = QString("Sep07 %1").arg(i),
                    .Laufzeit_Tage = 90.0 + 91 * i,
                    .LaufzeitIndex = i,
                    .Anzahl = 4.0 + i});
    m.position({.Produkte = "DE0002",
                .MarginKlasse = "ANL",
                .MarginGruppe = "",
                .O_F = "B",
                .Anzahl = 50000,
                .Betrag = 49000,
                .Stueckzinsen = 300,
                .SettlementDays = "20.06.2007",
                .Laufzeit_Tage_3 = 60});
}

TEST(Berechnungslauf, MixedPortfolioGivesOneResultRowPerClassKey) {
    Marginumgebung m;
    gemischtesPortfolio(m);
    const Ergebnis e = m.rechnen();
    QStringList schluessel;
    for (const auto& a : e.Ausgabe1) schluessel << a.MK_neu;
    EXPECT_EQ(schluessel, (QStringList{"ANL", "AKT", "OIDX", "ZINS Sep07 0", "ZINS Sep07 1",
                                       "ZINS Sep07 2", QString()}));
    EXPECT_TRUE(e.Informationsfenster);
    EXPECT_GT(*zeile(e, "OIDX").PremiumMargin, 0);
    EXPECT_GT(*e.Ausgabe1.back().TotalMargin_Gruppe, 0);
}

TEST(Berechnungslauf, RunningTwiceGivesIdenticalTables) {
    Marginumgebung m;
    gemischtesPortfolio(m);
    const QStringList tabellen = {"Berechnung",
                                  "A_MKlasse",
                                  "Ausgabe1",
                                  "Ausgabe2",
                                  "Szenarien",
                                  "vola_shifts_tmp",
                                  "vola_shifts_berechnung"};
    m.berechnen();
    std::vector<QStringList> erster;
    for (const QString& t : tabellen) erster.push_back(m.tabelle(t));
    m.berechnen();
    for (qsizetype i = 0; i < tabellen.size(); ++i)
        EXPECT_EQ(m.tabelle(tabellen[i]), erster[size_t(i)]);
    EXPECT_FALSE(erster[3].isEmpty());
    EXPECT_TRUE(m.tabelle("Long").isEmpty());
}

TEST(Berechnungslauf, ThreadsGiveTheSameResultAsOne) {
    Marginumgebung m;
    gemischtesPortfolio(m);
    const QStringList einer = abbild(m.rechnen(1));
    EXPECT_EQ(abbild(m.rechnen(2)), einer);
    EXPECT_EQ(abbild(m.rechnen(4)), einer);
}

TEST(Berechnungslauf, ProgressCountsTheClassesAndCancellingWritesNothing) {
    Marginumgebung m;
    gemischtesPortfolio(m);
    const Ergebnis vorher = m.berechnen();
    const QStringList ausgabe1 = m.tabelle("Ausgabe1");
    std::vector<int> schritte;
    std::atomic<bool> abbrechen{false};
    const auto lauf = Margin::Berechnungslauf::laden(m.db(), m.datum, m.waehrung);
    lauf.rechnen(
        [&](int i, int n) {
            schritte.push_back(i);
            EXPECT_EQ(n, 6);
        },
        nullptr, 2);
    EXPECT_EQ(schritte, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    abbrechen = true;
    EXPECT_THROW(Margin::Berechnen(m.db(), m.datum, m.waehrung, {}, &abbrechen),
                 Margin::Berechnungsabbruch);
    EXPECT_EQ(m.tabelle("Ausgabe1"), ausgabe1);
}

TEST(Berechnungslauf, CalculationThatCannotFinishIsShownAndLeavesTheTables) {
    Marginumgebung m;
    gemischtesPortfolio(m);
    m.berechnen();
    const QStringList ausgabe2 = m.tabelle("Ausgabe2");
    m.ausfuehren("UPDATE Produkt SET Waehrung = 'GBP' WHERE Produkt = 'AKT'");
    AufzeichnendeDialoge dialoge;
    EXPECT_FALSE(Margin::Berechnen(m.db(), m.datum, m.waehrung, dialoge));
    ASSERT_EQ(dialoge.meldungen().size(), 1u);
    EXPECT_TRUE(dialoge.meldungen()[0].text.contains("GBP"));
    EXPECT_TRUE(dialoge.meldungen()[0].text.contains("AKT"));
    EXPECT_EQ(m.tabelle("Ausgabe2"), ausgabe2);
}

} // namespace
