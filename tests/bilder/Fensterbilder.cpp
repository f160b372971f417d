// Saves a picture of every window the program can show into the build
// folder, so anyone can look at the windows without a display.

#include "input/Eingabelogik.h"
#include "input/TAend_Dat.h"
#include "input/TAend_Kurs.h"
#include "input/TEingabe.h"
#include "margin/TAusgabe1.h"
#include "shell/AufzeichnendeDialoge.h"
#include "shell/Fensterfabrik.h"
#include "shell/Fensterrahmen.h"
#include "shell/THilfe.h"
#include "shell/TMain.h"
#include "shell/TStart.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

bool kopieren(const QString& von, const QString& nach) {
    if (QFileInfo(von).isDir()) {
        QDir().mkpath(nach);
        for (const QString& name :
             QDir(von).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            if (!kopieren(von + "/" + name, nach + "/" + name)) return false;
        return true;
    }
    return QFile::copy(von, nach);
}

int fehler = 0;

// A small portfolio of the demo data, so the windows show what a user sees.
void portfolioEingeben(TEingabe& eingabe) {
    Eingabelogik& e = eingabe.logik();
    const auto zeile = [&](int i, std::initializer_list<std::pair<const char*, QVariant>> felder) {
        while (e.tabelle().anzahl() <= i) e.neueZeile();
        for (const auto& [feld, wert] : felder) e.feldGeaendert(i, feld, wert);
    };
    const QString laufzeit = [&] {
        e.Produktliste_Filtern("*");
        e.maturitaetenAufbauen(*e.referenz().produkt("FSXA"));
        return e.laufzeitAuswahl().value(1);
    }();
    zeile(0, {{"Prod_Neu", "OSXA"},
              {"Laufzeit", laufzeit},
              {"Basispreis", 4900},
              {"ProduktArt", "C"},
              {"LS", "S"},
              {"Anzahl", 10},
              {"TradePrice", 150}});
    zeile(1, {{"Prod_Neu", "FSXA"},
              {"Laufzeit", laufzeit},
              {"LS", "L"},
              {"Anzahl", 2},
              {"TradePrice", 4860}});
    eingabe.zeilenNeuLaden();
}

void speichern(QWidget* fenster, const QString& ordner, const QString& name) {
    QApplication::processEvents();
    const QString datei = ordner + "/" + name + ".png";
    if (!fenster || !fenster->grab().save(datei)) {
        std::fprintf(stderr, "no picture of %s\n", qPrintable(name));
        ++fehler;
        return;
    }
    std::printf("%s\n", qPrintable(datei));
}

} // namespace

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    const QString ziel = QUILLMARK_BILDER_ORDNER;
    QDir().mkpath(ziel);

    // A fresh program folder with the real label files and help pages.
    QTemporaryDir programm;
    const QString quelle = QApplication::applicationDirPath();
    for (const char* datei : {"Label_d.ini", "Label_e.ini", "hlp", "data"})
        kopieren(quelle + "/" + datei, programm.path() + "/" + QString(datei));
    QFile konfiguration(programm.path() + "/margin.INI");
    if (konfiguration.open(QIODevice::WriteOnly)) konfiguration.write("[Sprache]\nSprache=d\n");
    konfiguration.close();

    TStart start(60000);
    start.show();
    speichern(&start, ziel, "Start");
    start.close();

    AufzeichnendeDialoge dialoge;
    TMain haupt(programm.path(), dialoge);
    haupt.resize(1280, 800);
    haupt.show();
    if (!QTest::qWaitFor([&] { return haupt.IsChildOpen("DBWahl"); }, 3000)) return 1;
    QWidget* wahl = haupt.fenster("DBWahl");
    speichern(wahl, ziel, "DBWahl");
    QTest::mouseClick(wahl->findChild<QPushButton*>("BT_Alles"), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return haupt.IsChildOpen("Eingabe"); }, 3000)) return 1;

    portfolioEingeben(*static_cast<TEingabe*>(haupt.fenster("Eingabe")));
    haupt.ergebnisseBerechnen();
    auto* ergebnisse = static_cast<TAusgabe1*>(haupt.fenster("Ausgabe1"));
    if (!ergebnisse || !QTest::qWaitFor([&] { return !ergebnisse->laeuft(); }, 60000)) return 1;
    for (const QString& name : Fensterfabrik::namen()) {
        if (name == "DBWahl") continue;
        if (QWidget* fenster = haupt.zeigen(name)) speichern(fensterrahmen(fenster), ziel, name);
    }
    TAend_Dat datum(&haupt);
    datum.show();
    speichern(&datum, ziel, "aend_dat");
    TAend_Kurs kurs(&haupt);
    kurs.show();
    speichern(&kurs, ziel, "aend_kurs");
    haupt.zeigen("Eingabe");
    haupt.aktion("L_3_1")->trigger();
    speichern(haupt.findChild<THilfe*>(), ziel, "Hilfe");
    speichern(&haupt, ziel, "Main");
    return fehler == 0 ? 0 : 1;
}
