#pragma once

#include "shell/Meldung.h"

#include <optional>

class IniDatei;

// Composes the numbered messages from a label file. A message whose kind is
// not one of the four known kinds is not shown at all (std::nullopt).
namespace Meldungstexte {

std::optional<Meldung> fehlermeldung(const IniDatei& labels, int n);
std::optional<Meldung> spezialfehler(const IniDatei& labels, int n, const QString& daten);
Meldung bestaetigung(const IniDatei& labels, int n);
Meldung spezialbestaetigung(const IniDatei& labels, int n, const QString& daten);

// The text of error message n as an error log row shows it (kind ignored).
QString fehlertext(const IniDatei& labels, int n);
// The text of special error message n with the data inserted.
QString spezialfehlertext(const IniDatei& labels, int n, const QString& daten);

} // namespace Meldungstexte
