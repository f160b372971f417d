#pragma once

#include "calendar/Datum.h"

#include <QDate>

// The bridge between the calendar's day type and Qt's: both count whole days, so the
// conversion is a shift of the day number (Julian day 2440588 is 1 January 1970).
inline constexpr qint64 kJulianischer1970 = 2440588;

inline QDate alsQDate(Datum d) {
    return d.gueltig() ? QDate::fromJulianDay(d.tagnummer() + kJulianischer1970) : QDate();
}

inline Datum ausQDate(const QDate& d) {
    return d.isValid() ? Datum::ausTagnummer(d.toJulianDay() - kJulianischer1970) : Datum();
}
