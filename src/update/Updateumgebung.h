#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>

class Dialoge;
class Updatebegleitung;

// Everything an update works with besides its files: the database, whom it asks and tells,
// where the local update files lie and the settings that choose file names and texts.
struct Updateumgebung {
    QSqlDatabase db;
    Dialoge& dialoge;
    Updatebegleitung& begleitung;
    QString verzeichnis{};                // Updatepfad_Lokal
    QString datenbankdatei = "Quilm.abs"; // chooses the product file
    QString konfigurationsdatei{};        // margin.INI: the installed DBVersion
    QString sprache = "d";                // of the progress texts
    QDate heute = QDate::currentDate();
    // Each import starts a fresh error log, except inside a full update, which starts one
    // log for all its files.
    bool protokollLeeren = true;

    // The settings of the running program and its configuration file.
    static Updateumgebung desProgramms(QSqlDatabase db, Dialoge& dialoge,
                                       Updatebegleitung& begleitung);
};
