#include "pricing/Preisdienste.h"

#include "calendar/DatumQt.h"
#include "pricing/Kennungen.h"
#include "pricing/Modellauswahl.h"
#include "store/Referenzdaten.h"

#include <string_view>

namespace {

// The code as the model selection spells it; empty when OPM names no model.
std::string_view modellcode(const QString& OPM) {
    for (std::string_view code : {"BS", "TB76", "CRA", "CRF"})
        if (istKennung(OPM, code.data())) return code;
    return {};
}

void fehler56Melden(bool interaktiv, const Preiskontext& k) {
    if (!k.meldungen) return;
    if (interaktiv)
        k.meldungen->Fehlermeldung_Zeigen(56);
    else
        k.meldungen->Fehlerzeile_Anhaengen(k.ZeilenNr, k.Prod_Neu, 56, 'F', {});
}

} // namespace

int TageBisDatum(const QString& text, Datum Berechnungsdatum, const Datumstext::Stil& stil) {
    const std::optional<QDate> datum = Datumstext::lesen(text, stil);
    if (!datum || !Berechnungsdatum.gueltig()) return 0;
    return std::max(ausQDate(*datum) - Berechnungsdatum, 0);
}

int TageBisDatum(const QString& text, const Preiskontext& kontext) {
    return TageBisDatum(text, kontext.Berechnungsdatum, kontext.datumsstil);
}

double ZinssatzJeLaufzeit(const QString& Art, const Preiskontext& kontext) {
    const Produktsatz& p = kontext.produkt;
    if (p.LZB.trimmed().startsWith('V', Qt::CaseInsensitive) || istKennung(p.Produkt, "JLU") ||
        istKennung(p.Produkt, "HMAV") || istKennung(Art, "Z"))
        return 0;
    const int k = kontext.LaufzeitIndex;
    const double zins = k >= 0 && k < static_cast<int>(kontext.zinsen.Zinssatz.size())
                            ? kontext.zinsen.Zinssatz[static_cast<std::size_t>(k)]
                            : 0;
    return zins == 0 ? 0.01 : zins;
}

double ImpliziteVola(Optionsart art, const QString& DividendenTage, const QString& OPM,
                     bool interaktiv, bool& fehlgeschlagen, const Preiskontext& kontext,
                     const QString& Art, double Dividende, double Tage, double Optionspreis,
                     double Basis, double Kurs) {
    fehlgeschlagen = false;
    const Optionsdaten e{.DivTage = static_cast<long double>(TageBisDatum(DividendenTage, kontext)),
                         .Dividende = Dividende,
                         .Tage = Tage,
                         .Zins = ZinssatzJeLaufzeit(Art, kontext),
                         .Vola = Optionspreis,
                         .Basis = Basis,
                         .Kurs = Kurs};
    const std::string_view code = modellcode(OPM);
    const auto ergebnis = Modellrechnung(code, Modelloperation::ImplVola, art, e);
    if (!ergebnis) {
        fehlgeschlagen = true;
        return 25;
    }
    const double vola = ergebnis->Wert;
    // Black-Scholes returns its starting 50 % when the search could not take a step.
    const bool verworfen = code == "BS" && (vola == 50 || vola > 200);
    if (vola > 0 && !verworfen) return vola;
    fehlgeschlagen = true;
    fehler56Melden(interaktiv, kontext);
    return 25;
}

double Optionspreis(Optionsart art, int dividendenTage, const QString& OPM, const QString& Art,
                    const Preiskontext& kontext, double Mindestpreis, double Dividende, double Tage,
                    double Vola, double Basis, double Kurs) {
    const Optionsdaten e{.DivTage =
                             static_cast<long double>(dividendenTage > 0 ? dividendenTage - 1 : 0),
                         .Dividende = Dividende,
                         .Tage = Tage,
                         .Zins = ZinssatzJeLaufzeit(Art, kontext),
                         .Vola = Vola,
                         .Basis = Basis,
                         .Kurs = Kurs};
    const auto ergebnis = Modellrechnung(modellcode(OPM), Modelloperation::Preis, art, e);
    const double preis = ergebnis ? ergebnis->Wert : 0;
    return Mindestpreis > preis ? Mindestpreis : preis;
}
