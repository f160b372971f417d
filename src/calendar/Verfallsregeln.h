#pragma once

#include "calendar/Datum.h"
#include "calendar/Kontraktmonat.h"

class Feiertage;

// Expiry days (last trading days) of listed contracts. Day rule n of a contract month gives
// its expiry date; n is the number the maturity rules use: 0 to 21, except 7, 9, 11 and 14,
// which are not assigned. Contract years 2 to 9998; outside them, for a month outside 1 to 12
// and for an unassigned number the result is the invalid date. Each rule skips exactly what it
// states: some skip nothing, some only holidays, some weekends and holidays.
Datum Verfallstag(int regel, Kontraktmonat k, const Feiertage& feiertage);
bool istTagregel(int regel);

// While d is a holiday, one day back. Weekends are not skipped: a date moved back from a
// holiday Monday stays on the Sunday before.
Datum zurueckUeberFeiertage(Datum d, const Feiertage& feiertage);

// The last Monday to Friday of the month; holidays are not skipped.
Datum letzterWochentag(Kontraktmonat k);
// From 31 March back over Saturdays, Sundays and holidays.
Datum letzterGeschaeftstagImMaerz(int jahr, const Feiertage& feiertage);

// The expiry test: d is on or before the expiry of the rule in d's own contract month.
bool amOderVorVerfall(Datum d, int regel, const Feiertage& feiertage);
