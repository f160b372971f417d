#pragma once

#include <QString>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

// How the calculation compares the texts and numbers of its rows. The described statements
// filter with "like" on a literal (equality without regard to case) and treat an empty value
// as equal to nothing; quantities of the pairing lists are whole numbers.
namespace Margin {

// Empty, or only blanks.
inline bool leer(const QString& text) {
    return text.trimmed().isEmpty();
}

// Equal without regard to case; an empty value equals nothing.
inline bool gleich(const QString& a, const QString& b) {
    return !leer(a) && a.compare(b, Qt::CaseInsensitive) == 0;
}

// The form under which codes (classes, groups, products) are looked up.
inline QString schluessel(const QString& code) {
    return code.trimmed().toUpper();
}

// Ascending as the database sorts texts: the empty value (NULL) first.
inline int textOrdnung(const QString& a, const QString& b,
                       Qt::CaseSensitivity cs = Qt::CaseSensitive) {
    if (a.isNull() || b.isNull()) return int(!a.isNull()) - int(!b.isNull());
    return a.compare(b, cs);
}

// A quantity as the integer columns of the work lists hold it: rounded, halves to even.
inline long long ganzzahl(double x) {
    return static_cast<long long>(std::nearbyint(x));
}

// SELECT DISTINCT: a row is added unless an equal one is there; the first keeps its place.
template <typename Zeile> void anhaengenWennNeu(std::vector<Zeile>& zeilen, Zeile z) {
    if (std::find(zeilen.begin(), zeilen.end(), z) == zeilen.end()) zeilen.push_back(std::move(z));
}

// An empty amount reads as 0.
inline double z(const std::optional<double>& wert) {
    return wert.value_or(0.0);
}

} // namespace Margin
