#include "pricing/Modellauswahl.h"

#include "pricing/Rechenfehler.h"
#include "pricing/TBlack76.h"
#include "pricing/TBlackScholes.h"
#include "pricing/TCoxRubinsteinAktien.h"
#include "pricing/TCoxRubinsteinFutures.h"

#include <cmath>

const TOptionsRechenModell* ModellFuer(std::string_view OPM) {
    static const TBlackScholes blackScholes;
    static const TBlack76 black76;
    static const TCoxRubinsteinAktien crrAktien;
    static const TCoxRubinsteinFutures crrFutures;
    if (OPM == "BS") return &blackScholes;
    if (OPM == "TB76") return &black76;
    if (OPM == "CRA") return &crrAktien;
    if (OPM == "CRF") return &crrFutures;
    return nullptr;
}

std::optional<Modellergebnis> Modellrechnung(std::string_view OPM, Modelloperation operation,
                                             Optionsart art, const Optionsdaten& e) {
    const TOptionsRechenModell* modell = ModellFuer(OPM);
    if (!modell) return std::nullopt;
    Modellergebnis ergebnis;
    const long double wert = operation == Modelloperation::Preis
                                 ? modell->Preis(art, ergebnis.Fehler, e)
                                 : modell->ImplVola(art, ergebnis.Fehler, e);
    ergebnis.Wert = static_cast<double>(wert);
    if (!std::isfinite(ergebnis.Wert)) throw Rechenfehler("Gleitkommafehler im Optionsmodell");
    return ergebnis;
}
