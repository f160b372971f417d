#include "Befehle.h"

#include "pricing/Modellauswahl.h"
#include "pricing/Rechenfehler.h"

#include <iomanip>
#include <iostream>
#include <nlohmann/json.hpp>

namespace {

struct Preisoptionen {
    std::string modell;
    std::string art;
    double tage = 0;
    double zins = 0;
    double wert = 0; // volatility for a price, option price for an implied volatility
    double basis = 0;
    double kurs = 0;
    double dividende = 0;
    double divTage = 0;
    bool json = false;
};

// Prints the model's value and its error code in the models' units; 1 when the model failed
// on the floating-point side.
int rechnen(const Preisoptionen& o, Modelloperation operation, const char* ergebnisname) {
    const Optionsart art = o.art == "call" ? Optionsart::Call : Optionsart::Put;
    const Optionsdaten e{.DivTage = o.divTage,
                         .Dividende = o.dividende,
                         .Tage = o.tage,
                         .Zins = o.zins,
                         .Vola = o.wert,
                         .Basis = o.basis,
                         .Kurs = o.kurs};
    try {
        const Modellergebnis r = *Modellrechnung(o.modell, operation, art, e);
        if (o.json)
            std::cout << nlohmann::json{{"Modell", o.modell},
                                        {"Art", o.art},
                                        {ergebnisname, r.Wert},
                                        {"Fehler", r.Fehler}}
                      << "\n";
        else
            std::cout << ergebnisname << ": " << std::setprecision(12) << r.Wert
                      << "\nFehler: " << static_cast<int>(r.Fehler) << "\n";
        return 0;
    } catch (const Rechenfehler& f) {
        std::cerr << "The model failed: " << f.what() << "\n";
        return 1;
    }
}

void befehlEinrichten(CLI::App& app, int& exitcode, const char* name, const char* beschreibung,
                      const char* wertOption, const char* wertHilfe, Modelloperation operation,
                      const char* ergebnisname) {
    auto o = std::make_shared<Preisoptionen>();
    CLI::App* befehl = app.add_subcommand(name, beschreibung);
    befehl->add_option("MODEL", o->modell, "Option model code: BS, TB76, CRA or CRF")
        ->required()
        ->check(CLI::IsMember({"BS", "TB76", "CRA", "CRF"}));
    befehl->add_option("TYPE", o->art, "call or put")
        ->required()
        ->check(CLI::IsMember({"call", "put"}));
    befehl->add_option("--days", o->tage, "Days to expiry")->required();
    befehl->add_option("--rate", o->zins, "Interest rate in percent per year")->required();
    befehl->add_option(wertOption, o->wert, wertHilfe)->required();
    befehl->add_option("--strike", o->basis, "Strike")->required();
    befehl->add_option("--spot", o->kurs, "Price of the underlying (futures price for TB76, CRF)")
        ->required();
    CLI::Option* dividende =
        befehl->add_option("--dividend", o->dividende, "Cash dividend per unit of the underlying");
    CLI::Option* divTage =
        befehl->add_option("--div-days", o->divTage, "Days to the dividend date");
    dividende->needs(divTage);
    divTage->needs(dividende);
    befehl->add_flag("--json", o->json, "One JSON object instead of text");
    befehl->callback([o, &exitcode, operation, ergebnisname] {
        exitcode = rechnen(*o, operation, ergebnisname);
    });
}

} // namespace

void preisEinrichten(CLI::App& app, int& exitcode) {
    befehlEinrichten(app, exitcode, "price", "Price an option with one of the option models",
                     "--vol", "Volatility in percent per year", Modelloperation::Preis, "Preis");
    befehlEinrichten(app, exitcode, "implvol", "Implied volatility (percent) of an option price",
                     "--price", "Option price", Modelloperation::ImplVola, "ImplVola");
}
