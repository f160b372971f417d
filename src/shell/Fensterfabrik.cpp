#include "shell/Fensterfabrik.h"

#include "input/TEingabe.h"
#include "margin/TAusgabe1.h"
#include "margin/TBerechnungsInfo.h"
#include "refdata/TFehlerprotokoll.h"
#include "refdata/TImportInfo.h"
#include "shell/TDBWahl.h"
#include "shell/TInfo.h"
#include "shell/TMain.h"

#include <QHash>

namespace Fensterfabrik {

namespace {

const QHash<QString, Fensterart>& arten() {
    static const QHash<QString, Fensterart> alle = {
        {"Eingabe", {true, 100, false, [](TMain& h) { return new TEingabe(h); }}},
        {"Info", {true, 0, true, [](TMain&) { return new TInfo; }}},
        {"DBWahl", {false, 0, true, [](TMain& h) { return new TDBWahl(h); }}},
        {"Fehlerprotokoll", {true, 0, false, [](TMain& h) { return new TFehlerprotokoll(h); }}},
        {"Ausgabe1", {true, 0, false, [](TMain& h) { return new TAusgabe1(h); }}},
        {"BerechnungsInfo", {true, 0, true, [](TMain&) { return new TBerechnungsInfo; }}},
        {"ImportInfo", {true, 0, true, [](TMain&) { return new TImportInfo; }}},
    };
    return alle;
}

} // namespace

const Fensterart* art(const QString& fenstername) {
    const auto it = arten().constFind(fenstername);
    return it == arten().constEnd() ? nullptr : &it.value();
}

QStringList namen() {
    QStringList alle = arten().keys();
    alle.sort();
    return alle;
}

const QStringList& beschriftungsreihenfolge() {
    static const QStringList reihenfolge = {"Eingabe",
                                            "Zins",
                                            "Info",
                                            "Oeffnen",
                                            "Speichern",
                                            "Einstellungen_Produkte",
                                            "Einstellungen_MarginKlasse",
                                            "Einstellungen_MarginGruppe",
                                            "Ausgabe1",
                                            "Ausgabe2",
                                            "Fehlerprotokoll",
                                            "ImportInfo",
                                            "Einstellungen_Feiertage",
                                            "Update",
                                            "Fehler_Updatepfad",
                                            "Waehrung",
                                            "DBWahl"};
    return reihenfolge;
}

} // namespace Fensterfabrik
