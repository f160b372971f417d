#pragma once

#include "calendar/Datum.h"
#include "calendar/Feiertage.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// One contract of the power futures calendar (table Ampero).
struct Amperotermin {
    Datum FIRST_TRADING_DATE;
    Datum LETZTER_HT; // last trading day: the expiry of the maturity
    std::string Anzeigetext;
    std::int64_t CONTRACT_SIZE = 0; // replaces the product's multiplier for this contract
};

// The reference rows that the maturity rules read, held in memory so that building a
// maturity list never touches the database. Rows keep the table's order.
struct Kalenderdaten {
    Feiertage feiertage;
    std::vector<Datum> inflationOptionen; // Inflationsderivate_Termine.Termin with O_F "O"
    std::vector<Datum> inflationFutures;  // ... with O_F "F"
    // Product codes in upper case, because look-ups by product code ignore case.
    std::map<std::string, std::vector<Amperotermin>, std::less<>> ampero;
    std::vector<std::string> jGruppeA; // the product codes of rule "J"'s date groups
    std::vector<std::string> jGruppeB;

    // The power contracts of a product; empty when it has none.
    const std::vector<Amperotermin>& amperoVon(std::string_view produkt) const;
};

// ASCII upper case: the key form of product codes.
std::string grossgeschrieben(std::string_view text);
