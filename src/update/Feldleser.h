#pragma once

#include <QStringView>
#include <optional>

// The fields of the exchange's update files. A number is decimal text with "." as decimal
// point, an optional sign and an optional exponent; blanks around it are ignored and an empty
// field is 0. Anything else is not a number: the line is reported, never stored as a guess.
namespace Feldleser {

std::optional<double> Zahl(QStringView text);
// A whole number: digits with an optional sign, nothing else.
std::optional<int> Ganzzahl(QStringView text);
// Positions von to bis of a fixed-width line, counted from 1; what lies beyond the end of the
// line is missing from the result.
QStringView Spalten(QStringView zeile, int von, int bis);

} // namespace Feldleser

// Reads the fields of one line and remembers whether all of them fitted, so that a parser
// reads a whole line first and then decides whether to keep it.
class Feldpruefung {
public:
    double zahl(QStringView feld);
    int ganzzahl(QStringView feld);
    // A field that must not be empty; returns it trimmed.
    QString pflichttext(QStringView feld);
    void verwerfen() { passt_ = false; }
    bool passt() const { return passt_; }

private:
    bool passt_ = true;
};
