#include "TestUmgebung.h"

#include "shell/Gitterlayout.h"
#include "shell/IniDatei.h"
#include "shell/Konfiguration.h"
#include "shell/Programm.h"

#include <gtest/gtest.h>

namespace {

TEST(Konfiguration, AMissingFileGivesEveryDefault) {
    TestOrdner ordner;
    const Konfiguration k(ordner.datei("margin.INI"));
    EXPECT_EQ(k.sprache(), "deutsch");
    EXPECT_FALSE(k.pembyExport());
    EXPECT_EQ(k.helpdatei("d"), "/hlp/QUILM2.HLP");
    EXPECT_EQ(k.helpdatei("e"), "/hlp/QUILM2e.HLP");
    EXPECT_EQ(k.helpdatei("deutsch"), "");
    EXPECT_EQ(k.dbVersion(), "1.0");
    EXPECT_EQ(k.datenbankVersionsnummer(), 0.0);
    EXPECT_FALSE(k.updateLokal());
    EXPECT_FALSE(k.ifProxy());
    EXPECT_EQ(k.updatepfadLokal(), "");
    EXPECT_TRUE(k.updatepfadDerivate(Konfiguration::Vorgabe::Pfadfenster).endsWith("/kursblatt/"));
    EXPECT_TRUE(k.updatepfadDerivate(Konfiguration::Vorgabe::Download)
                    .endsWith("/derivate-margin-gruppen-und-klassen/"));
    EXPECT_EQ(k.proxyServer(Konfiguration::Vorgabe::Pfadfenster), "");
    EXPECT_TRUE(k.proxyServer(Konfiguration::Vorgabe::Download).contains(":8080"));

    const Gitterlayout::Layout layout = Gitterlayout::laden(k, 19);
    ASSERT_EQ(layout.spalten.size(), 19u);
    for (const auto& spalte : layout.spalten) {
        EXPECT_EQ(spalte.feld, "ERROR");
        EXPECT_EQ(spalte.breite, 100);
    }
    EXPECT_EQ(layout.fenster, QSize(600, 400));
    EXPECT_FALSE(QFile::exists(ordner.datei("margin.INI"))) << "reading creates no file";
}

TEST(Konfiguration, SectionsAndKeysIgnoreCaseAndWritingKeepsTheRestOfTheFile) {
    TestOrdner ordner;
    ordner.schreiben("margin.INI", "; installed by the administrator\n"
                                   "[SPRACHE]\nsprache=e\n"
                                   "[Pemby]\nPEMBY_EXPORT=True\n"
                                   "[Eigenes]\nSchluessel=bleibt\n");
    const Konfiguration k(ordner.datei("margin.INI"));
    EXPECT_EQ(k.sprache(), "e");
    EXPECT_TRUE(k.pembyExport());

    ASSERT_TRUE(k.spracheSchreiben("d"));
    ASSERT_TRUE(k.dbVersionSchreiben("1.6"));
    EXPECT_EQ(k.sprache(), "d");
    EXPECT_EQ(k.dbVersion(), "1.6");
    const QString inhalt = ordner.lesen("margin.INI");
    EXPECT_TRUE(inhalt.contains("; installed by the administrator"));
    EXPECT_TRUE(inhalt.contains("Schluessel = bleibt") || inhalt.contains("Schluessel=bleibt"));
    EXPECT_EQ(inhalt.count("sprache", Qt::CaseInsensitive), 2) << "one section, one key";
}

TEST(Konfiguration, GridLayoutReadsBackAfterSaving) {
    TestOrdner ordner;
    const Konfiguration k(ordner.datei("margin.INI"));
    Gitterlayout::Layout gespeichert;
    gespeichert.spalten = {{"Produkte", 80}, {"Laufzeit", 64}, {"Anzahl", 120}};
    gespeichert.fenster = QSize(900, 500);
    ASSERT_TRUE(Gitterlayout::speichern(k, gespeichert));

    const Gitterlayout::Layout gelesen = Gitterlayout::laden(k, 4);
    EXPECT_EQ(gelesen.spalten[0].feld, "Produkte");
    EXPECT_EQ(gelesen.spalten[1].breite, 64);
    EXPECT_EQ(gelesen.spalten[2].feld, "Anzahl");
    EXPECT_EQ(gelesen.spalten[3].feld, "ERROR");
    EXPECT_EQ(gelesen.fenster, QSize(900, 500));
}

TEST(Konfiguration, UpdatePathsGetOneTrailingSeparator) {
    TestOrdner ordner;
    const Konfiguration k(ordner.datei("margin.INI"));
    Konfiguration::Updateeinstellungen e;
    e.lokal = true;
    e.pfadLokal = "/srv/update";
    e.pfadDerivate = "https://example.org/seite/";
    e.pfadAktien = "https://example.org/aktien";
    e.pfadDatabase = "https://example.org/db";
    ASSERT_TRUE(k.updateeinstellungenSchreiben(e));
    EXPECT_TRUE(k.updateLokal());
    EXPECT_FALSE(k.ifProxy());
    EXPECT_EQ(k.updatepfadLokal(), "/srv/update/");
    EXPECT_EQ(k.updatepfadDerivate(Konfiguration::Vorgabe::Download), "https://example.org/seite/");
    EXPECT_EQ(k.updatepfadAktien(Konfiguration::Vorgabe::Download), "https://example.org/aktien/");
    EXPECT_EQ(k.proxyServer(Konfiguration::Vorgabe::Download), "") << "an empty proxy stays empty";
}

TEST(IniDatei, ReadsWindowsLatin1FilesAndNonNumbersAsTheDefault) {
    TestOrdner ordner;
    QFile datei(ordner.datei("Label_d.ini"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(
        QString("[Allgemein]\nL_Schliessen=Schließen\n[Fehlermeldungen]\nT5=zwei\n").toLatin1());
    datei.close();
    const IniDatei ini(ordner.datei("Label_d.ini"));
    EXPECT_EQ(ini.text("allgemein", "l_schliessen"), "Schließen");
    EXPECT_EQ(ini.zahl("Fehlermeldungen", "T5", 0), 0);
    EXPECT_EQ(ini.text("Allgemein", "fehlt", "Vorgabe"), "Vorgabe");
}

TEST(Programm, LanguageCodeSelectsLabelFileAndHelpFilm) {
    struct Fall {
        QString sprache;
        QString labeldatei;
        QString hilfefilm;
        QString hilfedatei;
    };
    const Fall faelle[] = {
        {"d", "Label_d.ini", "Hilfe/Hilfe", "/hlp/QUILM2.HLP"},
        {"e", "Label_e.ini", "Help/Help", "/hlp/QUILM2e.HLP"},
        {"deutsch", "", "", ""},
    };
    for (const Fall& f : faelle) {
        TestOrdner ordner;
        ordner.schreiben("margin.INI", "[Sprache]\nSprache=" + f.sprache + "\n");
        Programm p;
        p.initialisieren(ordner.pfad(), '/');
        const auto imOrdner = [&](const QString& n) { return n.isEmpty() ? n : ordner.pfad() + n; };
        EXPECT_EQ(p.labeldatei, imOrdner(f.labeldatei)) << f.sprache.toStdString();
        EXPECT_EQ(p.hilfefilm, imOrdner(f.hilfefilm));
        EXPECT_EQ(p.hilfedatei, imOrdner(f.hilfedatei));
        EXPECT_EQ(p.datumsstil, "e");
    }
}

} // namespace
