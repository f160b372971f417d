#include "Befehle.h"

#include "input/Fehlerprotokoll.h"
#include "shell/AufzeichnendeDialoge.h"
#include "shell/Programm.h"
#include "store/Datenbank.h"
#include "store/DatenbankFehler.h"
#include "store/Sql.h"
#include "update/Aktualisieren.h"
#include "update/Updatebegleitung.h"
#include "update/Updateumgebung.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlQuery>
#include <iostream>

namespace {

struct UpdateOptionen {
    std::string datenbank, verzeichnis, art = "all";
};

// Tells which files the update reads.
class Dateiausgabe : public Updatebegleitung {
public:
    void Updatedatei_Melden(const QString& pfad) override {
        std::cout << "Reading " << pfad.toStdString() << "\n";
    }
};

std::string kennung(const Meldung& m) {
    switch (m.quelle) {
    case Meldung::Quelle::Fehlermeldung:
        return "F" + std::to_string(m.nummer);
    case Meldung::Quelle::Spezialfehler:
        return "S" + std::to_string(m.nummer);
    case Meldung::Quelle::Bestaetigung:
        return "B" + std::to_string(m.nummer) + ", answered yes";
    case Meldung::Quelle::Spezialbestaetigung:
        return "SB" + std::to_string(m.nummer) + ", answered yes";
    case Meldung::Quelle::Hinweis:
        break;
    }
    return "note";
}

void berichten(const QSqlDatabase& db, const AufzeichnendeDialoge& dialoge) {
    for (const Meldung& m : dialoge.meldungen())
        std::cout << "Message [" << kennung(m) << "] " << m.text.toStdString() << "\n";
    QSqlQuery q =
        Sql::ausfuehren(db, "SELECT ZeilenNr, ProdName, Beschreibung FROM FehlerP ORDER BY LfdNr");
    while (q.next())
        std::cout << "Error log: line " << q.value(0).toInt() << " "
                  << q.value(1).toString().toStdString() << ": "
                  << q.value(2).toString().trimmed().toStdString() << "\n";
    for (const char* tabelle : {"Produkt", "MarginKlasse", "MarginGruppe", "vola_shifts", "FPPARA"})
        std::cout << tabelle << ": "
                  << Sql::wert(db, QString("SELECT count(*) FROM %1").arg(tabelle)).toInt()
                  << " rows\n";
}

bool ausfuehren(Updateumgebung& u, const std::string& art) {
    const auto a = Updateart_Aus(QString::fromStdString(art));
    if (!a) return Komplett_Aktualisieren(u); // "all", the only other word the parser lets through
    if (*a == Updateart::Database) return Produktdatei_Aktualisieren(u);
    return Lokal_Aktualisieren(u, *a, true);
}

// Runs the update on the open database and reports; true when it succeeded.
bool aktualisieren(const QSqlDatabase& db, const UpdateOptionen& o) {
    AufzeichnendeDialoge dialoge(true);
    Dateiausgabe begleitung;
    Updateumgebung u = Updateumgebung::desProgramms(db, dialoge, begleitung);
    u.verzeichnis = QString::fromStdString(o.verzeichnis);
    bool erfolgreich = false;
    try {
        erfolgreich = ausfuehren(u, o.art);
    } catch (const DatenbankFehler& f) {
        std::cerr << "Update stopped by a database error, the file's changes were undone: "
                  << f.what() << "\n";
    }
    berichten(db, dialoge);
    std::cout << (erfolgreich ? "Update done.\n" : "Update failed.\n");
    return erfolgreich;
}

int update(const UpdateOptionen& o) {
    const QString pfad = QString::fromStdString(o.datenbank);
    if (!QFileInfo(pfad).isFile()) {
        std::cerr << "Database file not found: " << o.datenbank << "\n";
        return 2;
    }
    // Message texts, language and the installed version come from the program's own folder.
    Programm& programm = Programm::instanz();
    programm.initialisieren(QCoreApplication::applicationDirPath(), '.');
    programm.datenbankdatei = QFileInfo(pfad).fileName();
    try {
        Datenbank::oeffnen(pfad);
    } catch (const DatenbankFehler& f) {
        std::cerr << "Cannot read the database: " << f.what() << "\n";
        return 2;
    }
    const bool erfolgreich = aktualisieren(Datenbank::verbindung(), o);
    Datenbank::schliessen();
    return erfolgreich ? 0 : 1;
}

} // namespace

void updateEinrichten(CLI::App& app, int& exitcode) {
    auto o = std::make_shared<UpdateOptionen>();
    CLI::App* befehl = app.add_subcommand(
        "update", "Update the reference data from the exchange's files in a local directory");
    befehl->add_option("--db", o->datenbank, "Database file")->required();
    befehl->add_option("--local", o->verzeichnis, "Directory of the update files")->required();
    befehl
        ->add_option("--kind", o->art,
                     "Database, Derivate, Aktien, VolaShifts, FPPARA or all (the full update)")
        ->check(CLI::IsMember({"Database", "Derivate", "Aktien", "VolaShifts", "FPPARA", "all"},
                              CLI::ignore_case));
    befehl->callback([o, &exitcode] { exitcode = update(*o); });
}
