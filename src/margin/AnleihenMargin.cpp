#include "margin/Kassamargin.h"
#include "margin/Vergleiche.h"
#include "margin/Zeilenwerte.h"
#include "store/Referenzdaten.h"

#include <algorithm>

namespace Margin {
namespace {

struct Anleihesummen {
    double liquidation = 0;
    double oben = 0;
    double unten = 0;
};

// One settlement date and bond: the discounted cash of the trades against the discounted market
// value with accrued coupon, and the price risk of the net nominal until spot settlement.
void gruppe(const Klassenkontext& k, const std::vector<int>& zeilen, int valutaTage,
            Anleihesummen& summen) {
    const Berechnungszeile& erste = k.zeile(zeilen.front());
    const Berechnungszeile& letzte = k.zeile(zeilen.back());
    if (!erste.produkt) return;
    const Zinssaetze& zins = k.u.daten.referenz.zinsen();
    double nominal = 0, kasse = 0;
    for (int i : zeilen) {
        const Berechnungszeile& z = k.zeile(i);
        const double vorzeichen = z.lang ? 1 : z.kurz ? -1 : 0;
        nominal += vorzeichen * z.Anzahl;
        kasse += vorzeichen * (z.Betrag + z.Stueckzinsen);
    }
    const int n = TageBisSettlement(k, erste);
    kasse *= Abzinsfaktor(kasse > 0 ? zins.Zinssatz_RAIRD : zins.Zinssatz_RAIRU, n);
    const double stueckzins =
        letzte.Laufzeit_Tage_3 * erste.produkt->Kuponhoehe / 365 * nominal / 100;
    const double eonia = Abzinsfaktor(zins.Zinssatz_EONIA, valutaTage);
    const double marktwert = (letzte.Akt_Preis_Neu * nominal / 100 + stueckzins) * eonia;
    summen.liquidation += kasse - marktwert;
    const double risiko =
        k.klasse->MarginParameter * nominal / 100 *
        Laufzeitfaktor(k.u.daten, *erste.produkt, letzte.MarginKlasse, letzte.LaufzeitIndex) *
        eonia;
    summen.oben -= risiko;
    summen.unten += risiko;
}

} // namespace

// The margin parameter counts as price points per 100 nominal, whatever its kind says.
void AnleihenMargin(Klassenkontext& k, const std::vector<int>& klassenzeilen) {
    std::vector<int> zeilen;
    for (int i : klassenzeilen)
        if (gleich(k.zeile(i).O_F, "B")) zeilen.push_back(i);
    std::stable_sort(zeilen.begin(), zeilen.end(), [&](int a, int b) {
        return textOrdnung(k.zeile(a).SettlementDays, k.zeile(b).SettlementDays) < 0;
    });
    if (zeilen.empty() || leer(k.zeile(zeilen.front()).Prod_Neu)) return;
    const int valutaTage = TageBisValuta(k, 3);
    Anleihesummen summen;
    for (const auto& g : Kassagruppen(k, zeilen)) gruppe(k, g, valutaTage, summen);
    Ausgabe1Zeile& a = k.ausgabe;
    a.CurrentLiquidatingMargin = z(a.CurrentLiquidatingMargin) + summen.liquidation;
    a.AdditionalMargin_UP[Ohne] =
        z(a.AdditionalMargin_UP[Ohne]) + Verrechnet(summen.oben, k.OffsetFaktor);
    a.AdditionalMargin_Down[Ohne] =
        z(a.AdditionalMargin_Down[Ohne]) + Verrechnet(summen.unten, k.OffsetFaktor);
}

} // namespace Margin
