#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

// Weekdays in ISO order (Monday = 1). The calendar rules compare weekdays by name only.
enum class Wochentag : int {
    Montag = 1,
    Dienstag,
    Mittwoch,
    Donnerstag,
    Freitag,
    Samstag,
    Sonntag
};

// A whole calendar day of the Gregorian calendar (years 1 to 9999), held as a serial day
// number so that stepping, comparing and counting days are integer operations.
//
// The default value is the invalid date ("no date"); it sorts before every valid date, and
// arithmetic on it, or arithmetic that leaves the year range, gives the invalid date again.
//
//     Datum d(2008, 3, 21);             // Friday 21 March 2008
//     d + 10;                           // 31 March 2008
//     Datum(2008, 12, 19) - d;          // 273 (days)
//     d.wochentag() == Wochentag::Freitag
class Datum {
public:
    constexpr Datum() = default;
    // The invalid date when the day does not exist (31 April, 29 February 2007, month 13, ...).
    Datum(int jahr, int monat, int tag);
    // Days counted from 1 January 1970 (day 0); outside the year range the invalid date.
    static Datum ausTagnummer(std::int64_t tagnummer);
    // Exactly "YYYY-MM-DD", the storage form of the database; anything else is invalid.
    static Datum ausIso(std::string_view text);

    bool gueltig() const { return nummer_ != kUngueltig; }
    std::int32_t tagnummer() const { return nummer_; }
    int jahr() const;
    int monat() const;
    int tag() const;
    Wochentag wochentag() const;
    // "YYYY-MM-DD"; the empty text for the invalid date.
    std::string iso() const;

    Datum operator+(int tage) const;
    Datum operator-(int tage) const { return *this + (-tage); }
    Datum& operator+=(int tage) { return *this = *this + tage; }
    Datum& operator-=(int tage) { return *this = *this + (-tage); }
    // Days from b to this date (negative when this date is earlier).
    int operator-(Datum b) const { return nummer_ - b.nummer_; }

    friend bool operator==(Datum, Datum) = default;
    friend auto operator<=>(Datum, Datum) = default;

private:
    static constexpr std::int32_t kUngueltig = INT32_MIN;
    std::int32_t nummer_ = kUngueltig;
};

bool istSchaltjahr(int jahr);
// 28 to 31; 0 for a month outside 1 to 12.
int tageImMonat(int jahr, int monat);
