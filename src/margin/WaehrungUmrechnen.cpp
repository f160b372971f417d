#include "margin/Berechnungsfehler.h"
#include "margin/Gesamtwerte.h"
#include "margin/Vergleiche.h"

#include <algorithm>

namespace Margin {
namespace {

void mal(Betrag& b, double f) {
    b = z(b) * f;
}

void umrechnen(Ausgabe1Zeile& a, double f) {
    for (Betrag* b : {&a.PremiumMargin, &a.CurrentLiquidatingMargin, &a.D_LVA_Long, &a.D_LVA_Short,
                      &a.TotalMargin_Gruppe, &a.SummeSpot, &a.SummeBAck, &a.FutureSpreadMargin,
                      &a.AdditionalMargin_Future})
        mal(*b, f);
    for (Viererbetrag* v : {&a.AdditionalMargin_UP, &a.AdditionalMargin_Down,
                            &a.AdditionalMargin_Gruppe, &a.TotalMargin})
        for (Betrag& b : *v) mal(b, f);
    for (Betrag& b : a.AdditionalMargin) b = std::max(z(b), 0.0) * f;
}

QString waehrungDerKlasse(const Ausgabe1Zeile& a, const QHash<QString, QString>& jeKlasse,
                          const std::vector<Berechnungszeile>& berechnung) {
    const auto it = jeKlasse.constFind(schluessel(a.MarginKlasse));
    if (it != jeKlasse.constEnd()) return *it;
    for (const Berechnungszeile& z : berechnung)
        if (z.produkt && gleich(z.MarginKlasse_NEU, a.MK_neu)) return z.produkt->Waehrung;
    return {};
}

double kurs(const Berechnungsdaten& daten, const QString& waehrung, const QString& klasse) {
    const std::optional<double> k = daten.referenz.waehrungskurs(waehrung);
    if (!k || *k == 0)
        throw Berechnungsfehler(
            daten.Sprache == "d"
                ? QString("Für die Währung \"%1\" der Margin-Klasse %2 ist kein Kurs eingetragen.")
                      .arg(waehrung.trimmed(), klasse)
                : QString("There is no rate for the currency \"%1\" of margin class %2.")
                      .arg(waehrung.trimmed(), klasse));
    return *k;
}

} // namespace

void WaehrungUmrechnen(std::vector<Ausgabe1Zeile>& ausgabe1, const Berechnungsdaten& daten,
                       const std::vector<Berechnungszeile>& berechnung) {
    QHash<QString, QString> jeKlasse;
    for (const Produktsatz& p : daten.referenz.produkte())
        if (!jeKlasse.contains(schluessel(p.MarginKlasse)))
            jeKlasse.insert(schluessel(p.MarginKlasse), p.Waehrung);
    for (Ausgabe1Zeile& a : ausgabe1) {
        // Rows without class key (and "Account Total") were never calculated: no amounts.
        if (leer(a.MK_neu)) {
            umrechnen(a, 1);
            continue;
        }
        const QString waehrung = waehrungDerKlasse(a, jeKlasse, berechnung);
        umrechnen(a,
                  kurs(daten, daten.Ausgabewaehrung, a.MK_neu) / kurs(daten, waehrung, a.MK_neu));
    }
}

} // namespace Margin
