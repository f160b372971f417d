#include "update/Updateimport.h"

#include "input/Produkttypen.h"
#include "store/Sql.h"
#include "update/Derivatedatei.h"
#include "update/Importschritte.h"
#include "update/Produktdatei.h"
#include "update/Referenzzeilen.h"
#include "update/Statustext.h"
#include "update/Updatebegleitung.h"
#include "update/Updateumgebung.h"

#include <QSqlQuery>

namespace {

using namespace Importschritte;
using Referenzzeilen::Tabelle;

struct Produktangaben {
    bool vorhanden = false;
    QString Art, Waehrung;
};

Produktangaben produktangaben(const QSqlDatabase& db, const QString& produkt) {
    QSqlQuery q =
        Sql::ausfuehren(db, "SELECT Art, Waehrung FROM Produkt WHERE Produkt = ?", {produkt});
    if (!q.next()) return {};
    return {true, q.value(0).toString(), q.value(1).toString()};
}

void klasseSetzen(const QSqlDatabase& db, const Derivatezeile& d, const Produktangaben& p) {
    const Referenzzeilen::Werte gemeinsam = {{"MarginGruppe", d.MarginGruppe},
                                             {"MarginParameter", d.MarginParameter},
                                             {"ParameterArt", d.punkte ? "Points" : "%"}};
    Referenzzeilen::Werte neu = gemeinsam;
    neu.push_back({"BackMonthSpread", d.BackMonthSpread});
    neu.push_back({"SpotMonthSpread", d.SpotMonthSpread});
    // Pound sterling spreads come in pence; only a class that exists already converts them.
    const double teiler = p.vorhanden && p.Waehrung.toUpper() == "GBP" ? 100.0 : 1.0;
    Referenzzeilen::Werte aenderungen = gemeinsam;
    aenderungen.push_back({"BackMonthSpread", d.BackMonthSpread / teiler});
    aenderungen.push_back({"SpotMonthSpread", d.SpotMonthSpread / teiler});
    Referenzzeilen::setzen(db, Tabelle::MarginKlasse, d.MarginKlasse, aenderungen, neu);
}

void produktSetzen(const QSqlDatabase& db, const Derivatezeile& d, const Produktangaben& p) {
    Sql::ausfuehren(db,
                    "UPDATE Produkt SET MarginKlasse = ?, Underlying = ?, SOPA_Faktor = ?, "
                    "MATURITY_SWITCH = ? WHERE Produkt = ?",
                    {d.MarginKlasse, d.Produkt, d.SOPA_Faktor, d.MATURITY_SWITCH, d.Produkt});
    if (Produkttypen::IstDerivatTyp(p.Art))
        Sql::ausfuehren(db,
                        "UPDATE Produkt SET TickValue = TickSize * Multiplikator WHERE Produkt = ?",
                        {d.Produkt});
}

void zeileAnwenden(const QSqlDatabase& db, const Derivatezeile& d) {
    const Referenzzeilen::Werte offset = {{"OffsetFaktor", d.OffsetFaktor}};
    Referenzzeilen::setzen(db, Tabelle::MarginGruppe, d.MarginGruppe, offset, offset);
    const Produktangaben p = produktangaben(db, d.Produkt);
    klasseSetzen(db, d, p);
    if (p.vorhanden) produktSetzen(db, d, p);
}

} // namespace

bool Derivate_Importieren(Updateumgebung& u, const QString& pfad) {
    const auto zeilen = Datei_Lesen(u, pfad);
    if (!zeilen || zeilen->isEmpty()) return Datei_Abweisen(u, pfad);
    u.begleitung.Statustext_Zeigen(Statustext(5, u.sprache));
    const Dateiinhalt<Derivatezeile> inhalt = Derivatedatei_Lesen(*zeilen);
    // A file of its closing line alone holds nothing to apply; lines that all fail are refused.
    if (inhalt.zeilen.empty() && !inhalt.fehler.empty())
        return Datei_Abweisen(u, pfad, inhalt.fehler);

    const qint64 n = zeilen->size();
    Transaktion transaktion(u.db);
    u.begleitung.Statustext_Zeigen(Statustext(6, u.sprache, 0, static_cast<int>(n)));
    Protokoll_Beginnen(u);
    for (const Derivatezeile& d : inhalt.zeilen) {
        Schritt_Melden(u, d.zeile - 1, n, 6);
        zeileAnwenden(u.db, d);
    }
    u.begleitung.Fortschritt_Zeigen(n, n);
    u.begleitung.Statustext_Zeigen(
        Statustext(6, u.sprache, static_cast<int>(n), static_cast<int>(n)));
    Zeilenfehler_Protokollieren(u, pfad, inhalt.fehler);
    transaktion.bestaetigen();
    return true;
}
