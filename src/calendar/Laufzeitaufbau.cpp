#include "calendar/Laufzeitaufbau.h"

#include "calendar/Verfallsregeln.h"

Laufzeitaufbau::Laufzeitaufbau(Laufzeiten& ziel_, std::string_view produkt_, double laufzeit_,
                               Datum d, const Kalenderdaten& daten_)
    : ziel(ziel_)
    , produkt(produkt_)
    , laufzeit(laufzeit_)
    , D(d)
    , daten(daten_)
    , monat{d.jahr(), d.monat()} {}

Datum Laufzeitaufbau::verfall(Kontraktmonat k) const {
    return Verfallstag(regel, k, feiertage());
}

void Laufzeitaufbau::zurueckEins(Datum pruefdatum) {
    if (D <= pruefdatum) monat = vorheriger(monat);
}

void Laufzeitaufbau::eintragen() {
    switch (form) {
    case Form::Tagregel:
        eintragTagregel(ziel, monat, regel, feiertage());
        break;
    case Form::DritterFreitagMinus30:
        eintragDritterFreitagMinus30(ziel, monat, feiertage());
        break;
    case Form::LetzterWochentag:
        eintragLetzterWochentag(ziel, monat);
        break;
    }
}

void Laufzeitaufbau::schritte(Zyklusschritt schritt, int anzahl) {
    for (int i = 0; i < anzahl; ++i) {
        monat = naechster(monat, schritt);
        eintragen();
    }
}
