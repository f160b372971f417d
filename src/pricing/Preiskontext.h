#pragma once

#include "calendar/Datum.h"
#include "calendar/Laufzeiten.h"
#include "shell/Datumstext.h"

#include <QString>

struct Produktsatz;
struct Zinssaetze;

// Where the pricing services report error 56 (no implied volatility): as numbered message 56
// when the caller works interactively, otherwise as a row of the error log. The application
// connects it to its dialogs and its error log (Meldungsanbindung.h); tests record it.
class Preisdienstmeldungen {
public:
    virtual ~Preisdienstmeldungen() = default;
    virtual void Fehlermeldung_Zeigen(int nummer) = 0;
    virtual void Fehlerzeile_Anhaengen(int zeilenNr, const QString& produkt, int nummer, QChar art,
                                       const QString& zusatz) = 0;
};

// Whose rules apply: the position input window, or the calculation of the margin results
// window.
enum class Preisfenster { Eingabe, Ausgabe1 };

// The rows a pricing service reads, handed over by the caller rather than taken from the
// current rows of a window's datasets.
struct Preiskontext {
    Preisfenster fenster = Preisfenster::Eingabe;
    const Produktsatz& produkt;   // the position's product
    const Zinssaetze& zinsen;     // table Zinsen, loaded once
    const Laufzeiten& laufzeiten; // Eingabe: LaufzeitenAktuell; Ausgabe1: the product's own list
    int LaufzeitIndex = 0;        // of the position row (Eingabe, or Berechnung in Ausgabe1)
    Datum Berechnungsdatum{};
    Datumstext::Stil datumsstil{};
    // Error 56 of an implied volatility: where it goes (nowhere when null) and the Eingabe row
    // an error log row names.
    Preisdienstmeldungen* meldungen = nullptr;
    int ZeilenNr = 0;
    QString Prod_Neu{};
};
