#include "margin/Kassamargin.h"
#include "margin/Vergleiche.h"
#include "margin/Zeilenwerte.h"
#include "store/Referenzdaten.h"

#include <algorithm>
#include <utility>

namespace Margin {
namespace {

// A quantity held long or short; 0 is no entry.
struct Bestand {
    double menge = 0;
    bool lang = true;
};

// Which quantity enters the upside and which the downside, by the net quantity r and the gross
// long and short quantities s and g.
std::pair<Bestand, Bestand> seiten(double r, double s, double g) {
    const Bestand netto{std::abs(r), r > 0};
    if (r != 0 && s == 0 && g == 0) return {netto, netto};
    if (r > 0 && s > 0 && g == 0) return {{}, {r + s, true}};
    if (r < 0 && s > 0 && g == 0) return {netto, {s, true}};
    if (r > 0 && s == 0 && g > 0) return {{g, false}, {r, true}};
    if (r < 0 && s == 0 && g > 0) return {{g - r, false}, {}};
    if (r > 0 && s > 0 && g > 0) return {{g, false}, {r + s, true}};
    if (r < 0 && s > 0 && g > 0) return {{g - r, false}, {s, true}};
    if (r == 0 && s > 0 && g == 0) return {{s, true}, {s, true}};
    if (r == 0 && s == 0 && g > 0) return {{g, false}, {g, false}};
    if (r == 0 && s > 0 && g > 0) return {{g, false}, {s, true}};
    return {};
}

// The change of value of a holding when the price moves from P to the scenario price.
double wertaenderung(const Bestand& b, double szenariopreis, double P) {
    return (b.lang ? -b.menge : b.menge) * (szenariopreis - P);
}

struct Aktiensummen {
    double liquidation = 0;
    double oben = 0;
    double unten = 0;
};

bool netto(const Berechnungszeile& z) {
    const QString bn = z.BruttoNetto.trimmed().toUpper();
    return bn == "NETTO" || bn == "NET";
}

bool brutto(const Berechnungszeile& z) {
    const QString bn = z.BruttoNetto.trimmed().toUpper();
    return bn == "BRUTTO" || bn == "GROSS";
}

// One settlement date and share: gross trades each settle on their own and count only when they
// lose; net trades settle as one net quantity.
void gruppe(const Klassenkontext& k, const std::vector<int>& zeilen, int valutaTage,
            Aktiensummen& summen) {
    const Berechnungszeile& erste = k.zeile(zeilen.front());
    const Berechnungszeile& letzte = k.zeile(zeilen.back());
    if (!erste.produkt) return;
    const Zinssaetze& zins = k.u.daten.referenz.zinsen();
    const int p = std::max(0, TageBisSettlement(k, erste));
    const double P = letzte.Akt_Preis_Neu;
    const double eonia = Abzinsfaktor(zins.Zinssatz_EONIA, valutaTage);
    double r = 0, q = 0, s = 0, g = 0;
    for (int i : zeilen) {
        const Berechnungszeile& z = k.zeile(i);
        if (netto(z) && (z.lang || z.kurz)) {
            r += z.lang ? z.Anzahl : -z.Anzahl;
            q += z.lang ? -z.Betrag : z.Betrag;
        } else if (brutto(z) && (z.lang || z.kurz)) {
            const double x =
                z.lang ? -P * z.Anzahl * eonia + z.Betrag * Abzinsfaktor(zins.Zinssatz_RAIRD, p)
                       : P * z.Anzahl * eonia - z.Betrag * Abzinsfaktor(zins.Zinssatz_RAIRU, p);
            if (x > 0) summen.liquidation += x;
            (z.lang ? s : g) += z.Anzahl;
        }
    }
    if (r != 0)
        summen.liquidation +=
            -P * r * eonia - q * Abzinsfaktor(r > 0 ? zins.Zinssatz_RAIRD : zins.Zinssatz_RAIRU, p);
    const double f =
        Laufzeitfaktor(k.u.daten, *erste.produkt, letzte.MarginKlasse, letzte.LaufzeitIndex);
    const double bewegung = inPunkten(k.klasse->ParameterArt)
                                ? k.klasse->MarginParameter * f
                                : P * k.klasse->MarginParameter * f / 100;
    const auto [oben, unten] = seiten(r, s, g);
    summen.oben += wertaenderung(oben, P + bewegung, P) * eonia;
    summen.unten += wertaenderung(unten, P - bewegung, P) * eonia;
}

} // namespace

void AktienMargin(Klassenkontext& k, const std::vector<int>& klassenzeilen) {
    std::vector<int> zeilen;
    for (int i : klassenzeilen)
        if (gleich(k.zeile(i).O_F, "E")) zeilen.push_back(i);
    std::stable_sort(zeilen.begin(), zeilen.end(), [&](int a, int b) {
        const Berechnungszeile &x = k.zeile(a), &y = k.zeile(b);
        const int datum = textOrdnung(x.SettlementDays, y.SettlementDays);
        return datum != 0 ? datum < 0 : textOrdnung(x.BruttoNetto, y.BruttoNetto) < 0;
    });
    if (zeilen.empty() || leer(k.zeile(zeilen.front()).Prod_Neu)) return;
    const int valutaTage = std::max(1, TageBisValuta(k, 2));
    Aktiensummen summen;
    for (const auto& g : Kassagruppen(k, zeilen)) gruppe(k, g, valutaTage, summen);
    Ausgabe1Zeile& a = k.ausgabe;
    a.CurrentLiquidatingMargin = z(a.CurrentLiquidatingMargin) + summen.liquidation;
    a.AdditionalMargin_UP[Ohne] =
        Verrechnet(z(a.AdditionalMargin_UP[Ohne]) + summen.oben, k.OffsetFaktor);
    a.AdditionalMargin_Down[Ohne] =
        Verrechnet(z(a.AdditionalMargin_Down[Ohne]) + summen.unten, k.OffsetFaktor);
}

} // namespace Margin
