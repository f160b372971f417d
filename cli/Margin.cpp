#include "Befehle.h"

#include "input/Eingabelogik.h"
#include "margin/Berechnungslauf.h"
#include "shell/AufzeichnendeDialoge.h"
#include "shell/Programm.h"
#include "store/Datenbank.h"
#include "store/DatenbankFehler.h"
#include "store/Sql.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <iomanip>
#include <iostream>
#include <nlohmann/json.hpp>

namespace {

using json = nlohmann::json;

struct MarginOptionen {
    std::string datenbank;
    std::string portfolio;
    std::string waehrung = "EUR";
    std::string datumsstil;
    bool alsJson = false;
    bool schreiben = false;
};

json alsJson(const QVariant& v) {
    if (v.isNull()) return nullptr;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return v.toLongLong();
    case QMetaType::Double:
        return v.toDouble();
    default:
        return v.toString().toStdString();
    }
}

json tabelle(const QSqlDatabase& db, const QString& sql) {
    json zeilen = json::array();
    QSqlQuery q = Sql::ausfuehren(db, sql);
    while (q.next()) {
        json zeile = json::object();
        const QSqlRecord r = q.record();
        for (int i = 0; i < r.count(); ++i)
            zeile[r.fieldName(i).toStdString()] = alsJson(r.value(i));
        zeilen.push_back(zeile);
    }
    return zeilen;
}

struct Lauf {
    bool gueltig = false;
    std::optional<Margin::Ergebnis> ergebnis;
    QDate datum;
};

json bericht(const QSqlDatabase& db, const Lauf& lauf, const AufzeichnendeDialoge& dialoge) {
    json meldungen = json::array();
    for (const Meldung& m : dialoge.meldungen())
        if (m.nummer != 0) meldungen.push_back(m.nummer);
    json ausgabe1 = json::array();
    if (lauf.ergebnis)
        for (size_t i = 0; i < lauf.ergebnis->Ausgabe1.size(); ++i) {
            json zeile = json::object();
            for (const auto& [name, wert] :
                 Margin::Ausgabe1Werte(lauf.ergebnis->Ausgabe1[i], static_cast<int>(i) + 1))
                zeile[name.toStdString()] = alsJson(wert);
            ausgabe1.push_back(zeile);
        }
    return {{"ok", lauf.ergebnis.has_value()},
            {"Berechnungsdatum", lauf.datum.toString(Qt::ISODate).toStdString()},
            {"FehlerP", tabelle(db, "SELECT ZeilenNr, ProdName, Nummer, Art, Zusatz, Beschreibung "
                                    "FROM FehlerP ORDER BY ZeilenNr, LfdNr")},
            {"Meldungen", meldungen},
            {"Eingabe", tabelle(db, "SELECT * FROM Eingabe ORDER BY rowid")},
            {"Ausgabe1", ausgabe1},
            {"Ausgabe2_rows", lauf.ergebnis ? lauf.ergebnis->Ausgabe2.size() : 0}};
}

void textAusgeben(const json& b) {
    std::cout << "Calculation date " << b["Berechnungsdatum"].get<std::string>() << "\n";
    for (const auto& f : b["FehlerP"])
        std::cout << "Row " << f["ZeilenNr"] << " "
                  << (f["ProdName"].is_null() ? "" : f["ProdName"].get<std::string>()) << ": "
                  << (f["Beschreibung"].is_null() ? "" : f["Beschreibung"].get<std::string>())
                  << "\n";
    if (b["Ausgabe1"].empty()) return;
    const char* spalten[] = {"PremiumMargin", "CurrentLiquidatingMargin", "FutureSpreadMargin",
                             "AdditionalMargin_Gruppe", "TotalMargin_Gruppe"};
    std::cout << std::left << std::setw(12) << "Group" << std::setw(14) << "Class" << std::setw(22)
              << "Class key" << std::right;
    for (const char* titel : {"Premium", "Liquidating", "Fut. spread", "Additional", "Total"})
        std::cout << std::setw(16) << titel;
    std::cout << "\n" << std::fixed << std::setprecision(2);
    const auto text = [](const json& v) {
        return v.is_null() ? std::string() : v.get<std::string>();
    };
    for (const auto& z : b["Ausgabe1"]) {
        std::cout << std::left << std::setw(12) << text(z["MarginGruppe"]) << std::setw(14)
                  << text(z["MarginKlasse"]) << std::setw(22) << text(z["MK_neu"]) << std::right;
        for (const char* spalte : spalten)
            std::cout << std::setw(16) << (z[spalte].is_null() ? 0.0 : z[spalte].get<double>());
        std::cout << "\n";
    }
}

