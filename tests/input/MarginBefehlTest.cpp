// quillmark-cli margin: a positions sheet read, checked and calculated on a
// private copy of the database, with its exit codes.

#include "TestUmgebung.h"

#include "store/Datenbank.h"
#include "store/Sql.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

class MarginBefehl : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(cli({"init-db", "--data", QUILLMARK_DATEN, "--date", "2025-05-14", datenbank()})
                      .exitcode,
                  0);
        const QString liste =
            cli({"maturities", "--db", datenbank(), "--date", "2025-05-14", "--product", "FSXA"})
                .ausgabe;
        laufzeit = liste.split(QChar(10)).value(1).section('\t', 2, 2);
        ASSERT_FALSE(laufzeit.isEmpty());
    }
    QString datenbank() const { return ordner.datei("Quilm.abs"); }
    QString sheet(const QString& zeilen) {
        ordner.schreiben(
            "p.csv", "Name;Test\nDatum;14.05.2025\n\nTyp;Produkt;Laufzeit;Handelstag;Valuta;Anzahl;"
                     "Basis;Preis;LS;CP;BN;Akt;Zweit\n" +
                         zeilen);
        return ordner.datei("p.csv");
    }
    QJsonObject json(const CliLauf& l) {
        return QJsonDocument::fromJson(l.ausgabe.toUtf8()).object();
    }

    TestOrdner ordner;
    QString laufzeit;
};

TEST_F(MarginBefehl, AValidSheetIsCalculatedOnAPrivateCopy) {
    const QString p = sheet(QString(";OSXA;%1;;;10;4900;150;S;C\n;FSXA;%1;;;2;;4860;L\n"
                                    ";QS0010001012;;12.05.2025;14.05.2025;100;;42;L;;NETTO\n")
                                .arg(laufzeit));
    const CliLauf l = cli({"margin", "--db", datenbank(), "--date-style", "d", "--json", p});
    ASSERT_EQ(l.exitcode, 0) << l.ausgabe.toStdString();
    const QJsonObject b = json(l);
    EXPECT_TRUE(b["ok"].toBool());
    EXPECT_EQ(b["Berechnungsdatum"].toString(), "2025-05-14");
    EXPECT_EQ(b["Eingabe"].toArray().size(), 3);
    EXPECT_TRUE(b["FehlerP"].toArray().isEmpty());
    const QJsonArray ausgabe1 = b["Ausgabe1"].toArray();
    ASSERT_GE(ausgabe1.size(), 3);
    const QJsonObject summe = ausgabe1.last().toObject();
    EXPECT_EQ(summe["MarginKlasse"].toString(), "Account Total");
    EXPECT_GT(summe["TotalMargin_Gruppe"].toDouble(), 0);
    EXPECT_GT(b["Ausgabe2_rows"].toInt(), 0);

    QSqlDatabase db = Datenbank::oeffnen(datenbank());
    EXPECT_EQ(Sql::wert(db, "SELECT count(*) FROM Ausgabe1").toInt(), 0)
        << "without --write nothing is written";
    Datenbank::schliessen();
}

TEST_F(MarginBefehl, ASheetThatFailsTheCheckPrintsTheErrorLog) {
    const CliLauf l = cli({"margin", "--db", datenbank(), "--date-style", "d", "--json",
                           sheet(QString(";FSXA;%1;;;2;;4860;\n").arg(laufzeit))});
    EXPECT_EQ(l.exitcode, 1);
    const QJsonObject b = json(l);
    EXPECT_FALSE(b["ok"].toBool());
    ASSERT_EQ(b["FehlerP"].toArray().size(), 1);
    EXPECT_EQ(b["FehlerP"].toArray()[0].toObject()["Nummer"].toInt(), 65);
    EXPECT_TRUE(b["Ausgabe1"].toArray().isEmpty());
}

TEST_F(MarginBefehl, MissingFilesAndBadUsageAreExitCodeTwo) {
    EXPECT_EQ(cli({"margin", "--db", datenbank(), ordner.datei("fehlt.csv")}).exitcode, 2);
    EXPECT_EQ(cli({"margin", "--db", ordner.datei("fehlt.abs"), sheet("")}).exitcode, 2);
    ordner.schreiben("kaputt.xlsx", "kein Zip");
    EXPECT_EQ(cli({"margin", "--db", datenbank(), ordner.datei("kaputt.xlsx")}).exitcode, 2);
    EXPECT_EQ(cli({"margin", sheet("")}).exitcode, 2);
}

} // namespace
