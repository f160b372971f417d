#include "Befehle.h"

#include "store/Datenbank.h"
#include "store/DatenbankFehler.h"

#include <QFileInfo>
#include <iostream>

namespace {

struct InitDbOptionen {
    std::string datei;
    bool leer = false;
    bool derivate = false;
};

int initDb(const InitDbOptionen& o) {
    const QString pfad = QString::fromStdString(o.datei);
    if (!o.leer) {
        std::cerr << "This build has no demo reference data yet; use --empty.\n";
        return 2;
    }
    if (QFileInfo::exists(pfad)) {
        std::cerr << "File exists already, nothing changed: " << o.datei << "\n";
        return 2;
    }
    try {
        Datenbank::oeffnen(pfad);
        Datenbank::schliessen();
    } catch (const DatenbankFehler& f) {
        std::cerr << f.what() << "\n";
        return 2;
    }
    std::cout << "Created " << o.datei << "\n";
    return 0;
}

} // namespace

void initDbEinrichten(CLI::App& app, int& exitcode) {
    auto optionen = std::make_shared<InitDbOptionen>();
    CLI::App* befehl = app.add_subcommand("init-db", "Create a database file with the full schema");
    befehl->add_flag("--empty", optionen->leer, "Schema only, no reference data");
    befehl->add_flag("--derivatives", optionen->derivate, "The derivatives-only database");
    befehl->add_option("FILE", optionen->datei, "Database file to create")->required();
    befehl->callback([optionen, &exitcode] { exitcode = initDb(*optionen); });
}
