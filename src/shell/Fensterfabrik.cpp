#include "shell/Fensterfabrik.h"

#include "input/TEingabe.h"
#include "shell/TDBWahl.h"
#include "shell/TInfo.h"
#include "shell/TMain.h"

#include <QHash>

namespace Fensterfabrik {

const Fensterart* art(const QString& fenstername) {
    static const QHash<QString, Fensterart> arten = {
        {"Eingabe", {true, 100, [](TMain& h) { return new TEingabe(h); }}},
        {"Info", {true, 0, [](TMain&) { return new TInfo; }}},
        {"DBWahl", {false, 0, [](TMain& h) { return new TDBWahl(h); }}},
    };
    const auto it = arten.constFind(fenstername);
    return it == arten.constEnd() ? nullptr : &it.value();
}

const QStringList& beschriftungsreihenfolge() {
    static const QStringList reihenfolge = {
        "Eingabe", "Zins", "Info", "Oeffnen", "Speichern", "Einstellungen_Produkte",
        "Einstellungen_MarginKlasse", "Einstellungen_MarginGruppe", "Ausgabe1", "Ausgabe2",
        "Fehlerprotokoll", "ImportInfo", "Einstellungen_Feiertage", "Update",
        "Fehler_Updatepfad", "Waehrung", "DBWahl"};
    return reihenfolge;
}

} // namespace Fensterfabrik
