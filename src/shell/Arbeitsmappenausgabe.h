#pragma once

#include <QString>

class Arbeitsmappe;
class Dialoge;

// Writes an export workbook where the user chooses and opens it with the
// desktop's spreadsheet program; the user is told the file's path when none
// is registered. False when the user cancelled or the file could not be
// written (message 73).
bool arbeitsmappeAusgeben(const Arbeitsmappe& mappe, Dialoge& dialoge);
