#include "calendar/Laufzeitaufbau.h"

#include <algorithm>
#include <array>

namespace {

struct Festtermin {
    int jahr, monat, tag;
};

// Rule "7": the expiries of the product's whole listed life.
constexpr std::array<Festtermin, 5> kRegel7 = {
    {{2008, 11, 25}, {2009, 11, 25}, {2010, 11, 25}, {2011, 11, 25}, {2012, 11, 27}}};

constexpr std::array<Festtermin, 13> kRegelJ = {{{2008, 11, 28},
                                                 {2009, 11, 30},
                                                 {2010, 11, 30},
                                                 {2011, 11, 30},
                                                 {2012, 11, 30},
                                                 {2013, 11, 29},
                                                 {2014, 11, 28},
                                                 {2015, 11, 30},
                                                 {2016, 11, 30},
                                                 {2017, 11, 30},
                                                 {2018, 11, 30},
                                                 {2019, 11, 29},
                                                 {2020, 11, 27}}};

// Group B of rule "J" lists the first five of these.
constexpr std::array<Festtermin, 12> kRegelJGruppeA = {{{2009, 12, 14},
                                                        {2010, 12, 20},
                                                        {2011, 12, 19},
                                                        {2012, 12, 17},
                                                        {2013, 12, 16},
                                                        {2014, 12, 15},
                                                        {2015, 12, 14},
                                                        {2016, 12, 19},
                                                        {2017, 12, 18},
                                                        {2018, 12, 17},
                                                        {2019, 12, 16},
                                                        {2020, 12, 14}}};

void festeTermine(Laufzeitaufbau& a, std::span<const Festtermin> liste) {
    for (const Festtermin& t : liste) {
        const Datum d(t.jahr, t.monat, t.tag);
        if (d >= a.D) eintragFesterTermin(a.ziel, d);
    }
}

bool inListe(const std::vector<std::string>& produkte, std::string_view produkt) {
    return std::find(produkte.begin(), produkte.end(), grossgeschrieben(produkt)) != produkte.end();
}

void regel7(Laufzeitaufbau& a) {
    festeTermine(a, kRegel7);
}

void regelJ(Laufzeitaufbau& a) {
    if (inListe(a.daten.jGruppeA, a.produkt))
        festeTermine(a, kRegelJGruppeA);
    else if (inListe(a.daten.jGruppeB, a.produkt))
        festeTermine(a, std::span(kRegelJGruppeA).first(5));
    else
        festeTermine(a, kRegelJ);
}

// Inflation derivatives: the dates from the calculation date on, in the table's order.
void inflationstermine(Laufzeitaufbau& a, const std::vector<Datum>& termine, int hoechstens) {
    for (Datum termin : termine)
        if (termin >= a.D && a.ziel.Anzahl < hoechstens) eintragTabellentermin(a.ziel, termin);
}

void regel8(Laufzeitaufbau& a) {
    inflationstermine(a, a.daten.inflationOptionen, Laufzeiten::kHoechstzahl);
}

void regelK(Laufzeitaufbau& a) {
    inflationstermine(a, a.daten.inflationFutures, 20);
}

// Power futures: the product's contracts tradable on the calculation date, with their own
// labels (delivery weeks and months, not contract months).
void regelV(Laufzeitaufbau& a) {
    for (const Amperotermin& t : a.daten.amperoVon(a.produkt))
        if (t.FIRST_TRADING_DATE.gueltig() && t.FIRST_TRADING_DATE <= a.D && a.D <= t.LETZTER_HT)
            eintragTabellentermin(a.ziel, t.LETZTER_HT, t.Anzeigetext);
}

constexpr std::array kRegeln = {
    Laufzeitregel{"7", regel7},  Laufzeitregel{"8", regel8},  Laufzeitregel{"J", regelJ},
    Laufzeitregel{"K", regelK},  Laufzeitregel{"V1", regelV}, Laufzeitregel{"V2", regelV},
    Laufzeitregel{"V3", regelV}, Laufzeitregel{"V4", regelV}, Laufzeitregel{"V5", regelV},
    Laufzeitregel{"V6", regelV}, Laufzeitregel{"V7", regelV}, Laufzeitregel{"V8", regelV},
};

} // namespace

std::span<const Laufzeitregel> terminlistenRegeln() {
    return kRegeln;
}
