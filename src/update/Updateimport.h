#pragma once

#include <QString>
#include <optional>

struct Updateumgebung;

// The imports of the exchange's update files. Each is one transaction: it applies whole or
// not at all. A file that cannot be read, or of which no line fits its format, is refused with
// a message and changes nothing; a line that does not fit is skipped with an error log row.
// Database errors throw DatenbankFehler after the transaction was rolled back.

// Replaces products, margin classes and margin groups by the product file. The dividends and
// dividend dates of products that exist before and after survive. The version line of the
// file read, or nothing when the import failed (missing file: special message 33).
std::optional<QString> Produktdatei_Importieren(Updateumgebung& u, const QString& pfad);

// Margin parameters of derivatives: groups, classes and the class, switch and SOPA factor of
// the products named.
bool Derivate_Importieren(Updateumgebung& u, const QString& pfad);

// Margin parameters of equities and bonds through the staging table U_Produkt_Bonds.
bool Wertpapiere_Importieren(Updateumgebung& u, const QString& pfad);

// Replaces vola_shifts: copies the power option rows to the power option classes without own
// rows and rebuilds vola_shifts_index.
bool VolaShifts_Importieren(Updateumgebung& u, const QString& pfad);

// Replaces FPPARA, numbering each class's rows in (year, month) order.
bool Risikofaktoren_Importieren(Updateumgebung& u, const QString& pfad);
