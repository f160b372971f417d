// The demo reference data: both databases built from the shipped files through the imports,
// covering every type, model and maturity rule, with contracts tradable for years from the day
// they are built on.

#include "update/Demodaten.h"
#include "TestUmgebung.h"
#include "calendar/DatumQt.h"
#include "calendar/KalenderdatenLesen.h"
#include "calendar/LaufzeitenBerechnen.h"
#include "shell/AufzeichnendeDialoge.h"
#include "shell/IniDatei.h"
#include "store/Datenbank.h"
#include "store/Sql.h"
#include "update/Aktualisieren.h"
#include "update/Demodatenfehler.h"
#include "update/Demokalender.h"
#include "update/Updatebegleitung.h"
#include "update/Updateumgebung.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

const QString kDaten = QUILLMARK_DATEN;

QStringList werte(const QString& sql, const QVariantList& parameter = {}) {
    QStringList ergebnis;
    QSqlQuery q = Sql::ausfuehren(Datenbank::verbindung(), sql, parameter);
    while (q.next()) ergebnis << q.value(0).toString();
    return ergebnis;
}

QSet<QString> menge(const QStringList& liste) {
    return {liste.begin(), liste.end()};
}

struct Aufbau {
    bool nurDerivate;
    QDate stichtag;
};

void PrintTo(const Aufbau& a, std::ostream* os) {
    *os << (a.nurDerivate ? "Quilm_Derivate.abs " : "Quilm.abs ")
        << a.stichtag.toString(Qt::ISODate).toStdString();
}

class Demodatenbank : public ::testing::TestWithParam<Aufbau> {
protected:
    void SetUp() override {
        Demodaten::anlegen(pfad(), GetParam().nurDerivate, kDaten, GetParam().stichtag);
        Datenbank::oeffnen(pfad());
    }
    void TearDown() override { Datenbank::schliessen(); }
    QString pfad() const {
        return ordner.datei(GetParam().nurDerivate ? "Quilm_Derivate.abs" : "Quilm.abs");
    }
    Datum stichtag() const { return ausQDate(GetParam().stichtag); }

    // The maturities of each derivative on a day: product code → number of contracts.
    std::map<QString, int> laufzeiten(Datum tag) const {
        const Kalenderdaten daten = KalenderdatenLesen(Datenbank::verbindung());
        std::map<QString, int> anzahl;
        QSqlQuery q = Sql::ausfuehren(Datenbank::verbindung(),
                                      "SELECT Produkt, Laufzeit, LZB FROM Produkt WHERE LZB <> ''");
        while (q.next()) {
            Laufzeiten l;
            LaufzeitenBerechnen(l, q.value(0).toString().toStdString(), q.value(1).toDouble(),
                                q.value(2).toString().toStdString(), tag, daten);
            anzahl[q.value(0).toString()] = l.Anzahl;
        }
        return anzahl;
    }

    TestOrdner ordner;
};

TEST_P(Demodatenbank, CoversEveryTypeModelAndMaturityRuleWithoutAnErrorRow) {
    QSet<QString> arten = {"R", "A", "I", "D", "X", "N", "Z", "P", "V", "W"};
    if (!GetParam().nurDerivate) arten += {"B", "E"};
    EXPECT_EQ(menge(werte("SELECT DISTINCT Art FROM Produkt")), arten);
    EXPECT_EQ(menge(werte("SELECT DISTINCT OPM FROM Produkt WHERE OPM <> ''")),
              QSet<QString>({"BS", "TB76", "CRA", "CRF"}));
    QSet<QString> regeln;
    for (int i = 1; i <= 14; ++i) regeln << QString::number(i);
    for (char c = 'A'; c <= 'X'; ++c)
        if (c != 'V') regeln << QString(c);
    for (int i = 1; i <= 8; ++i) regeln << QString("V%1").arg(i);
    EXPECT_EQ(menge(werte("SELECT DISTINCT LZB FROM Produkt WHERE LZB <> ''")), regeln);
    EXPECT_TRUE(werte("SELECT * FROM FehlerP").isEmpty());
    // Groups with and without offset, classes without group, products margined per maturity.
    EXPECT_EQ(menge(werte("SELECT OffsetFaktor > 0 FROM MarginGruppe")), QSet<QString>({"0", "1"}));
    EXPECT_FALSE(werte("SELECT MarginKlasse FROM MarginKlasse WHERE MarginGruppe = ''").isEmpty());
    EXPECT_FALSE(werte("SELECT Produkt FROM Produkt WHERE MATURITY_SWITCH = 'Y'").isEmpty());
}

