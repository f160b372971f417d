#pragma once

#include "calendar/Datum.h"

#include <cstdint>
#include <vector>

// The exchange's holiday list, one list for all products, markets and currencies. Built
// once from the dates of table Feiertage; the holiday test is a bit look-up by day number,
// because the expiry rules test day after day while they step through a month.
class Feiertage {
public:
    Feiertage() = default;
    // Invalid dates are ignored; repeated dates count once.
    explicit Feiertage(const std::vector<Datum>& tage);

    bool enthaelt(Datum d) const {
        const std::int64_t i = static_cast<std::int64_t>(d.tagnummer()) - erster_;
        return d.gueltig() && i >= 0 && i < static_cast<std::int64_t>(tage_.size()) && tage_[i];
    }

private:
    std::int32_t erster_ = 0;
    std::vector<bool> tage_; // index: day number - erster_
};

// The invalid date is neither a weekend day nor a holiday, so every loop that steps over
// weekends or holidays stops when it leaves the year range.
bool istWochenende(Datum d);
// Monday to Friday and not a holiday.
bool istGeschaeftstag(Datum d, const Feiertage& feiertage);
// The n-th business day after d (settlement of equities n = 2, of bonds n = 3); d itself for
// n <= 0.
Datum Geschaeftstag_Nach(Datum d, int n, const Feiertage& feiertage);
// The latest business day before d.
Datum Geschaeftstag_Vor(Datum d, const Feiertage& feiertage);
