#include "Befehle.h"

#include "store/Datenbank.h"
#include "store/DatenbankFehler.h"
#include "update/Demodaten.h"
#include "update/Demodatenfehler.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <iostream>

namespace {

struct InitDbOptionen {
    std::string datei;
    bool leer = false;
    bool derivate = false;
    std::string daten;    // folder of the demo data; the one beside the tool when empty
    std::string stichtag; // YYYY-MM-DD; today when empty
};

void leerAnlegen(const QString& pfad) {
    Datenbank::oeffnen(pfad);
    Datenbank::schliessen();
}

void demodatenAnlegen(const InitDbOptionen& o, const QString& pfad) {
    const QString daten = o.daten.empty()
                              ? Demodaten::ordner(QCoreApplication::applicationDirPath())
                              : QString::fromStdString(o.daten);
    const QDate stichtag = o.stichtag.empty()
                               ? QDate::currentDate()
                               : QDate::fromString(QString::fromStdString(o.stichtag), Qt::ISODate);
    if (!stichtag.isValid())
        throw Demodatenfehler("Not a date (YYYY-MM-DD): " + QString::fromStdString(o.stichtag));
    Demodaten::anlegen(pfad, o.derivate, daten, stichtag);
}

int initDb(const InitDbOptionen& o) {
    const QString pfad = QString::fromStdString(o.datei);
    if (QFileInfo::exists(pfad)) {
        std::cerr << "File exists already, nothing changed: " << o.datei << "\n";
        return 2;
    }
    try {
        if (o.leer)
            leerAnlegen(pfad);
        else
            demodatenAnlegen(o, pfad);
    } catch (const DatenbankFehler& f) {
        std::cerr << f.what() << "\n";
        return 2;
    } catch (const Demodatenfehler& f) {
        std::cerr << f.what() << "\n";
        return 2;
    }
    std::cout << "Created " << o.datei << "\n";
    return 0;
}

} // namespace

void initDbEinrichten(CLI::App& app, int& exitcode) {
    auto optionen = std::make_shared<InitDbOptionen>();
    CLI::App* befehl = app.add_subcommand(
        "init-db", "Create a database file with the full schema and the demo reference data");
    befehl->add_flag("--empty", optionen->leer, "Schema only, no reference data");
    befehl->add_flag("--derivatives", optionen->derivate, "The derivatives-only database");
    befehl->add_option("--data", optionen->daten,
                       "Folder of the demo data (default: the folder data beside the tool)");
    befehl->add_option("--date", optionen->stichtag,
                       "Reference date of the date-bound demo data, YYYY-MM-DD (default: today)");
    befehl->add_option("FILE", optionen->datei, "Database file to create")->required();
    befehl->callback([optionen, &exitcode] { exitcode = initDb(*optionen); });
}
