#include "margin/Kassamargin.h"

#include "calendar/Feiertage.h"
#include "margin/Berechnungsfehler.h"

namespace Margin {

std::vector<std::vector<int>> Kassagruppen(const Klassenkontext& k,
                                           const std::vector<int>& zeilen) {
    std::vector<std::vector<int>> gruppen;
    for (int i : zeilen) {
        const Berechnungszeile& z = k.zeile(i);
        if (gruppen.empty() || k.zeile(gruppen.back().front()).SettlementDays != z.SettlementDays ||
            k.zeile(gruppen.back().front()).Prod_Neu != z.Prod_Neu)
            gruppen.emplace_back();
        gruppen.back().push_back(i);
    }
    return gruppen;
}

int TageBisSettlement(const Klassenkontext& k, const Berechnungszeile& z) {
    if (!z.Settlementdatum)
        throw Berechnungsfehler(
            k.u.daten.Sprache == "d"
                ? QString("Das Settlement-Datum \"%1\" der Margin-Klasse %2 ist kein Datum.")
                      .arg(z.SettlementDays, k.MarginKlasse)
                : QString("The settlement date \"%1\" of margin class %2 is not a date.")
                      .arg(z.SettlementDays, k.MarginKlasse));
    return *z.Settlementdatum - k.u.daten.Berechnungsdatum;
}

int TageBisValuta(const Klassenkontext& k, int n) {
    const Datum heute = k.u.daten.Berechnungsdatum;
    return Geschaeftstag_Nach(heute, n, k.u.daten.kalender.feiertage) - heute;
}

double Abzinsfaktor(double zinssatz, double tage) {
    return 1 / (zinssatz / 100 * tage / 365 + 1);
}

} // namespace Margin
