#include "TestUmgebung.h"

#include "shell/AufzeichnendeDialoge.h"
#include "shell/IniDatei.h"
#include "shell/Meldungstexte.h"
#include "shell/Programm.h"

#include <gtest/gtest.h>

namespace {

using Quelle = Meldung::Quelle;

TEST(Meldungen, WithoutALabelFileTheFixedTextsAppear) {
    const IniDatei keine(QString{});
    const auto fehler = Meldungstexte::fehlermeldung(keine, 92);
    ASSERT_TRUE(fehler);
    EXPECT_EQ(fehler->art, MeldungsArt::Warnung);
    EXPECT_EQ(fehler->text, "Der Fehler F92 ist aufgetreten");
    EXPECT_FALSE(fehler->jaNein);

    const Meldung frage = Meldungstexte::bestaetigung(keine, 11);
    EXPECT_EQ(frage.text, "Error B11");
    EXPECT_TRUE(frage.jaNein);

    EXPECT_EQ(Meldungstexte::spezialfehler(keine, 2, "17")->text, "Der Fehler F2 ist aufgetreten")
        << "kind 0 drops the data";
    EXPECT_EQ(Meldungstexte::fehlertext(keine, 56), "Error F56");
}

TEST(Meldungen, KindAndArrangementComeFromTheLabelFile) {
    TestOrdner ordner;
    ordner.schreiben("Label_d.ini", "[Fehlermeldungen]\n"
                                    "T65=2\nF65=Long oder Short?\n"
                                    "T66=4\nF66=nie gezeigt\n"
                                    "T67=x\nF67=Art ist keine Zahl\n"
                                    "[Fehlermeldung_Spezial]\n"
                                    "T2=3\nA2=2\nF2_1=Es wurden\nF2_2=Fehler protokolliert.\n"
                                    "T17=1\nA17=1\n"
                                    "T18=1\n"
                                    "[Bestaetigungen_Spezial]\n"
                                    "A1=1\nF1_1=überschreiben?\n");
    const IniDatei l(ordner.datei("Label_d.ini"));

    struct Fall {
        std::optional<Meldung> meldung;
        std::optional<MeldungsArt> art;
        QString text;
    };
    const Fall faelle[] = {
        {Meldungstexte::fehlermeldung(l, 65), MeldungsArt::Fehler, "Long oder Short?"},
        {Meldungstexte::fehlermeldung(l, 66), std::nullopt, ""},
        {Meldungstexte::fehlermeldung(l, 67), MeldungsArt::Warnung,
         "Der Fehler F67 ist aufgetreten"},
        {Meldungstexte::spezialfehler(l, 2, "5"), MeldungsArt::Information,
         "Es wurden 5 Fehler protokolliert."},
        {Meldungstexte::spezialfehler(l, 17, "ODAX"), MeldungsArt::Warnung, "ODAX "},
        {Meldungstexte::spezialfehler(l, 18, "ODAX"), MeldungsArt::Warnung, ""},
    };
    for (const Fall& f : faelle) {
        ASSERT_EQ(f.meldung.has_value(), f.art.has_value()) << f.text.toStdString();
        if (!f.meldung) continue;
        EXPECT_EQ(f.meldung->art, *f.art) << f.text.toStdString();
        EXPECT_EQ(f.meldung->text, f.text);
    }
    EXPECT_EQ(Meldungstexte::spezialbestaetigung(l, 1, "BUCH").text, "BUCH überschreiben?");
}

TEST(Meldungen, DialogsAskTheCurrentLanguageAndRecordTheAnswers) {
    TestOrdner ordner;
    ordner.schreiben("Label_e.ini", "[Bestaetigungen]\nB2=Discard the portfolio?\n");
    Programm& p = Programm::instanz();
    const QString vorher = p.labeldatei;
    p.labeldatei = ordner.datei("Label_e.ini");

    AufzeichnendeDialoge dialoge(false);
    dialoge.antworten({true});
    EXPECT_TRUE(dialoge.Bestaetigung_Fragen(2));
    EXPECT_FALSE(dialoge.Bestaetigung_Fragen(2)) << "script used up: the standing answer";
    dialoge.Fehlermeldung_Zeigen(80);
    EXPECT_EQ(dialoge.meldungen().front().text, "Discard the portfolio?");
    EXPECT_EQ(dialoge.nummern(Quelle::Bestaetigung), (std::vector<int>{2, 2}));
    EXPECT_EQ(dialoge.nummern(Quelle::Fehlermeldung), (std::vector<int>{80}));
    p.labeldatei = vorher;
}

} // namespace
