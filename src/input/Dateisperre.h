#pragma once

#include <QString>

namespace Dateisperre {

// True when another program holds the file: an office suite's lock file
// ".~lock.<name>#" beside it, or an exclusive lock that cannot be taken.
bool inBenutzung(const QString& pfad);

} // namespace Dateisperre
