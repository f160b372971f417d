#include "update/Updateimport.h"

#include "input/Produkttypen.h"
#include "shell/Dialoge.h"
#include "store/Sql.h"
#include "update/Importschritte.h"
#include "update/Produktdatei.h"
#include "update/Referenzzeilen.h"
#include "update/Statustext.h"
#include "update/Updatebegleitung.h"
#include "update/Updateumgebung.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace {

using namespace Importschritte;
using Referenzzeilen::Tabelle;

// The dividends are the user's own entries; the product file must not overwrite them.
struct Dividende {
    QString produkt;
    double betrag = 0; // an empty dividend counts as 0
    QVariant tage;
};

std::vector<Dividende> dividendenMerken(const QSqlDatabase& db) {
    std::vector<Dividende> d;
    QSqlQuery q = Sql::ausfuehren(db, "SELECT Produkt, Dividende, DividendenTage FROM Produkt");
    while (q.next()) d.push_back({q.value(0).toString(), q.value(1).toDouble(), q.value(2)});
    return d;
}

void dividendenZurueckschreiben(Updateumgebung& u, const std::vector<Dividende>& dividenden) {
    u.begleitung.Statustext_Zeigen(Statustext(8, u.sprache));
    const qint64 n = static_cast<qint64>(dividenden.size());
    for (qint64 i = 0; i < n; ++i) {
        Schritt_Melden(u, i, n);
        const Dividende& d = dividenden[i];
        Sql::ausfuehren(u.db,
                        "UPDATE Produkt SET Dividende = ?, DividendenTage = ? WHERE Produkt = ?",
                        {d.betrag, d.tage, d.produkt});
    }
}

void produktEinfuegen(const QSqlDatabase& db, const Produktzeile& z) {
    // Cash products have no tick value; the options of maturity scheme "4" quote it per unit.
    QVariant tickValue;
    if (Produkttypen::IstDerivatTyp(z.Art))
        tickValue = z.LZB == "4" ? z.TickSize : z.TickSize * z.Multiplikator;
    Sql::ausfuehren(db,
                    "INSERT INTO Produkt (Produkt, ISIN, Produktbezeichnung, MarginKlasse, Art, "
                    "O_F, TickSize, TickValue, OPM, LZB, DaysUntilSettelment, Kupontermin, "
                    "Kupontermin_e, Kuponhoehe, Waehrung, SOPA_Faktor, Underlying, Dividende, "
                    "DividendenTage, Sonderfall, Laufzeit, Multiplikator) "
                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                    {z.Produkt,
                     z.ISIN,
                     z.Produktbezeichnung,
                     z.MarginKlasse,
                     z.Art,
                     z.O_F,
                     z.TickSize,
                     tickValue,
                     z.OPM,
                     z.LZB,
                     z.DaysUntilSettelment,
                     z.Kupontermin,
                     z.Kupontermin_e(),
                     z.Kuponhoehe,
                     z.Waehrung,
                     z.SOPA_Faktor,
                     z.Underlying,
                     z.Dividende,
                     z.DividendenTage,
                     z.Sonderfall ? 1 : 0,
                     static_cast<qint64>(z.Laufzeit),
                     z.Multiplikator});
}

// A class or group that exists already keeps its settings.
void klasseUndGruppeAnlegen(const QSqlDatabase& db, const Produktzeile& z) {
    if (Referenzzeilen::vorhanden(db, Tabelle::MarginKlasse, z.MarginKlasse)) return;
    Referenzzeilen::setzen(db, Tabelle::MarginKlasse, z.Klasse, {},
                           {{"MarginGruppe", z.KlasseGruppe},
                            {"MarginParameter", z.MarginParameter},
                            {"ParameterArt", z.ParameterArt},
                            {"SpotMonthSpread", z.SpotMonthSpread},
                            {"BackMonthSpread", z.BackMonthSpread},
                            {"Basispreisabstand", z.Basispreisabstand}});
    if (Referenzzeilen::vorhanden(db, Tabelle::MarginGruppe, z.KlasseGruppe)) return;
    Referenzzeilen::setzen(db, Tabelle::MarginGruppe, z.Gruppe, {},
                           {{"OffsetFaktor", z.OffsetFaktor}});
}

} // namespace

std::optional<QString> Produktdatei_Importieren(Updateumgebung& u, const QString& pfad) {
    u.begleitung.Statustext_Zeigen(Statustext(7, u.sprache));
    if (!QFileInfo::exists(pfad)) {
        u.dialoge.Spezialfehler_Zeigen(33, pfad);
        return std::nullopt;
    }
    const auto zeilen = Datei_Lesen(u, pfad);
    if (!zeilen) {
        Datei_Abweisen(u, pfad);
        return std::nullopt;
    }
    const Produktdatei datei = Produktdatei_Lesen(*zeilen);
    if (!datei.versionGelesen || datei.inhalt.zeilen.empty()) {
        Datei_Abweisen(u, pfad, datei.inhalt.fehler);
        return std::nullopt;
    }

    Transaktion transaktion(u.db);
    Protokoll_Beginnen(u);
    const std::vector<Dividende> dividenden = dividendenMerken(u.db);
    for (const char* tabelle : {"Produkt", "MarginKlasse", "MarginGruppe"})
        Sql::ausfuehren(u.db, QString("DELETE FROM \"%1\"").arg(tabelle));
    const qint64 n = zeilen->size();
    for (const Produktzeile& z : datei.inhalt.zeilen) {
        Schritt_Melden(u, z.zeile, n);
        produktEinfuegen(u.db, z);
        klasseUndGruppeAnlegen(u.db, z);
    }
    dividendenZurueckschreiben(u, dividenden);
    Zeilenfehler_Protokollieren(u, pfad, datei.inhalt.fehler);
    transaktion.bestaetigen();
    return datei.version;
}
