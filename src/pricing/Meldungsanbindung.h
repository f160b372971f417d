#pragma once

#include "pricing/Preiskontext.h"
#include "pricing/Rechenfehler.h"

class Dialoge;
class Fehlerprotokoll;

// The pricing module's reports on the program's own channels: error 56 as message 56 of the
// dialogs or as a row of the error log FehlerP, and the failure texts of the normal
// distribution ("ErrorNV", "ErrorNVS") as an error box.
class Meldungsanbindung : public Preisdienstmeldungen, public Rechenfehleranzeige {
public:
    Meldungsanbindung(Dialoge& dialoge, Fehlerprotokoll& protokoll)
        : dialoge_(dialoge)
        , protokoll_(protokoll) {}

    void Fehlermeldung_Zeigen(int nummer) override;
    void Fehlerzeile_Anhaengen(int zeilenNr, const QString& produkt, int nummer, QChar art,
                               const QString& zusatz) override;
    void Rechenfehler_Zeigen(std::string_view text) override;

private:
    Dialoge& dialoge_;
    Fehlerprotokoll& protokoll_;
};
