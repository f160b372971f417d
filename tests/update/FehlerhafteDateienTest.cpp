// Files that do not fit their format: a file of which no line fits is refused with a clear
// message and changes nothing; a single bad line is skipped and named in the error log.

#include "Updatetestumgebung.h"
#include "update/Updateimport.h"

namespace {

enum class Art { Produkte, Derivate, Aktien, VolaShifts, Risikofaktoren };

bool importieren(Updateumgebung& u, Art art, const QString& pfad) {
    switch (art) {
    case Art::Produkte:
        return Produktdatei_Importieren(u, pfad).has_value();
    case Art::Derivate:
        return Derivate_Importieren(u, pfad);
    case Art::Aktien:
        return Wertpapiere_Importieren(u, pfad);
    case Art::VolaShifts:
        return VolaShifts_Importieren(u, pfad);
    case Art::Risikofaktoren:
        return Risikofaktoren_Importieren(u, pfad);
    }
    return false;
}

const QString kBinaer =
    QString("PK") + QChar(0) + QChar(3) + "\xff\xfe" + QChar(0) + "\n" + MpZeile{}.text() + "\n";
const QString kSteuerzeichen =
    QString(QChar(1)) + QChar(2) + QChar(27) + "[0m" + QString(60, QChar(0x7f)) + "\n";

struct Fall {
    const char* name;
    Art art;
    QString inhalt;
    std::vector<int> zeilen; // the lines named in the error log
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class Abgewiesen : public UpdateTest, public ::testing::WithParamInterface<Fall> {
protected:
    void SetUp() override {
        datenbank.ausfuehren(
            "INSERT INTO Produkt (Produkt, ISIN, Art, MarginKlasse, Dividende) VALUES "
            "('QS0000000001', 'QS0000000001', 'E', 'EQ1', 1.2);"
            "INSERT INTO MarginKlasse (MarginKlasse, MarginGruppe) VALUES ('EQ1', 'AKT');"
            "INSERT INTO MarginGruppe (MarginGruppe, OffsetFaktor) VALUES ('AKT', 50);"
            "INSERT INTO vola_shifts (typ, days) VALUES ('I', 30);"
            "INSERT INTO vola_shifts_index (typ, days) VALUES ('I', 30);"
            "INSERT INTO FPPARA (MarginKlasse, Jahr, Monat, LZIndex) VALUES ('EQ1', 26, 6, 0)");
    }

    QStringList bestand() const {
        QStringList b;
        for (const char* t : {"Produkt", "MarginKlasse", "MarginGruppe", "vola_shifts",
                              "vola_shifts_index", "FPPARA", "U_Produkt_Bonds"})
            b << t << zeilen(QString("SELECT * FROM %1").arg(t));
        return b;
    }
};

TEST_P(Abgewiesen, ChangesNothingAndSaysSo) {
    const Fall& f = GetParam();
    ordner.schreiben("datei.txt", f.inhalt);
    const QStringList vorher = bestand();

    EXPECT_FALSE(importieren(u, f.art, ordner.datei("datei.txt")));

    EXPECT_EQ(bestand(), vorher);
    if (f.art == Art::Aktien) {
        EXPECT_TRUE(fehlermeldungen().empty());
        EXPECT_EQ(spezialfehler(), std::vector<int>{30});
        EXPECT_TRUE(dialoge.meldungen().back().text.contains(ordner.datei("datei.txt")));
    } else {
        EXPECT_EQ(fehlermeldungen(), std::vector<int>{92});
        EXPECT_TRUE(spezialfehler().empty());
    }
    QStringList erwartet;
    for (int z : f.zeilen) erwartet << QString("%1|34|S|datei.txt:%1").arg(z);
    EXPECT_EQ(zeilen("SELECT ZeilenNr, Nummer, Art, Zusatz FROM FehlerP ORDER BY LfdNr"), erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    UpdateDateien, Abgewiesen,
    ::testing::Values(
        Fall{"ProdukteLeer", Art::Produkte, "", {}},
        Fall{"ProdukteNurVersion", Art::Produkte, "1.5\n", {}},
        Fall{"ProdukteVersionKeineZahl", Art::Produkte, "Version 2\n" + produktzeile() + "\n", {1}},
        Fall{"ProdukteKurzeZeilen", Art::Produkte, "1.5\nA1;QS1;Name;KL1\n\nB2;;\n", {2, 3, 4}},
        Fall{"ProdukteBuchstabenInZahlen",
             Art::Produkte,
             datei({"1.5", produktzeile({{7, "0,01"}}), produktzeile({{23, "zwölf"}})}),
             {2, 3}},
        Fall{"ProdukteBinaer", Art::Produkte, kBinaer, {}},
        Fall{"DerivateLeer", Art::Derivate, "", {}},
        Fall{"DerivateKurzeZeilen", Art::Derivate, "GRP1 80 KL1\nGRP2\nEND\n", {1, 2}},
        Fall{"DerivateBuchstabenInZahlen",
             Art::Derivate,
             datei({MpZeile{.parameter = "12a.50"}.text(), MpZeile{.back = "n/a"}.text(), "END"}),
             {1, 2}},
        Fall{
            "DerivateOhneKlasse", Art::Derivate, datei({MpZeile{.klasse = ""}.text(), "END"}), {1}},
        Fall{"DerivateBinaer", Art::Derivate, kBinaer, {}},
        Fall{"DerivateSteuerzeichen", Art::Derivate, kSteuerzeichen + kSteuerzeichen, {1}},
        Fall{"AktienLeer", Art::Aktien, "", {}}, Fall{"AktienNurEof", Art::Aktien, "*EOF*\n", {}},
        Fall{"AktienKurzeZeile", Art::Aktien, "AKT  +050EQ1  QS0000000001\n*EOF*\n", {1}},
        Fall{"VolaShiftsLeer", Art::VolaShifts, "\n\n", {}},
        Fall{"VolaShiftsBuchstabenInZahlen",
             Art::VolaShifts,
             datei({VeZeile{.days = "3O"}.text(), VeZeile{.mnes = "1.0.0"}.text()}),
             {1, 2}},
        Fall{"VolaShiftsSteuerzeichen", Art::VolaShifts, kSteuerzeichen, {1}},
        Fall{"RisikofaktorenLeer", Art::Risikofaktoren, "", {}},
        Fall{"RisikofaktorenJahrMitBruch",
             Art::Risikofaktoren,
             datei({PaZeile{.jahr = "8.5"}.text(), PaZeile{.faktor = "hoch"}.text()}),
             {1, 2}},
        Fall{"RisikofaktorenBinaer", Art::Risikofaktoren, kBinaer, {}}),
    [](const ::testing::TestParamInfo<Fall>& p) { return p.param.name; });

// One good and one bad line: the good one is applied, the bad one named.
class EineFehlerhafteZeile : public UpdateTest, public ::testing::WithParamInterface<Fall> {};

TEST_P(EineFehlerhafteZeile, IsSkippedAndNamedWhileTheRestIsApplied) {
    const Fall& f = GetParam();
    datenbank.ausfuehren("INSERT INTO Produkt (Produkt, ISIN, Art) VALUES "
                         "('QS0000000001', 'QS0000000001', 'E'), ('PRD1', '', 'A')");
    ordner.schreiben("datei.txt", f.inhalt);

    EXPECT_TRUE(importieren(u, f.art, ordner.datei("datei.txt")));

    EXPECT_TRUE(dialoge.meldungen().empty());
    EXPECT_EQ(zeilen("SELECT ZeilenNr, Zusatz FROM FehlerP"),
              QStringList({QString("%1|datei.txt:%1").arg(f.zeilen.at(0))}));
    const char* angewendet = f.art == Art::VolaShifts       ? "SELECT count(*) FROM vola_shifts"
                             : f.art == Art::Risikofaktoren ? "SELECT count(*) FROM FPPARA"
                             : f.art == Art::Produkte       ? "SELECT count(*) FROM Produkt"
                                                            : "SELECT count(*) FROM MarginKlasse";
    EXPECT_EQ(zeilen(angewendet), QStringList({"1"}));
}

INSTANTIATE_TEST_SUITE_P(
    UpdateDateien, EineFehlerhafteZeile,
    ::testing::Values(
        Fall{"Produkte", Art::Produkte, datei({"1.5", produktzeile(), "kaputt"}), {3}},
        Fall{"Derivate", Art::Derivate, datei({"kaputt", MpZeile{}.text(), "END"}), {1}},
        Fall{"Aktien", Art::Aktien, datei({MsZeile{}.text(), "kaputt", "*EOF*"}), {2}},
        Fall{"VolaShifts", Art::VolaShifts, datei({VeZeile{}.text(), "kaputt"}), {2}},
        Fall{"Risikofaktoren", Art::Risikofaktoren, datei({"kaputt", PaZeile{}.text()}), {1}}),
    [](const ::testing::TestParamInfo<Fall>& p) { return p.param.name; });

} // namespace
