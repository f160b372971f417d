#pragma once

#include <QString>

// The progress texts of an update, number 0 to 13: German for language code "d", English
// otherwise; i and n are the counts of texts 4 and 6. An unknown number gives the empty text.
QString Statustext(int nummer, const QString& sprache, int i = 0, int n = 0);
