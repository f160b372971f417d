#pragma once

#include <QString>

// Codes of the reference rows (type letters, rule codes, product and model codes) compared as
// the keys of the program are: without surrounding blanks and ignoring case.
inline bool istKennung(const QString& text, const char* kennung) {
    return text.trimmed().compare(QLatin1String(kennung), Qt::CaseInsensitive) == 0;
}
