#include "Befehle.h"

#include "calendar/KalenderdatenLesen.h"
#include "calendar/LaufzeitenBerechnen.h"
#include "calendar/Verfallsregeln.h"
#include "store/Datenbank.h"
#include "store/DatenbankFehler.h"
#include "store/Sql.h"

#include <QSqlQuery>
#include <iostream>
#include <nlohmann/json.hpp>

namespace {

// A usage or input problem: the message is printed and the tool ends with exit code 2.
struct Bedienfehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The database file, open under the program's connection for the length of one command.
class OffeneDatenbank {
public:
    explicit OffeneDatenbank(const std::string& pfad) {
        Datenbank::oeffnen(QString::fromStdString(pfad));
    }
    ~OffeneDatenbank() { Datenbank::schliessen(); }
    OffeneDatenbank(const OffeneDatenbank&) = delete;
    OffeneDatenbank& operator=(const OffeneDatenbank&) = delete;
    QSqlDatabase db() const { return Datenbank::verbindung(); }
};

template <typename Befehl> int ausfuehren(Befehl befehl) {
    try {
        befehl();
        return 0;
    } catch (const Bedienfehler& f) {
        std::cerr << f.what() << "\n";
    } catch (const DatenbankFehler& f) {
        std::cerr << "Cannot read the database: " << f.what() << "\n";
    }
    return 2;
}

struct ExpiryOptionen {
    int regel = 0, jahr = 0, monat = 0;
    std::string datenbank;
    bool json = false;
};

void expiry(const ExpiryOptionen& o) {
    if (!istTagregel(o.regel))
        throw Bedienfehler("Day rule " + std::to_string(o.regel) +
                           " does not exist (0 to 21, except 7, 9, 11 and 14).");
    Feiertage feiertage;
    if (!o.datenbank.empty()) feiertage = FeiertageLesen(OffeneDatenbank(o.datenbank).db());
    const Datum verfall = Verfallstag(o.regel, {o.jahr, o.monat}, feiertage);
    if (!verfall.gueltig()) throw Bedienfehler("No expiry date for that contract month.");
    if (o.json)
        std::cout << nlohmann::json{{"Regel", o.regel},
                                    {"Jahr", o.jahr},
                                    {"Monat", o.monat},
                                    {"VerfallDatum", verfall.iso()}}
                  << "\n";
    else
        std::cout << verfall.iso() << "\n";
}

struct MaturitiesOptionen {
    std::string datenbank, datum, produkt, lzb, code;
    double laufzeit = 0;
    bool json = false;
};

// Rule code and horizon of a product of table Produkt; the stored spelling of its code.
void produktLesen(const QSqlDatabase& db, MaturitiesOptionen& o) {
    QSqlQuery q = Sql::ausfuehren(
        db, "SELECT Produkt, LZB, Laufzeit FROM Produkt WHERE Produkt = ? COLLATE NOCASE",
        {QString::fromStdString(o.produkt)});
    if (!q.next()) throw Bedienfehler("Unknown product: " + o.produkt);
    o.code = q.value(0).toString().toStdString();
    o.lzb = q.value(1).toString().toStdString();
    o.laufzeit = q.value(2).toDouble();
}

void ausgeben(const MaturitiesOptionen& o, const Laufzeiten& l) {
    nlohmann::json eintraege = nlohmann::json::array();
    for (int k = 0; k < l.Anzahl; ++k) {
        const LaufzeitEintrag& e = l.Eintraege[static_cast<std::size_t>(k)];
        if (!o.json)
            std::cout << k << "\t" << e.VerfallDatum.iso() << "\t" << e.VerfallMonatTxt << "\n";
        eintraege.push_back({{"LaufzeitIndex", k},
                             {"VerfallDatum", e.VerfallDatum.iso()},
                             {"VerfallMonatTxt", e.VerfallMonatTxt},
                             {"Tag", e.Tag},
                             {"Monat", e.Monat},
                             {"Jahr", e.Jahr}});
    }
    if (o.json)
        std::cout << nlohmann::json{{"Berechnungsdatum", o.datum},
                                    {"Produkt", o.code},
                                    {"LZB", o.lzb},
                                    {"Laufzeit", o.laufzeit},
                                    {"Laufzeiten", eintraege}}
                  << "\n";
}

// Reads the database but writes nothing: the maturities are computed in memory.
void maturities(MaturitiesOptionen o) {
    const Datum datum = Datum::ausIso(o.datum);
    if (!datum.gueltig()) throw Bedienfehler("Not a date (YYYY-MM-DD): " + o.datum);
    if (o.produkt.empty() && o.lzb.empty())
        throw Bedienfehler("Give --product, or --lzb with --code and --horizon.");
    Kalenderdaten daten;
    {
        const OffeneDatenbank datenbank(o.datenbank);
        if (!o.produkt.empty()) produktLesen(datenbank.db(), o);
        daten = KalenderdatenLesen(datenbank.db());
    }
    Laufzeiten l;
    if (!LaufzeitenBerechnen(l, o.code, o.laufzeit, o.lzb, datum, daten))
        throw Bedienfehler("Unknown maturity rule code \"" + o.lzb + "\"" +
                           (o.produkt.empty() ? "" : " of product " + o.produkt) + ".");
    ausgeben(o, l);
}

void expiryEinrichten(CLI::App& app, int& exitcode) {
    auto o = std::make_shared<ExpiryOptionen>();
    CLI::App* befehl =
        app.add_subcommand("expiry", "Expiry date of a day rule for a contract month");
    befehl->add_option("--rule", o->regel, "Day rule number")->required();
    befehl->add_option("--year", o->jahr, "Contract year")->required()->check(CLI::Range(2, 9998));
    befehl->add_option("--month", o->monat, "Contract month")->required()->check(CLI::Range(1, 12));
    befehl->add_option("--db", o->datenbank, "Database whose holidays apply")
        ->check(CLI::ExistingFile);
    befehl->add_flag("--json", o->json, "One JSON object");
    befehl->callback([o, &exitcode] { exitcode = ausfuehren([&] { expiry(*o); }); });
}

void maturitiesEinrichten(CLI::App& app, int& exitcode) {
    auto o = std::make_shared<MaturitiesOptionen>();
    CLI::App* befehl =
        app.add_subcommand("maturities", "Contract maturities tradable on a calculation date");
    befehl->add_option("--db", o->datenbank, "Database file")->required()->check(CLI::ExistingFile);
    befehl->add_option("--date", o->datum, "Calculation date YYYY-MM-DD")->required();
    CLI::Option* produkt =
        befehl->add_option("--product", o->produkt, "Product code of table Produkt");
    CLI::Option* lzb = befehl->add_option("--lzb", o->lzb, "Maturity rule code");
    CLI::Option* code = befehl->add_option("--code", o->code, "Product code the rule reads");
    CLI::Option* horizont = befehl->add_option("--horizon", o->laufzeit, "Horizon L");
    produkt->excludes(lzb)->excludes(code)->excludes(horizont);
    lzb->needs(code)->needs(horizont);
    code->needs(lzb);
    horizont->needs(lzb);
    befehl->add_flag("--json", o->json, "One JSON object");
    befehl->callback([o, &exitcode] { exitcode = ausfuehren([&] { maturities(*o); }); });
}

} // namespace

void kalenderEinrichten(CLI::App& app, int& exitcode) {
    expiryEinrichten(app, exitcode);
    maturitiesEinrichten(app, exitcode);
}
