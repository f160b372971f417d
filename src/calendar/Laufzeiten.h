#pragma once

#include "calendar/Datum.h"
#include "calendar/Kontraktmonat.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class Feiertage;

// One tradable contract maturity. Tag, Monat and Jahr always describe VerfallDatum, not the
// contract month: for day rules 10 and 12 the expiry lies in the month before the contract.
struct LaufzeitEintrag {
    Datum VerfallDatum;
    std::string VerfallMonatTxt; // the label shown in the maturity pick list ("Mar08")
    std::uint16_t Tag = 0;
    std::uint16_t Monat = 0;
    std::uint16_t Jahr = 0;
};

// The maturities of one product on one calculation date, nearest first. A value type that
// callers copy whole. Maturity index k (LaufzeitIndex of a position row) is Eintraege[k];
// entries from Anzahl on are stale and never read.
struct Laufzeiten {
    static constexpr std::int32_t kHoechstzahl = 24;

    std::int32_t Anzahl = 0;
    std::array<LaufzeitEintrag, kHoechstzahl> Eintraege{};

    // Appends one entry; refuses (false, record unchanged) when all 24 are in use or the date
    // is invalid (a contract outside the calendar's year range).
    bool anhaengen(Datum verfall, std::string_view text);
};

// The entry forms of the maturity rules; each appends one entry through anhaengen.
// Day rule n of the contract month, labelled with the contract month (rule 6: with the
// month of the date, which may lie months later).
bool eintragTagregel(Laufzeiten& l, Kontraktmonat k, int regel, const Feiertage& feiertage);
// Day rule 12, labelled with the month of the date (the month before the contract).
bool eintragDritterFreitagMinus30(Laufzeiten& l, Kontraktmonat k, const Feiertage& feiertage);
bool eintragLetzterWochentag(Laufzeiten& l, Kontraktmonat k);
// Last business day in March of the year, label "Mar" and the two year digits.
bool eintragMaerz(Laufzeiten& l, int jahr, const Feiertage& feiertage);
// A listed expiry date, labelled with the month of the date ten days later.
bool eintragFesterTermin(Laufzeiten& l, Datum d);
// A date read from a table with its stored label, or the label of d's own month when the
// stored one is empty.
bool eintragTabellentermin(Laufzeiten& l, Datum d, std::string_view text = {});