TEST_P(Demodatenbank, ListsTradableContractsForYearsFromItsDay) {
    const std::map<QString, int> heute = laufzeiten(stichtag());
    const std::map<QString, int> spaeter = laufzeiten(stichtag() + 4 * 365);
    const QStringList festeListen = werte("SELECT Produkt FROM Produkt WHERE LZB IN ('7', 'J')");
    for (const auto& [produkt, anzahl] : heute) {
        SCOPED_TRACE(produkt.toStdString());
        // Rules "7" and "J" list fixed expiries of past years only.
        if (festeListen.contains(produkt)) continue;
        EXPECT_GT(anzahl, 0);
    }
    for (const QString& produkt :
         werte("SELECT Produkt FROM Produkt WHERE LZB LIKE 'V%' OR LZB IN ('8', 'K')")) {
        SCOPED_TRACE(produkt.toStdString());
        EXPECT_GT(spaeter.at(produkt), 0);
    }
}

TEST_P(Demodatenbank, RiskFactorsFollowTheTradableContractsOfTheirClass) {
    const Kalenderdaten daten = KalenderdatenLesen(Datenbank::verbindung());
    const QStringList klassen = werte("SELECT DISTINCT MarginKlasse FROM FPPARA");
    ASSERT_FALSE(klassen.isEmpty());
    for (const QString& klasse : klassen) {
        SCOPED_TRACE(klasse.toStdString());
        const QString future = werte("SELECT Produkt FROM Produkt WHERE MarginKlasse = ? AND "
                                     "MATURITY_SWITCH = 'Y' AND O_F = 'F'",
                                     {klasse})
                                   .value(0);
        QSqlQuery p =
            Sql::ausfuehren(Datenbank::verbindung(),
                            "SELECT Laufzeit, LZB FROM Produkt WHERE Produkt = ?", {future});
        ASSERT_TRUE(p.next());
        Laufzeiten l;
        LaufzeitenBerechnen(l, future.toStdString(), p.value(0).toDouble(),
                            p.value(1).toString().toStdString(), stichtag(), daten);
        const QStringList monate =
            werte("SELECT sMonat FROM FPPARA WHERE MarginKlasse = ? ORDER BY LZIndex", {klasse});
        ASSERT_FALSE(monate.isEmpty());
        ASSERT_LE(monate.size(), l.Anzahl);
        for (int k = 0; k < monate.size(); ++k)
            EXPECT_EQ(monate[k].toStdString(), l.Eintraege[k].VerfallMonatTxt) << k;
        EXPECT_EQ(
            werte("SELECT Faktor FROM FPPARA WHERE MarginKlasse = ? AND LZIndex = 0", {klasse}),
            QStringList({"1"}));
    }
}

