#include "update/Aktualisieren.h"

#include "shell/Dialoge.h"
#include "shell/Konfiguration.h"
#include "update/Updatebegleitung.h"
#include "update/Updateimport.h"
#include "update/Updateumgebung.h"

bool Produktdatei_Aktualisieren(Updateumgebung& u) {
    if (!Versionspruefung(u)) return false;
    const auto version = Produktdatei_Importieren(u, Produktdateipfad(u));
    if (!version) return false;
    Konfiguration(u.konfigurationsdatei).dbVersionSchreiben(*version);
    u.begleitung.Produkte_Neu_Laden();
    return true;
}

bool Komplett_Aktualisieren(Updateumgebung& u) {
    u.begleitung.Abhaengige_Fenster_Schliessen();
    if (!Produktdatei_Aktualisieren(u)) return false;
    // The product import started the error log; the other files add to it.
    Updateumgebung weiter = u;
    weiter.protokollLeeren = false;
    bool erfolgreich = true;
    for (Updateart art :
         {Updateart::Derivate, Updateart::Aktien, Updateart::VolaShifts, Updateart::FPPARA}) {
        erfolgreich = Lokal_Aktualisieren(weiter, art, false);
        if (!erfolgreich) break;
    }
    if (erfolgreich) u.dialoge.Fehlermeldung_Zeigen(90);
    u.begleitung.MarginKlassen_Neu_Laden();
    return erfolgreich;
}
