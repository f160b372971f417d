#include "update/Aktualisieren.h"

#include "calendar/DatumQt.h"
#include "calendar/Feiertage.h"
#include "calendar/KalenderdatenLesen.h"
#include "shell/Dialoge.h"
#include "update/Updatebegleitung.h"
#include "update/Updateimport.h"
#include "update/Updateumgebung.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString pfadFuer(const Updateumgebung& u, Updateart art, Datum tag) {
    const QString datumstext = QString::fromStdString(tag.iso()).remove('-');
    return QDir(u.verzeichnis).filePath(Updatedateiname(art, datumstext, u.datenbankdatei));
}

bool importieren(Updateumgebung& u, Updateart art, const QString& pfad) {
    switch (art) {
    case Updateart::Database:
        return Produktdatei_Importieren(u, pfad).has_value();
    case Updateart::Derivate:
        return Derivate_Importieren(u, pfad);
    case Updateart::Aktien:
        return Wertpapiere_Importieren(u, pfad);
    case Updateart::VolaShifts:
        return VolaShifts_Importieren(u, pfad);
    case Updateart::FPPARA:
        return Risikofaktoren_Importieren(u, pfad);
    }
    return false;
}

} // namespace

bool Lokal_Aktualisieren(Updateumgebung& u, Updateart art, bool erfolgsmeldung) {
    if (!QFileInfo(u.verzeichnis).isDir()) {
        u.dialoge.Spezialfehler_Zeigen(32, u.verzeichnis);
        return false;
    }
    const Feiertage feiertage = FeiertageLesen(u.db);
    Datum tag = Geschaeftstag_Vor(ausQDate(u.heute), feiertage);
    QString pfad = pfadFuer(u, art, tag);
    if (!QFileInfo::exists(pfad)) {
        tag = Geschaeftstag_Vor(tag, feiertage);
        pfad = pfadFuer(u, art, tag);
        if (!QFileInfo::exists(pfad)) {
            u.dialoge.Spezialfehler_Zeigen(33, pfad);
            return false;
        }
    }
    if (!importieren(u, art, pfad)) return false;
    if (erfolgsmeldung) u.dialoge.Fehlermeldung_Zeigen(90);
    if (art == Updateart::VolaShifts)
        u.begleitung.VolaShifts_Neu_Laden();
    else
        u.begleitung.MarginKlassen_Neu_Laden();
    return true;
}
