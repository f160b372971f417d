#include "calendar/LaufzeitenBerechnen.h"

#include "calendar/Laufzeitaufbau.h"

#include <algorithm>

namespace {

const Laufzeitregel* regelZu(std::string_view code) {
    for (std::span<const Laufzeitregel> regeln : {berechneteRegeln(), terminlistenRegeln()}) {
        const auto it = std::find_if(regeln.begin(), regeln.end(),
                                     [code](const Laufzeitregel& r) { return r.code == code; });
        if (it != regeln.end()) return &*it;
    }
    return nullptr;
}

} // namespace

std::string_view ohneRandleerzeichen(std::string_view text) {
    const auto leer = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && leer(text.front())) text.remove_prefix(1);
    while (!text.empty() && leer(text.back())) text.remove_suffix(1);
    return text;
}

bool LaufzeitenBerechnen(Laufzeiten& ziel, std::string_view produkt, double laufzeit,
                         std::string_view lzb, Datum berechnungsdatum, const Kalenderdaten& daten) {
    ziel.Anzahl = 0;
    const Laufzeitregel* regel = regelZu(ohneRandleerzeichen(lzb));
    if (regel == nullptr || !berechnungsdatum.gueltig()) return false;
    Laufzeitaufbau aufbau(ziel, produkt, laufzeit, berechnungsdatum, daten);
    regel->bilden(aufbau);
    return true;
}
