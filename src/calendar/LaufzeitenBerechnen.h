#pragma once

#include "calendar/Datum.h"
#include "calendar/Kalenderdaten.h"
#include "calendar/Laufzeiten.h"

#include <string_view>

// The maturities of a product tradable on the calculation date, computed in memory from the
// product's maturity rule code (LZB), its horizon L (Produkt.Laufzeit) and, for the
// table-driven rules, the loaded reference rows. The code is compared exactly after leading
// and trailing blanks are removed; an unknown code (or an invalid calculation date) leaves
// ziel empty and gives false.
// Nothing is read from or written to the database.
bool LaufzeitenBerechnen(Laufzeiten& ziel, std::string_view produkt, double laufzeit,
                         std::string_view lzb, Datum berechnungsdatum, const Kalenderdaten& daten);

// Without leading and trailing blanks (and other control characters).
std::string_view ohneRandleerzeichen(std::string_view text);
