#include "Dienstumgebung.h"
#include "TestUmgebung.h"

#include "input/Fehlerprotokoll.h"
#include "pricing/Meldungsanbindung.h"
#include "pricing/Preisdienste.h"
#include "pricing/TOptionsRechenModell.h"
#include "shell/AufzeichnendeDialoge.h"
#include "shell/Programm.h"
#include "store/Sql.h"

#include <QSqlQuery>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Anbindung : ::testing::Test {
    TestDatenbank datenbank;
    AufzeichnendeDialoge dialoge;
    Fehlerprotokoll protokoll{datenbank.db()};
    Meldungsanbindung anbindung{dialoge, protokoll};
    Dienstumgebung u;

    Anbindung() {
        Programm& p = Programm::instanz();
        p.programmverzeichnis = QString(QUILLMARK_RESSOURCEN) + "/";
        p.labeldatei = p.programmverzeichnis + "Label_d.ini";
    }

    double blackScholesUeber200(bool interaktiv) {
        Preiskontext k = u.kontext();
        k.meldungen = &anbindung;
        bool fehlgeschlagen = false;
        return ImpliziteVolaCall("", "BS", interaktiv, fehlgeschlagen, k, "I", 0, 30, 30, 100, 100);
    }
};

TEST_F(Anbindung, Fehler56AlsMeldung) {
    EXPECT_EQ(blackScholesUeber200(true), 25);
    EXPECT_EQ(dialoge.nummern(Meldung::Quelle::Fehlermeldung), std::vector<int>{56});
    EXPECT_EQ(protokoll.anzahl(), 0);
}

TEST_F(Anbindung, Fehler56AlsFehlerzeile) {
    EXPECT_EQ(blackScholesUeber200(false), 25);
    EXPECT_TRUE(dialoge.meldungen().empty());
    QSqlQuery q = Sql::ausfuehren(datenbank.db(),
                                  "SELECT ZeilenNr, ProdName, Nummer, Art, Zusatz FROM FehlerP");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 7);
    EXPECT_EQ(q.value(1).toString(), "ODAX");
    EXPECT_EQ(q.value(2).toInt(), 56);
    EXPECT_EQ(q.value(3).toString(), "F");
    EXPECT_EQ(q.value(4).toString(), "");
    EXPECT_FALSE(q.next());
}

TEST_F(Anbindung, RechenfehlerAlsFehlerkasten) {
    RechenfehleranzeigeSetzen(&anbindung);
    EXPECT_THROW(TOptionsRechenModell::NormalDichte(std::nan("")), Rechenfehler);
    RechenfehleranzeigeSetzen(nullptr);
    ASSERT_EQ(dialoge.meldungen().size(), 1u);
    EXPECT_EQ(dialoge.meldungen()[0].quelle, Meldung::Quelle::Hinweis);
    EXPECT_EQ(dialoge.meldungen()[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(dialoge.meldungen()[0].text, "ErrorNVS");
}

} // namespace
