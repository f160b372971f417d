#include "update/Updateimport.h"

#include "store/Sql.h"
#include "update/Importschritte.h"
#include "update/Referenzzeilen.h"
#include "update/Statustext.h"
#include "update/Updatebegleitung.h"
#include "update/Updateumgebung.h"
#include "update/Wertpapierdatei.h"

#include <QSqlQuery>

namespace {

using namespace Importschritte;
using Referenzzeilen::Tabelle;

// The special message of an equities and bonds file that cannot be used.
constexpr int kNichtLesbar = 30;

void staging(const QSqlDatabase& db, const std::vector<Wertpapierzeile>& zeilen) {
    Sql::ausfuehren(db, "DELETE FROM U_Produkt_Bonds");
    for (const Wertpapierzeile& w : zeilen)
        Sql::ausfuehren(db,
                        "INSERT INTO U_Produkt_Bonds (MarginGruppe, OffSetFaktor, MarginKlasse, "
                        "ISIN, Parameter, ParameterArt, Waehrung) VALUES (?, ?, ?, ?, ?, ?, ?)",
                        {w.MarginGruppe, w.OffSetFaktor, w.MarginKlasse, w.ISIN, w.Parameter,
                         w.ParameterArt, w.Waehrung});
}

// Only rows of equities and bonds in the database that carry a margin class are applied.
void stagingBereinigen(const QSqlDatabase& db) {
    Sql::ausfuehren(db, "DELETE FROM U_Produkt_Bonds WHERE upper(ISIN) NOT IN (SELECT "
                        "upper(Produkt) FROM Produkt WHERE (Art LIKE 'E' OR Art LIKE 'B') AND "
                        "Produkt IS NOT NULL)");
    Sql::ausfuehren(db, "DELETE FROM U_Produkt_Bonds WHERE MarginKlasse IS NULL OR "
                        "trim(MarginKlasse) = ''");
    Sql::ausfuehren(db, "UPDATE U_Produkt_Bonds SET ParameterArt = 'Points' WHERE ParameterArt "
                        "= 'A'");
    Sql::ausfuehren(db, "UPDATE U_Produkt_Bonds SET ParameterArt = '%' WHERE ParameterArt = 'P'");
}

void zeileAnwenden(const QSqlDatabase& db, const QSqlQuery& z) {
    const QString gruppe = z.value("MarginGruppe").toString();
    const QString klasse = z.value("MarginKlasse").toString();
    const Referenzzeilen::Werte offset = {{"OffsetFaktor", z.value("OffSetFaktor")}};
    Referenzzeilen::setzen(db, Tabelle::MarginGruppe, gruppe, offset, offset);
    const Referenzzeilen::Werte parameter = {{"MarginGruppe", gruppe},
                                             {"MarginParameter", z.value("Parameter")},
                                             {"ParameterArt", z.value("ParameterArt")}};
    Referenzzeilen::setzen(db, Tabelle::MarginKlasse, klasse, parameter, parameter);
    Sql::ausfuehren(db,
                    "UPDATE Produkt SET MarginKlasse = ?, Waehrung = ? WHERE (Art LIKE 'E' OR "
                    "Art LIKE 'B') AND upper(ISIN) = upper(?)",
                    {klasse, z.value("Waehrung"), z.value("ISIN")});
}

} // namespace

bool Wertpapiere_Importieren(Updateumgebung& u, const QString& pfad) {
    u.begleitung.Statustext_Zeigen(Statustext(3, u.sprache));
    const auto zeilen = Datei_Lesen(u, pfad);
    if (!zeilen) return Datei_Abweisen(u, pfad, {}, kNichtLesbar);
    const Dateiinhalt<Wertpapierzeile> inhalt = Wertpapierdatei_Lesen(*zeilen);
    if (inhalt.zeilen.empty()) return Datei_Abweisen(u, pfad, inhalt.fehler, kNichtLesbar);

    Transaktion transaktion(u.db);
    Protokoll_Beginnen(u);
    staging(u.db, inhalt.zeilen);
    stagingBereinigen(u.db);
    const qint64 n = Sql::wert(u.db, "SELECT count(*) FROM U_Produkt_Bonds").toLongLong();
    u.begleitung.Statustext_Zeigen(Statustext(4, u.sprache, 0, static_cast<int>(n)));
    QSqlQuery z = Sql::ausfuehren(u.db, "SELECT * FROM U_Produkt_Bonds ORDER BY rowid");
    for (qint64 i = 0; z.next(); ++i) {
        Schritt_Melden(u, i, n, 4);
        zeileAnwenden(u.db, z);
    }
    z.finish();
    Sql::ausfuehren(u.db, "DELETE FROM U_Produkt_Bonds");
    u.begleitung.Fortschritt_Zeigen(n, n);
    u.begleitung.Statustext_Zeigen(
        Statustext(4, u.sprache, static_cast<int>(n), static_cast<int>(n)));
    Zeilenfehler_Protokollieren(u, pfad, inhalt.fehler);
    transaktion.bestaetigen();
    return true;
}
