#pragma once

#include "calendar/Kalenderdaten.h"
#include "calendar/Kontraktmonat.h"
#include "calendar/Laufzeiten.h"

#include <span>
#include <string_view>

// The working state of one maturity rule: the calculation date D, the current contract month
// (starting at D's month) and the entry form with its day rule.
struct Laufzeitaufbau {
    enum class Form { Tagregel, DritterFreitagMinus30, LetzterWochentag };

    Laufzeiten& ziel;
    std::string_view produkt;
    double laufzeit; // the product's horizon L
    Datum D;
    const Kalenderdaten& daten;
    Kontraktmonat monat;
    int regel = 0;
    Form form = Form::Tagregel;

    Laufzeitaufbau(Laufzeiten& ziel, std::string_view produkt, double laufzeit, Datum d,
                   const Kalenderdaten& daten);

    const Feiertage& feiertage() const { return daten.feiertage; }
    Datum verfall(Kontraktmonat k) const;
    // Back-one start: the current month moves back one when D is on or before the test date,
    // so that the first cycle step lists a month whose expiry has not passed yet.
    void zurueckEins(Datum pruefdatum);
    void zurueckEins() { zurueckEins(verfall(monat)); }
    // Appends the current contract month through the entry form.
    void eintragen();
    // anzahl times: one cycle step, then an entry.
    void schritte(Zyklusschritt schritt, int anzahl);
};

// A rule code and the rule that fills the list.
struct Laufzeitregel {
    std::string_view code;
    void (*bilden)(Laufzeitaufbau&);
};

// The rules computed from the calendar alone.
std::span<const Laufzeitregel> berechneteRegeln();
// The rules that take their dates from fixed lists or from reference tables.
std::span<const Laufzeitregel> terminlistenRegeln();