// The program's label files and date style; a date style given on the command line wins.
void programmEinrichten(const std::string& datumsstil) {
    Programm& p = Programm::instanz();
    p.initialisieren(QCoreApplication::applicationDirPath(), Programm::systemDatumstrenner());
    if (datumsstil == "d") p.datumsformatSetzen('.');
    if (datumsstil == "e") p.datumsformatSetzen('/');
}

int rechnenUndBerichten(const QString& pfad, const QString& portfolio, const MarginOptionen& o);

int margin(const MarginOptionen& o) {
    const QString quelle = QString::fromStdString(o.datenbank);
    const QString portfolio = QString::fromStdString(o.portfolio);
    for (const QString& datei : {quelle, portfolio})
        if (!QFileInfo(datei).isFile()) {
            std::cerr << "File not found: " << datei.toStdString() << "\n";
            return 2;
        }
    programmEinrichten(o.datumsstil);
    QTemporaryDir arbeit;
    QString pfad = quelle;
    if (!o.schreiben) {
        pfad = arbeit.filePath("Arbeitskopie.abs");
        if (!QFile::copy(quelle, pfad)) {
            std::cerr << "Cannot copy the database to a private working copy\n";
            return 2;
        }
    }
    int ergebnis = 2;
    try {
        ergebnis = rechnenUndBerichten(pfad, portfolio, o);
    } catch (const std::exception& f) {
        std::cerr << f.what() << "\n";
    }
    Datenbank::schliessen();
    return ergebnis;
}

int rechnenUndBerichten(const QString& pfad, const QString& portfolio, const MarginOptionen& o) {
    {
        const QSqlDatabase db = Datenbank::oeffnen(pfad);
        AufzeichnendeDialoge dialoge(true);
        Lauf lauf;
        {
            Eingabelogik logik(db, dialoge);
            if (!logik.Excel_Import(portfolio)) {
                std::cerr << "Cannot read the portfolio: "
                          << dialoge.meldungen().back().text.toStdString() << "\n";
                return 2;
            }
            lauf.datum = logik.zustand().Berechnungsdatum;
            lauf.gueltig = logik.Berechnung_Starten();
        }
        if (lauf.gueltig)
            lauf.ergebnis =
                Margin::Berechnen(db, lauf.datum, QString::fromStdString(o.waehrung), dialoge);
        const json b = bericht(db, lauf, dialoge);
        if (o.alsJson)
            std::cout << b.dump(2) << "\n";
        else
            textAusgeben(b);
        if (!lauf.gueltig || !lauf.ergebnis)
            for (const Meldung& m : dialoge.meldungen())
                if (!o.alsJson && m.nummer == 0) std::cerr << m.text.toStdString() << "\n";
        return lauf.ergebnis ? 0 : 1;
    }
}

} // namespace

void marginEinrichten(CLI::App& app, int& exitcode) {
    auto o = std::make_shared<MarginOptionen>();
    CLI::App* befehl = app.add_subcommand(
        "margin", "Import a positions sheet, check it and calculate its margin requirement");
    befehl->add_option("--db", o->datenbank, "Database file")->required();
    befehl->add_option("--currency", o->waehrung, "Output currency (default EUR)");
    befehl
        ->add_option("--date-style", o->datumsstil,
                     "Order of date texts: d (day first) or e (month first)")
        ->check(CLI::IsMember({"d", "e"}));
    befehl->add_flag("--json", o->alsJson, "One JSON object");
    befehl->add_flag("--write", o->schreiben,
                     "Work on the database itself instead of a private copy");
    befehl->add_option("PORTFOLIO", o->portfolio, "Positions sheet (.xlsx or .csv)")->required();
    befehl->callback([o, &exitcode] { exitcode = margin(*o); });
}
