#pragma once

#include "calendar/Datum.h"
#include "calendar/Feiertage.h"
#include "calendar/Laufzeiten.h"

#include <string>
#include <string_view>
#include <vector>

// Test shorthand: a date from ISO text (the test fails on a typo rather than passing with the
// invalid date).
Datum iso(std::string_view text);
// Holidays from ISO dates separated by blanks.
Feiertage feiertage(std::string_view tage);
// "Mar08 2008-03-21, Apr08 2008-04-18": the entries in use, label and expiry.
std::string liste(const Laufzeiten& l);