TEST_P(Demodatenbank, PricesRatesCurrencyRatesAndShiftsForEveryProduct) {
    EXPECT_TRUE(werte("SELECT Produkt FROM Produkt WHERE NOT (AktPreis > 0 AND UnderlyingPrice > 0 "
                      "AND Preis_Faelligkeit_1 > 0 AND Preis_Faelligkeit_20 > 0)")
                    .isEmpty());
    // Every currency of a product has a rate.
    for (const QString& waehrung : werte("SELECT DISTINCT Waehrung FROM Produkt")) {
        SCOPED_TRACE(waehrung.toStdString());
        EXPECT_GT(
            Sql::wert(Datenbank::verbindung(), QString("SELECT %1 FROM Waehrung").arg(waehrung))
                .toDouble(),
            0);
    }
    EXPECT_EQ(werte("SELECT count(*) FROM Zinsen WHERE Zinssatz_1 > 0 AND Zinssatz_17 > 0 AND "
                    "Zinssatz_EONIA > 0 AND Zinssatz_RAIRU > 0 AND Zinssatz_RAIRD > 0"),
              QStringList({"1"}));
    // The power option class without rows of its own took the published power rows.
    EXPECT_TRUE(werte("SELECT * FROM vola_shifts WHERE typ IN ('S', '0')").isEmpty());
    EXPECT_EQ(werte("SELECT count(*) FROM vola_shifts WHERE marginklasse = 'FPWM'"),
              werte("SELECT count(*) FROM vola_shifts WHERE marginklasse = 'FPWQ'"));
    EXPECT_EQ(menge(werte("SELECT DISTINCT coalesce(typ, '') || '/' || coalesce(marginklasse, '') "
                          "FROM vola_shifts_index")),
              QSet<QString>({"/", "A/", "I/", "Z/", "/FSXA", "/OMB", "/FPWQ", "/FPWM"}));
    // Dividend dates lie ahead of the day the database was built on.
    for (const QString& termin :
         werte("SELECT DividendenTage FROM Produkt WHERE DividendenTage <> ''")) {
        const QDate d = QDate::fromString(termin, "dd.MM.yy").addYears(100);
        EXPECT_GT(d, GetParam().stichtag) << termin.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Demodaten, Demodatenbank,
                         ::testing::Values(Aufbau{false, QDate(2025, 5, 14)},
                                           Aufbau{true, QDate(2025, 5, 14)},
                                           Aufbau{false, QDate(2031, 12, 30)}));

TEST(Demodaten, EasterAndTheExchangeHolidays) {
    EXPECT_EQ(Demokalender::Ostersonntag(2024), Datum(2024, 3, 31));
    EXPECT_EQ(Demokalender::Ostersonntag(2025), Datum(2025, 4, 20));
    EXPECT_EQ(Demokalender::Ostersonntag(2038), Datum(2038, 4, 25));
    EXPECT_EQ(Demokalender::Ostersonntag(2285), Datum(2285, 3, 22));
    QStringList tage;
    for (const auto& f : Demokalender::Feiertage_Von(2027, 1))
        tage << QString::fromStdString(f.tag.iso()) + " " + f.beschreibung;
    // 1 May and 25 and 26 December 2027 fall on a weekend.
    EXPECT_EQ(tage,
              QStringList({"2027-01-01 Neujahr", "2027-03-26 Karfreitag", "2027-03-29 Ostermontag",
                           "2027-12-24 Heiligabend", "2027-12-31 Silvester"}));
}

TEST(Demodaten, PowerContractSizesFollowTheDeliveryPeriod) {
    TestOrdner ordner;
    Demodaten::anlegen(ordner.datei("q.abs"), true, kDaten, QDate(2025, 5, 14));
    Datenbank::oeffnen(ordner.datei("q.abs"));
    const auto zeile = [](const char* produkt, const char* lieferbeginn) {
        return werte("SELECT CONTRACT_SIZE || ' ' || LETZTER_HT || ' ' || Anzeigetext FROM Ampero "
                     "WHERE PRODUCT_ID = ? AND FIRST_DELIVERY_DATE = ?",
                     {produkt, lieferbeginn})
            .value(0);
    };
    EXPECT_EQ(zeile("FPWD", "2025-05-17"), "24 2025-05-16 17May25"); // a Saturday
    EXPECT_EQ(zeile("FPWW", "2025-05-19"), "168 2025-05-22 W21/25");
    EXPECT_EQ(zeile("FPWM", "2025-07-01"), "744 2025-06-30 Jul25");
    EXPECT_EQ(zeile("OPWM", "2025-07-01"), "744 2025-06-25 Jul25");
    EXPECT_EQ(zeile("FPPM", "2025-07-01"), "276 2025-06-30 Jul25"); // 23 working days
    EXPECT_EQ(zeile("FPWQ", "2026-01-01"), "2160 2025-12-30 Jan26");
    EXPECT_EQ(zeile("FPWY", "2028-01-01"), "8784 2027-12-30 Jan28");
    Datenbank::schliessen();
}

TEST(Demodaten, NeverOverwritesAndLeavesNothingHalfBuilt) {
    TestOrdner ordner;
    ordner.schreiben("vorhanden.abs", "Inhalt");
    EXPECT_THROW(Demodaten::anlegen(ordner.datei("vorhanden.abs"), false, kDaten), Demodatenfehler);
    EXPECT_EQ(ordner.lesen("vorhanden.abs"), "Inhalt");

    ordner.schreiben("daten/update_produkte12.txt", "");
    EXPECT_THROW(Demodaten::anlegen(ordner.datei("neu.abs"), false, ordner.datei("daten")),
                 Demodatenfehler);
    EXPECT_EQ(QDir(ordner.pfad()).entryList({"neu.abs*"}), QStringList());
}

// The shipped files are the exchange's files: a full update from them succeeds.
TEST(Demodaten, ShippedFilesPassTheFullUpdate) {
    for (const bool nurDerivate : {false, true}) {
        SCOPED_TRACE(nurDerivate);
        TestOrdner ordner;
        const QString datei = nurDerivate ? "Quilm_Derivate.abs" : "Quilm.abs";
        Demodaten::anlegen(ordner.datei(datei), nurDerivate, kDaten, QDate(2025, 5, 14));
        QDir().mkpath(ordner.datei("update"));
        for (const char* name : {"update_produkte12.txt", "update_produkte_der12.txt"})
            QFile::copy(kDaten + "/" + name, ordner.datei(QString("update/") + name));
        for (const char* art : {"mp", "ms", "ve", "pa"})
            QFile::copy(kDaten + "/" + art + "_demo.txt",
                        ordner.datei(QString("update/%1%2.txt").arg(art, "20250513")));

        AufzeichnendeDialoge dialoge;
        Updatebegleitung still;
        Updateumgebung u{Datenbank::oeffnen(ordner.datei(datei)),
                         dialoge,
                         still,
                         ordner.datei("update"),
                         datei,
                         ordner.datei("margin.INI")};
        u.heute = QDate(2025, 5, 14);
        IniDatei::schreiben(u.konfigurationsdatei, "DBVersion", "DBVersion", "2.12");

        EXPECT_TRUE(Komplett_Aktualisieren(u));

        EXPECT_EQ(dialoge.nummern(Meldung::Quelle::Bestaetigung), std::vector<int>{12});
        EXPECT_EQ(dialoge.nummern(Meldung::Quelle::Fehlermeldung), std::vector<int>{90});
        EXPECT_TRUE(werte("SELECT * FROM FehlerP").isEmpty());
        u.db = QSqlDatabase();
        Datenbank::schliessen();
    }
}

} // namespace
