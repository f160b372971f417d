#include "shell/Programm.h"

#include "shell/Konfiguration.h"

#include <QFileInfo>
#include <QLocale>

Programm& Programm::instanz() {
    static Programm programm;
    return programm;
}

void Programm::initialisieren(const QString& verzeichnis, QChar systemTrenner) {
    datenbankdatei = "Quilm.abs";
    datumsformatSetzen(systemTrenner);
    Ausgabewaehrung = "EUR";
    AusgewaehlteKlasse.clear();
    startflag = true;
    programmverzeichnis = verzeichnis.endsWith('/') ? verzeichnis : verzeichnis + '/';
    konfigurationsdatei = programmverzeichnis + "margin.INI";
    const Konfiguration konfiguration(konfigurationsdatei);
    wartung = konfiguration.pembyExport();
    spracheSetzen(konfiguration.sprache());
    hilfedateiLesen();
}

void Programm::spracheSetzen(const QString& code) {
    sprache = code;
    labeldatei.clear();
    hilfefilm.clear();
    if (code == "d") {
        labeldatei = programmverzeichnis + "Label_d.ini";
        hilfefilm = programmverzeichnis + "Hilfe/Hilfe";
    } else if (code == "e") {
        labeldatei = programmverzeichnis + "Label_e.ini";
        hilfefilm = programmverzeichnis + "Help/Help";
    }
}

void Programm::hilfedateiLesen() {
    const QString datei = Konfiguration(konfigurationsdatei).helpdatei(sprache);
    hilfedatei = datei.isEmpty() ? QString() : programmverzeichnis + datei;
}

void Programm::datumsformatSetzen(QChar trenner) {
    datumstrenner = trenner;
    datumsstil = trenner == '.' ? "d" : "e";
}

// Only ".", "/" and "-" separate date texts; a locale without them (the
// POSIX locale writes "11 Dec 2026") takes "/", month first.
QChar Programm::systemDatumstrenner() {
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    for (const QChar c : format)
        if (c == '.' || c == '/' || c == '-') return c;
    return '/';
}
