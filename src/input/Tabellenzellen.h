#pragma once

#include "shell/Arbeitsmappe.h"

#include <optional>

// Reading the cells of an imported positions sheet.
namespace Tabellenzellen {

// A number cell, or a text that reads as a number ("1234.5", or with a
// decimal comma as written by spreadsheet programs of a comma locale).
// An empty cell is 0; nothing for text that is no number.
std::optional<double> zahl(const Arbeitsmappe::Zelle& z);
// A date cell, or a date text in the local order.
std::optional<QDate> datum(const Arbeitsmappe::Zelle& z);
// The cell as the grid keeps it: date cells in the local date order.
QString text(const Arbeitsmappe::Zelle& z);

} // namespace Tabellenzellen
