#include "update/Importschritte.h"

#include "input/Fehlerprotokoll.h"
#include "shell/Dialoge.h"
#include "store/Sql.h"
#include "update/Statustext.h"
#include "update/Updatebegleitung.h"
#include "update/Updateumgebung.h"

#include <QFileInfo>

namespace Importschritte {

// The error log row of a line that does not fit its file's format.
constexpr int kZeilenfehler = 34;

std::optional<QStringList> Datei_Lesen(Updateumgebung& u, const QString& pfad) {
    u.begleitung.Updatedatei_Melden(pfad);
    return Updatedatei_Lesen(pfad);
}

void Protokoll_Beginnen(Updateumgebung& u) {
    if (u.protokollLeeren) Fehlerprotokoll(u.db).Fehlerprotokoll_Leeren();
}

void Zeilenfehler_Protokollieren(Updateumgebung& u, const QString& pfad,
                                 const std::vector<Zeilenfehler>& fehler) {
    Fehlerprotokoll protokoll(u.db);
    const QString datei = QFileInfo(pfad).fileName();
    for (const Zeilenfehler& f : fehler)
        protokoll.Fehlerzeile_Anhaengen(f.zeile, f.schluessel, kZeilenfehler, 'S',
                                        QString("%1:%2").arg(datei).arg(f.zeile));
}

bool Datei_Abweisen(Updateumgebung& u, const QString& pfad, const std::vector<Zeilenfehler>& fehler,
                    int spezialfehler) {
    Transaktion transaktion(u.db);
    Protokoll_Beginnen(u);
    Zeilenfehler_Protokollieren(u, pfad, fehler);
    transaktion.bestaetigen();
    if (spezialfehler != 0)
        u.dialoge.Spezialfehler_Zeigen(spezialfehler, pfad);
    else
        u.dialoge.Fehlermeldung_Zeigen(92);
    return false;
}

void Schritt_Melden(Updateumgebung& u, qint64 i, qint64 n, int status) {
    if (i % 10 != 0) return;
    u.begleitung.Fortschritt_Zeigen(i, n);
    if (status != 0)
        u.begleitung.Statustext_Zeigen(
            Statustext(status, u.sprache, static_cast<int>(i), static_cast<int>(n)));
}

} // namespace Importschritte
