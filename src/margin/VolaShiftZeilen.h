#pragma once

#include <QString>

namespace Margin {

// A row of vola_shifts (and of its companions vola_shifts_index and vola_shifts_berechnung):
// the volatility changes of one class, product type or all products, by call/put, remaining
// days, moneyness and price move. Empty texts mean "all".
struct VolaShiftZeile {
    QString typ;
    QString marginklasse;
    QString c_p;
    int days = 0;
    double Mnes = 0;
    double PriceMove = 0;
    double Vola_Up = 0;
    double Vola_Neutral = 0;
    double Vola_Down = 0;

    friend bool operator==(const VolaShiftZeile&, const VolaShiftZeile&) = default;
};

// A row of vola_shifts_tmp: the remaining-days bucket chosen for the positions of a class (or
// of a product type) with the given call/put flag and remaining days.
struct VolaShiftsTmpZeile {
    QString typ;
    QString marginklasse;
    QString ProduktArt;
    double laufzeit_tage = 0;
    int days = 0;

    friend bool operator==(const VolaShiftsTmpZeile&, const VolaShiftsTmpZeile&) = default;
};

} // namespace Margin
