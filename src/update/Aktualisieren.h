#pragma once

#include "update/Updateart.h"

#include <QString>

struct Updateumgebung;

// The update from the local update directory. A failed import never shows the success
// message 90 and stops a full update; what an import replaced is reloaded in the windows.

// The file of kind art for the latest business day before today, else for the business day
// before that (special message 33 names that second file when neither exists; special message
// 32 when the directory does not exist). True when the file was found and imported.
bool Lokal_Aktualisieren(Updateumgebung& u, Updateart art, bool erfolgsmeldung);

// Asks whether to import the product file of the directory: confirmation 12 when the installed
// version (DBVersion of margin.INI) is not older than the file's, otherwise 11. False without
// asking when the directory (32) or the file (33) is missing or its version cannot be read (92).
bool Versionspruefung(Updateumgebung& u);

// Versionspruefung, then the product import; only after a successful import the file's
// version becomes the installed DBVersion.
bool Produktdatei_Aktualisieren(Updateumgebung& u);

// The product file, then derivatives, equities and bonds, volatility shifts and risk factors,
// each only when everything before succeeded; one error log for all files. True when all did.
bool Komplett_Aktualisieren(Updateumgebung& u);

// The product file of the directory for the database in use.
QString Produktdateipfad(const Updateumgebung& u);
