#include "margin/BerechnungVorbereiten.h"

#include "calendar/DatumQt.h"
#include "margin/Vergleiche.h"
#include "store/Referenzdaten.h"

#include <algorithm>

namespace Margin {
namespace {

int zahlVergleich(const Berechnungszeile& a, const Berechnungszeile& b, Zahlfeld f, double x,
                  double y) {
    if (a.istLeer(f) || b.istLeer(f)) return int(!a.istLeer(f)) - int(!b.istLeer(f));
    return (x > y) - (x < y);
}

// ORDER BY MarginGruppe, MarginKlasse, Produkte, LaufZeit_Tage, Basispreis, BruttoNetto, LS;
// the product code column ignores case.
bool vorher(const Berechnungszeile& a, const Berechnungszeile& b) {
    for (int r :
         {textOrdnung(a.MarginGruppe, b.MarginGruppe), textOrdnung(a.MarginKlasse, b.MarginKlasse),
          textOrdnung(a.Produkte, b.Produkte, Qt::CaseInsensitive),
          zahlVergleich(a, b, Zahlfeld::Laufzeit_Tage, a.Laufzeit_Tage, b.Laufzeit_Tage),
          zahlVergleich(a, b, Zahlfeld::Basispreis, a.Basispreis, b.Basispreis),
          textOrdnung(a.BruttoNetto, b.BruttoNetto), textOrdnung(a.LS, b.LS)})
        if (r != 0) return r < 0;
    return false;
}

void vervollstaendigen(Berechnungszeile& z, const Berechnungsdaten& daten) {
    z.produkt = daten.referenz.produkt(z.Produkte);
    z.Prod_Neu = z.produkt ? z.produkt->Produkt : QString();
    z.Akt_Preis_Neu = z.produkt ? z.produkt->AktPreis : 0;
    z.setzeLeer(Zahlfeld::Akt_Preis_Neu, !z.produkt);
    z.option = gleich(z.O_F, "O");
    z.future = gleich(z.O_F, "F");
    z.lang = gleich(z.LS, "L");
    z.kurz = gleich(z.LS, "S");
    z.call = gleich(z.ProduktArt, "C");
    z.put = gleich(z.ProduktArt, "P");
    z.letzterHandelstag = Datum::ausIso(z.letzterHT.toStdString());
    if (const auto d = Datumstext::lesen(z.SettlementDays, daten.Datumsstil))
        z.Settlementdatum = ausQDate(*d);
    if (z.option || z.future) {
        z.OffenePositionen = z.Anzahl;
        z.setzeLeer(Zahlfeld::OffenePositionen, z.istLeer(Zahlfeld::Anzahl));
    }
}

} // namespace

std::vector<Berechnungszeile> BerechnungVorbereiten(const Berechnungsdaten& daten) {
    std::vector<Berechnungszeile> zeilen = daten.Eingabe;
    std::stable_sort(zeilen.begin(), zeilen.end(), vorher);
    for (Berechnungszeile& z : zeilen) vervollstaendigen(z, daten);
    return zeilen;
}

} // namespace Margin
