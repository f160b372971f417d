// The local update: which file it takes, what it asks and tells, the order and the stops of
// the full update, and the installed version.

#include "update/Aktualisieren.h"
#include "Updatetestumgebung.h"
#include "shell/IniDatei.h"
#include "shell/Konfiguration.h"

namespace {

class Aktualisieren : public UpdateTest {
protected:
    // A consistent set of the five files for the business day before "today".
    void alleDateien() {
        schreiben("update_produkte12.txt", {"1.6", produktzeile({{1, "PRD1"}, {16, "4"}}),
                                            produktzeile({{1, "QS0000000001"},
                                                          {5, "E"},
                                                          {4, "EQ1"},
                                                          {21, "EQ1"},
                                                          {22, "AKT"},
                                                          {28, "AKT"},
                                                          {29, "0"}}),
                                            produktzeile({{1, "kaputt"}, {7, "x"}})});
        schreiben("mp20250513.txt", {MpZeile{}.text(), "kaputt", "END"});
        schreiben("ms20250513.txt", {MsZeile{}.text(), "*EOF*"});
        schreiben("ve20250513.txt", {VeZeile{}.text()});
        schreiben("pa20250513.txt", {PaZeile{}.text()});
    }
    void installiert(const QString& version) {
        IniDatei::schreiben(u.konfigurationsdatei, "DBVersion", "DBVersion", version);
    }
    QString dbVersion() const { return Konfiguration(u.konfigurationsdatei).dbVersion(); }
    QStringList gelesen() const {
        QStringList namen;
        for (const QString& pfad : begleitung.dateien) namen << QFileInfo(pfad).fileName();
        return namen;
    }
};

TEST_F(Aktualisieren, Message33NamesTheFileOfTheEarlierBusinessDay) {
    // Tuesday the 13th is a holiday: the two business days before are the 12th and the 9th.
    datenbank.ausfuehren("INSERT INTO Feiertage (Dat) VALUES ('2025-05-13')");
    schreiben("mp20250513.txt", {MpZeile{}.text(), "END"});

    EXPECT_FALSE(Lokal_Aktualisieren(u, Updateart::Derivate, true));

    ASSERT_EQ(spezialfehler(), std::vector<int>{33});
    EXPECT_TRUE(dialoge.meldungen()[0].text.contains(ordner.datei("mp20250509.txt")));
    EXPECT_TRUE(begleitung.aufrufe.isEmpty());
}

TEST_F(Aktualisieren, TakesTheEarlierDayAndReportsSuccess) {
    schreiben("ve20250512.txt", {VeZeile{}.text()});

    EXPECT_TRUE(Lokal_Aktualisieren(u, Updateart::VolaShifts, true));

    EXPECT_EQ(gelesen(), QStringList({"ve20250512.txt"}));
    EXPECT_EQ(fehlermeldungen(), std::vector<int>{90});
    EXPECT_EQ(begleitung.aufrufe, QStringList({"VolaShifts_Neu_Laden"}));
    EXPECT_EQ(begleitung.statustexte, QStringList({"Aktualisiere VolaShifts", "Lade VolaShifts"}));
}

TEST_F(Aktualisieren, AFailedImportIsNoSuccess) {
    schreiben("pa20250513.txt", {"kaputt"});

    EXPECT_FALSE(Lokal_Aktualisieren(u, Updateart::FPPARA, true));

    EXPECT_EQ(fehlermeldungen(), std::vector<int>{92});
    EXPECT_TRUE(begleitung.aufrufe.isEmpty());
}

TEST_F(Aktualisieren, AMissingDirectoryIsMessage32) {
    u.verzeichnis = ordner.datei("fehlt");

    EXPECT_FALSE(Lokal_Aktualisieren(u, Updateart::Aktien, true));
    EXPECT_FALSE(Versionspruefung(u));

    EXPECT_EQ(spezialfehler(), std::vector<int>({32, 32}));
}

TEST_F(Aktualisieren, VersionCheckAsksWhetherToImportAnEqualOrNewerFile) {
    const struct {
        const char* installiert;
        const char* datei;
        int frage;
    } faelle[] = {{"", "1.1", 11}, {"1.5", "1.5", 12}, {"1.5", "1.6", 11}, {"1.6", "1.5", 12}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.installiert) + " / " + f.datei);
        if (*f.installiert) installiert(f.installiert);
        schreiben("update_produkte12.txt", {f.datei, produktzeile()});
        dialoge.leeren();
        dialoge.antworten({false});

