#include "pricing/TOptionsRechenModell.h"

#include "pricing/Rechenfehler.h"

#include <cmath>

void TOptionsRechenModell::EinheitenUmrechnen(Optionsdaten& e) {
    e.Vola /= 100;
    e.Zins /= 100;
    e.DivTage /= 365;
    e.Tage /= 365;
}

bool TOptionsRechenModell::ParameterPruefen(Fehlercode& Fehler, const Optionsdaten& u) {
    bool gut = true;
    const auto pruefen = [&](bool fehlerhaft, Fehlercode code) {
        if (!fehlerhaft) return;
        Fehler = code;
        gut = false;
    };
    // The limits are double constants: inputs arrive as doubles, and a strike entered as 0.001
    // must meet the limit 0.001, not lie a hair above its extended-precision value.
    pruefen(u.Basis <= 0.001, 2);
    pruefen(u.Vola <= 0.0001, 3);
    pruefen(u.Vola >= 1000, 6);
    pruefen(u.Tage <= 0.001, 4);
    pruefen(u.Kurs <= 0.001, 1);
    return gut;
}

long double TOptionsRechenModell::NormalVerteilung(long double x) {
    if (std::isnan(x)) RechenfehlerMelden("ErrorNV");
    const long double a = std::fabs(x);
    long double wert = 1;
    if (a <= 6) {
        const long double k = 1 / (1 + 0.33267L * a);
        wert = 1 - NormalDichte(a) * (0.4361836L * k - 0.1201676L * k * k + 0.937298L * k * k * k);
    }
    return x > 0 ? wert : 1 - wert;
}

long double TOptionsRechenModell::NormalDichte(long double x) {
    if (std::isnan(x)) RechenfehlerMelden("ErrorNVS");
    if (std::fabs(x) > 6) return 0;
    return 0.3989422804014L * std::exp(-x * x / 2);
}

bool umrechnenUndPruefen(Optionsdaten& u, Fehlercode& Fehler, const Optionsdaten& e) {
    u = e;
    TOptionsRechenModell::EinheitenUmrechnen(u);
    return TOptionsRechenModell::ParameterPruefen(Fehler, u);
}
