#include "update/Aktualisieren.h"

#include "shell/Dialoge.h"
#include "shell/Konfiguration.h"
#include "update/Feldleser.h"
#include "update/Updatedatei.h"
#include "update/Updateumgebung.h"

#include <QDir>
#include <QFileInfo>

QString Produktdateipfad(const Updateumgebung& u) {
    return QDir(u.verzeichnis).filePath(Updatedateiname(Updateart::Database, {}, u.datenbankdatei));
}

bool Versionspruefung(Updateumgebung& u) {
    if (!QFileInfo(u.verzeichnis).isDir()) {
        u.dialoge.Spezialfehler_Zeigen(32, u.verzeichnis);
        return false;
    }
    const QString pfad = Produktdateipfad(u);
    if (!QFileInfo::exists(pfad)) {
        u.dialoge.Spezialfehler_Zeigen(33, pfad);
        return false;
    }
    const auto zeilen = Updatedatei_Lesen(pfad);
    const auto dateiversion = zeilen && !zeilen->isEmpty() && !zeilen->first().trimmed().isEmpty()
                                  ? Feldleser::Zahl(zeilen->first())
                                  : std::nullopt;
    if (!dateiversion) {
        u.dialoge.Fehlermeldung_Zeigen(92);
        return false;
    }
    const double installiert =
        Feldleser::Zahl(Konfiguration(u.konfigurationsdatei).dbVersion()).value_or(0.0);
    return u.dialoge.Bestaetigung_Fragen(installiert >= *dateiversion ? 12 : 11);
}
