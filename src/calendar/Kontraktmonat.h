#pragma once

#include <compare>
#include <string>

class Datum;

// A contract month (year, month 1 to 12). The maturity rules walk through the exchange's
// contract cycles with the steps below.
struct Kontraktmonat {
    int jahr = 0;
    int monat = 0;

    friend bool operator==(Kontraktmonat, Kontraktmonat) = default;
    friend auto operator<=>(Kontraktmonat, Kontraktmonat) = default;
};

enum class Zyklusschritt {
    NaechsterMonat,
    Quartalsmonat,       // March, June, September, December
    QuartalsmonatJanuar, // as Quartalsmonat, but December rolls over to January
    JanuarAprilJuliOktober,
    JuniDezember,
    Halbjahr, // six months on, then the June or December at or before it
    Dezember,
    AprilJuniNovember,
    MaerzSeptember,
};

// The next month of the cycle after k; "of next year" increases the year.
Kontraktmonat naechster(Kontraktmonat k, Zyklusschritt schritt);
Kontraktmonat vorheriger(Kontraktmonat k);

// "Mar08": English month abbreviation ("???" for a month outside 1 to 12) and the year
// modulo 100 with two digits.
std::string KontraktmonatText(int jahr, int monat);
// The label of the date's own month.
std::string KontraktmonatText(Datum d);
