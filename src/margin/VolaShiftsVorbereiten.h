#pragma once

#include "margin/Berechnungszeile.h"
#include "margin/VolaShiftZeilen.h"

#include <vector>

namespace Margin {

struct VolaShiftsAuswahl {
    bool optionen = false; // an option row with a class: the run prices options
    std::vector<VolaShiftsTmpZeile> vola_shifts_tmp;
    std::vector<VolaShiftZeile> vola_shifts_berechnung;
};

// The volatility shift rows the valuation may use: for every class with shifts of its own the
// rows of the remaining-days bucket of each of its positions, otherwise the rows of the
// product type's bucket (equity and index options), and always the rows for all products.
// Only call/put-specific class and type rows are taken, as the bucket rows are matched by the
// positions' call/put flag. Without options both lists stay empty.
VolaShiftsAuswahl VolaShiftsVorbereiten(const std::vector<Berechnungszeile>& berechnung,
                                        const std::vector<VolaShiftZeile>& vola_shifts,
                                        const std::vector<VolaShiftZeile>& vola_shifts_index);

} // namespace Margin