        EXPECT_FALSE(Versionspruefung(u));

        EXPECT_EQ(dialoge.nummern(Meldung::Quelle::Bestaetigung), std::vector<int>{f.frage});
    }
}

TEST_F(Aktualisieren, FullUpdateReadsEveryFileInOrderAndKeepsDividends) {
    installiert("1.5");
    datenbank.ausfuehren("INSERT INTO Produkt (Produkt, Dividende, DividendenTage) VALUES "
                         "('prd1', 0.8, '20.05.25')");
    alleDateien();

    EXPECT_TRUE(Komplett_Aktualisieren(u));

    EXPECT_EQ(gelesen(), QStringList({"update_produkte12.txt", "mp20250513.txt", "ms20250513.txt",
                                      "ve20250513.txt", "pa20250513.txt"}));
    EXPECT_EQ(dialoge.nummern(Meldung::Quelle::Bestaetigung), std::vector<int>{11});
    EXPECT_EQ(fehlermeldungen(), std::vector<int>{90});
    EXPECT_EQ(dbVersion(), "1.6");
    EXPECT_EQ(zeilen("SELECT Produkt, Dividende, DividendenTage, MarginKlasse FROM Produkt "
                     "ORDER BY rowid"),
              QStringList({"PRD1|0.8|20.05.25|KL1", "QS0000000001|0||EQ1"}));
    // One error log for all files.
    EXPECT_EQ(zeilen("SELECT Zusatz FROM FehlerP ORDER BY LfdNr"),
              QStringList({"update_produkte12.txt:4", "mp20250513.txt:2"}));
    EXPECT_EQ(begleitung.aufrufe.first(), "Abhaengige_Fenster_Schliessen");
    EXPECT_EQ(begleitung.aufrufe.last(), "MarginKlassen_Neu_Laden");
}

TEST_F(Aktualisieren, FullUpdateStopsAtTheFirstFailure) {
    alleDateien();
    QFile::remove(ordner.datei("ve20250513.txt"));

    EXPECT_FALSE(Komplett_Aktualisieren(u));

    EXPECT_EQ(gelesen(),
              QStringList({"update_produkte12.txt", "mp20250513.txt", "ms20250513.txt"}));
    EXPECT_EQ(spezialfehler(), std::vector<int>{33});
    EXPECT_TRUE(fehlermeldungen().empty());
    // The product file was imported: its version is installed.
    EXPECT_EQ(dbVersion(), "1.6");
}

TEST_F(Aktualisieren, ARefusedProductFileInstallsNoVersionAndReadsNothingElse) {
    installiert("1.5");
    alleDateien();
    schreiben("update_produkte12.txt", {"1.6", "kaputt"});

    EXPECT_FALSE(Komplett_Aktualisieren(u));

    EXPECT_EQ(gelesen(), QStringList({"update_produkte12.txt"}));
    EXPECT_EQ(fehlermeldungen(), std::vector<int>{92});
    EXPECT_EQ(dbVersion(), "1.5");
}

TEST_F(Aktualisieren, TheDerivativesDatabaseReadsItsOwnProductFile) {
    u.datenbankdatei = "Quilm_Derivate.abs";
    EXPECT_EQ(QFileInfo(Produktdateipfad(u)).fileName(), "update_produkte_der12.txt");
}

} // namespace
