#include "update/Updateimport.h"

#include "store/Sql.h"
#include "update/Importschritte.h"
#include "update/Risikofaktordatei.h"
#include "update/Statustext.h"
#include "update/Updatebegleitung.h"
#include "update/Updateumgebung.h"

namespace {

using namespace Importschritte;

void zeilenSchreiben(Updateumgebung& u, const std::vector<Risikofaktorzeile>& zeilen, qint64 n) {
    Sql::ausfuehren(u.db, "DELETE FROM FPPARA");
    for (const Risikofaktorzeile& r : zeilen) {
        Schritt_Melden(u, r.zeile - 1, n);
        Sql::ausfuehren(u.db,
                        "INSERT INTO FPPARA (MarginKlasse, Jahr, Monat, sMonat, Faktor, LZIndex) "
                        "VALUES (?, ?, ?, ?, ?, ?)",
                        {r.MarginKlasse, r.Jahr, r.Monat, r.sMonat(), r.Faktor, r.LZIndex});
    }
}

} // namespace

bool Risikofaktoren_Importieren(Updateumgebung& u, const QString& pfad) {
    const auto zeilen = Datei_Lesen(u, pfad);
    if (!zeilen) return Datei_Abweisen(u, pfad);
    const Dateiinhalt<Risikofaktorzeile> inhalt = Risikofaktordatei_Lesen(*zeilen);
    if (inhalt.zeilen.empty()) return Datei_Abweisen(u, pfad, inhalt.fehler);

    u.begleitung.Statustext_Zeigen(Statustext(12, u.sprache));
    u.begleitung.Statustext_Zeigen(Statustext(13, u.sprache));
    Transaktion transaktion(u.db);
    Protokoll_Beginnen(u);
    zeilenSchreiben(u, inhalt.zeilen, zeilen->size());
    Zeilenfehler_Protokollieren(u, pfad, inhalt.fehler);
    transaktion.bestaetigen();
    return true;
}
