// The commands init-db and update of quillmark-cli: what they build, what they print and their
// exit codes.

#include "TestUmgebung.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(UpdateBefehle, InitDbBuildsBothDatabasesFromTheDemoData) {
    TestOrdner ordner;
    for (const QStringList& art : {QStringList(), QStringList({"--derivatives"})}) {
        const QString datei = ordner.datei(art.isEmpty() ? "Quilm.abs" : "Quilm_Derivate.abs");
        EXPECT_EQ(cli(QStringList({"init-db", "--data", QUILLMARK_DATEN, "--date", "2025-05-14"}) +
                      art + QStringList({datei}))
                      .exitcode,
                  0);
        EXPECT_TRUE(QFile::exists(datei));
        EXPECT_EQ(cli({"init-db", datei}).exitcode, 2);
    }
    EXPECT_EQ(cli({"init-db", "--date", "14.05.2025", ordner.datei("x.abs")}).exitcode, 2);
    EXPECT_EQ(cli({"init-db", "--data", ordner.datei("fehlt"), ordner.datei("x.abs")}).exitcode, 2);
    EXPECT_FALSE(QFile::exists(ordner.datei("x.abs")));
}

TEST(UpdateBefehle, UpdateReportsMessagesErrorRowsAndExitCodes) {
    TestDatenbank db;
    TestOrdner ordner;
    // Written for the last days, so whichever is the last business day finds its file.
    for (int tage = 1; tage <= 4; ++tage)
        ordner.schreiben("ve" + QDate::currentDate().addDays(-tage).toString("yyyyMMdd") + ".txt",
                         "              30  1.0000  0.000 16.000  2.000 -9.000\n"
                         "kaputt\n");

    const CliLauf ok =
        cli({"update", "--db", db.pfad(), "--local", ordner.pfad(), "--kind", "volashifts"});
    EXPECT_EQ(ok.exitcode, 0);
    EXPECT_TRUE(ok.ausgabe.contains("Message [F90]")) << ok.ausgabe.toStdString();
    EXPECT_TRUE(ok.ausgabe.contains(QRegularExpression("Error log: line 2 .*ve\\d{8}\\.txt:2")))
        << ok.ausgabe.toStdString();
    EXPECT_TRUE(ok.ausgabe.contains("vola_shifts: 1 rows"));

    const CliLauf fehlt =
        cli({"update", "--db", db.pfad(), "--local", ordner.pfad(), "--kind", "FPPARA"});
    EXPECT_EQ(fehlt.exitcode, 1);
    EXPECT_TRUE(fehlt.ausgabe.contains("Message [S33]")) << fehlt.ausgabe.toStdString();

    EXPECT_EQ(cli({"update", "--db", ordner.datei("fehlt.abs"), "--local", ordner.pfad()}).exitcode,
              2);
    EXPECT_EQ(
        cli({"update", "--db", db.pfad(), "--local", ordner.pfad(), "--kind", "Zinsen"}).exitcode,
        2);
}

} // namespace
