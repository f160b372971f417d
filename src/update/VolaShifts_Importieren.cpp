#include "update/Updateimport.h"

#include "store/Sql.h"
#include "update/Importschritte.h"
#include "update/Statustext.h"
#include "update/Updatebegleitung.h"
#include "update/Updateumgebung.h"
#include "update/VolaShiftdatei.h"

namespace {

using namespace Importschritte;

// Empty texts become NULL: the shift look-up tests for NULL.
QVariant textOderNull(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

void zeilenSchreiben(Updateumgebung& u, const std::vector<VolaShiftzeile>& zeilen, qint64 n) {
    Sql::ausfuehren(u.db, "DELETE FROM vola_shifts");
    for (const VolaShiftzeile& v : zeilen) {
        Schritt_Melden(u, v.zeile - 1, n);
        Sql::ausfuehren(u.db,
                        "INSERT INTO vola_shifts (typ, marginklasse, c_p, days, Mnes, PriceMove, "
                        "Vola_Up, Vola_Neutral, Vola_Down) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                        {textOderNull(v.typ), textOderNull(v.marginklasse), textOderNull(v.c_p),
                         v.days, v.Mnes, v.PriceMove, v.Vola_Up, v.Vola_Neutral, v.Vola_Down});
    }
}

// The exchange publishes one set of power option rows (type "S"); every power option class
// without rows of its own receives a copy under its name. Rows of type "S" and "0" are not
// used by the calculation and go.
void stromoptionenVerteilen(const QSqlDatabase& db) {
    const char* const schritte[] = {
        "DELETE FROM vola_shifts_berechnung",
        "DELETE FROM vola_shifts_berechnung2",
        "DELETE FROM vola_shifts_tmp",
        "INSERT INTO vola_shifts_berechnung SELECT * FROM vola_shifts WHERE typ = 'S'",
        "INSERT INTO vola_shifts_tmp (marginklasse) SELECT DISTINCT MarginKlasse FROM Produkt "
        "WHERE Art LIKE 'R' AND LZB LIKE 'V%' AND O_F LIKE 'O' AND trim(MarginKlasse) <> ''",
        "INSERT INTO vola_shifts_berechnung2 (marginklasse) SELECT DISTINCT marginklasse FROM "
        "vola_shifts WHERE upper(marginklasse) IN (SELECT upper(marginklasse) FROM "
        "vola_shifts_tmp)",
        "DELETE FROM vola_shifts_tmp WHERE upper(marginklasse) IN (SELECT upper(marginklasse) "
        "FROM vola_shifts_berechnung2)",
        "INSERT INTO vola_shifts (typ, marginklasse, c_p, days, Mnes, PriceMove, Vola_Up, "
        "Vola_Neutral, Vola_Down) SELECT NULL, t.marginklasse, b.c_p, b.days, b.Mnes, "
        "b.PriceMove, b.Vola_Up, b.Vola_Neutral, b.Vola_Down FROM vola_shifts_tmp t, "
        "vola_shifts_berechnung b",
        "DELETE FROM vola_shifts WHERE typ = 'S' OR typ = '0'",
        "DELETE FROM vola_shifts_berechnung",
        "DELETE FROM vola_shifts_berechnung2",
        "DELETE FROM vola_shifts_tmp",
        "DELETE FROM vola_shifts_index",
        "INSERT INTO vola_shifts_index SELECT DISTINCT typ, marginklasse, NULL, days, NULL, "
        "NULL, NULL, NULL, NULL FROM vola_shifts",
    };
    for (const char* sql : schritte) Sql::ausfuehren(db, sql);
}

} // namespace

bool VolaShifts_Importieren(Updateumgebung& u, const QString& pfad) {
    const auto zeilen = Datei_Lesen(u, pfad);
    if (!zeilen) return Datei_Abweisen(u, pfad);
    const Dateiinhalt<VolaShiftzeile> inhalt = VolaShiftdatei_Lesen(*zeilen);
    if (inhalt.zeilen.empty()) return Datei_Abweisen(u, pfad, inhalt.fehler);

    u.begleitung.Statustext_Zeigen(Statustext(11, u.sprache));
    u.begleitung.Statustext_Zeigen(Statustext(10, u.sprache));
    Transaktion transaktion(u.db);
    Protokoll_Beginnen(u);
    zeilenSchreiben(u, inhalt.zeilen, zeilen->size());
    stromoptionenVerteilen(u.db);
    Zeilenfehler_Protokollieren(u, pfad, inhalt.fehler);
    transaktion.bestaetigen();
    return true;
}
