#include "calendar/Datum.h"

#include <cstdio>

namespace {

// The Gregorian calendar as a 400-year era of 146097 days, counted from 1 March so that the
// leap day falls at the end of the counted year (civil day algorithms after H. Hinnant).
constexpr std::int64_t kTageJeEra = 146097;
constexpr std::int64_t kVersatz1970 = 719468; // days from 1 March of year 0 to 1 January 1970

std::int64_t tagnummerVon(int jahr, int monat, int tag) {
    const std::int64_t j = monat <= 2 ? jahr - 1 : jahr;
    const std::int64_t era = (j >= 0 ? j : j - 399) / 400;
    const std::int64_t jahrDerEra = j - era * 400;
    const std::int64_t tagDesJahres = (153 * (monat > 2 ? monat - 3 : monat + 9) + 2) / 5 + tag - 1;
    const std::int64_t tagDerEra =
        jahrDerEra * 365 + jahrDerEra / 4 - jahrDerEra / 100 + tagDesJahres;
    return era * kTageJeEra + tagDerEra - kVersatz1970;
}

struct Zerlegt {
    int jahr, monat, tag;
};

Zerlegt zerlegen(std::int64_t nummer) {
    const std::int64_t z = nummer + kVersatz1970;
    const std::int64_t era = (z >= 0 ? z : z - kTageJeEra + 1) / kTageJeEra;
    const std::int64_t tagDerEra = z - era * kTageJeEra;
    const std::int64_t jahrDerEra =
        (tagDerEra - tagDerEra / 1460 + tagDerEra / 36524 - tagDerEra / 146096) / 365;
    const std::int64_t tagDesJahres =
        tagDerEra - (365 * jahrDerEra + jahrDerEra / 4 - jahrDerEra / 100);
    const std::int64_t mp = (5 * tagDesJahres + 2) / 153;
    const int tag = static_cast<int>(tagDesJahres - (153 * mp + 2) / 5 + 1);
    const int monat = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int jahr = static_cast<int>(jahrDerEra + era * 400 + (monat <= 2 ? 1 : 0));
    return {jahr, monat, tag};
}

const std::int64_t kErsterTag = tagnummerVon(1, 1, 1);
const std::int64_t kLetzterTag = tagnummerVon(9999, 12, 31);

int ziffern(std::string_view text, std::size_t von, std::size_t anzahl) {
    int wert = 0;
    for (std::size_t i = von; i < von + anzahl; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        wert = wert * 10 + (text[i] - '0');
    }
    return wert;
}

} // namespace

bool istSchaltjahr(int jahr) {
    return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

int tageImMonat(int jahr, int monat) {
    static constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (monat < 1 || monat > 12) return 0;
    return monat == 2 && istSchaltjahr(jahr) ? 29 : kTage[monat - 1];
}

Datum::Datum(int jahr, int monat, int tag) {
    if (jahr < 1 || jahr > 9999 || tag < 1 || tag > tageImMonat(jahr, monat)) return;
    nummer_ = static_cast<std::int32_t>(tagnummerVon(jahr, monat, tag));
}

Datum Datum::ausTagnummer(std::int64_t tagnummer) {
    Datum d;
    if (tagnummer >= kErsterTag && tagnummer <= kLetzterTag)
        d.nummer_ = static_cast<std::int32_t>(tagnummer);
    return d;
}

Datum Datum::ausIso(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return {};
    const int jahr = ziffern(text, 0, 4);
    const int monat = ziffern(text, 5, 2);
    const int tag = ziffern(text, 8, 2);
    if (jahr < 0 || monat < 0 || tag < 0) return {};
    return Datum(jahr, monat, tag);
}

int Datum::jahr() const {
    return gueltig() ? zerlegen(nummer_).jahr : 0;
}
int Datum::monat() const {
    return gueltig() ? zerlegen(nummer_).monat : 0;
}
int Datum::tag() const {
    return gueltig() ? zerlegen(nummer_).tag : 0;
}

Wochentag Datum::wochentag() const {
    // 1 January 1970 was a Thursday.
    const int rest = static_cast<int>((static_cast<std::int64_t>(nummer_) + 3) % 7);
    return static_cast<Wochentag>((rest < 0 ? rest + 7 : rest) + 1);
}

std::string Datum::iso() const {
    if (!gueltig()) return {};
    const Zerlegt z = zerlegen(nummer_);
    char text[40]; // room for any int, so the compiler sees no truncation
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", z.jahr, z.monat, z.tag);
    return text;
}

Datum Datum::operator+(int tage) const {
    if (!gueltig()) return {};
    return ausTagnummer(static_cast<std::int64_t>(nummer_) + tage);
}
