#pragma once

#include <QDate>
#include <QString>

// The process-wide settings: one instance, created at start, alive until exit.
// The main window fills it; every other part reads it from here and keeps no copy.
struct Programm {
    QString programmverzeichnis; // with trailing separator
    QString konfigurationsdatei; // margin.INI in the program directory
    QString sprache;             // "d", "e", or whatever the configuration holds
    QString labeldatei;          // empty unless the language is "d" or "e"
    QString datumsstil = "d";    // "d": day first, "e": month first
    QChar datumstrenner = '.';   // separator of date texts
    QString datenbankdatei = "Quilm.abs";
    QString Ausgabewaehrung = "EUR";
    QString AusgewaehlteKlasse;
    bool KlasseGewechselt = false;
    bool wartung = false; // shows the maintenance menu item and export button
    QString hilfedatei;
    QString hilfefilm;
    QDate Berechnungsdatum = QDate::currentDate();
    bool startflag = true;

    static Programm& instanz();

    // Reads the settings that depend on the program directory and the
    // configuration file, as done when the main window is created.
    void initialisieren(const QString& verzeichnis, QChar systemDatumstrenner);
    // Sets the language code and what follows from it: label file and help film.
    void spracheSetzen(const QString& code);
    // Re-reads the help file path for the current language from the configuration.
    void hilfedateiLesen();
    // Date style and separator of date texts ("d" with ".", else "e").
    void datumsformatSetzen(QChar trenner);

    QString datenbankpfad() const { return programmverzeichnis + datenbankdatei; }

    // The date separator of the system's short date format.
    static QChar systemDatumstrenner();
};
