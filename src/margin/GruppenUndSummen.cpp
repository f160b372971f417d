#include "margin/Gesamtwerte.h"
#include "margin/Vergleiche.h"

#include <QSet>
#include <array>

namespace Margin {
namespace {

struct Szenario {
    const char* name;
    bool oben;
    Schicht schicht;
    const char* wort; // the volatility word the details window charts
};

constexpr std::array<Szenario, 6> kSzenarien = {{{"Up_vsup", true, Up, "UP"},
                                                 {"Down_vsup", false, Up, "UP"},
                                                 {"Up_vsneutral", true, Neutral, "NEUTRAL"},
                                                 {"Down_vsneutral", false, Neutral, "NEUTRAL"},
                                                 {"Up_vsdown", true, Down, "DOWN"},
                                                 {"Down_vsdown", false, Down, "DOWN"}}};

double summe(const Ausgabe1Zeile& a, const Szenario& s) {
    return s.oben ? z(a.AdditionalMargin_UP[Ohne]) + z(a.AdditionalMargin_UP[s.schicht])
                  : z(a.AdditionalMargin_Down[Ohne]) + z(a.AdditionalMargin_Down[s.schicht]);
}

bool ohneGruppe(const QString& gruppe) {
    return leer(gruppe);
}

struct Summen {
    double additional = 0, total = 0, additionalGruppe = 0, totalGruppe = 0;
};

class Szenarioanwendung {
public:
    explicit Szenarioanwendung(Szenariowahl& wahl)
        : wahl_(wahl) {}

    // Appends the six sums in table order and returns the largest; equal sums keep the first.
    const Szenario& waehlen(const QString& gruppe, const std::array<double, 6>& summen) {
        size_t beste = 0;
        for (size_t i = 0; i < kSzenarien.size(); ++i) {
            wahl_.Szenarien.push_back({gruppe, kSzenarien[i].name, summen[i]});
            if (summen[i] > summen[beste]) beste = i;
        }
        return kSzenarien[beste];
    }

    void anwenden(Ausgabe1Zeile& a, const Szenario& s) {
        const double eigene = summe(a, s);
        a.AdditionalMargin_Gruppe[Ohne] = eigene;
        gesamt.additionalGruppe += eigene;
        a.TotalMargin_Gruppe =
            z(a.CurrentLiquidatingMargin) + z(a.FutureSpreadMargin) + z(a.PremiumMargin) + eigene;
        gesamt.totalGruppe += *a.TotalMargin_Gruppe;
        a.AdditionalMargin[Ohne] = z(a.AdditionalMargin[Ohne]) + z(a.AdditionalMargin[s.schicht]);
        gesamt.additional += *a.AdditionalMargin[Ohne];
        a.TotalMargin[Ohne] = z(a.TotalMargin[Ohne]) + z(a.TotalMargin[s.schicht]);
        gesamt.total += *a.TotalMargin[Ohne];
        wahl_.SzenarioJeKlasse.insert(schluessel(a.MK_neu), s.wort);
    }

    Summen gesamt;

private:
    Szenariowahl& wahl_;
};

void kontoGesamt(std::vector<Ausgabe1Zeile>& ausgabe1, const Summen& s) {
    double spread = 0, praemie = 0, liquidation = 0;
    for (const Ausgabe1Zeile& a : ausgabe1) {
        spread += z(a.FutureSpreadMargin);
        praemie += z(a.PremiumMargin);
        liquidation += z(a.CurrentLiquidatingMargin);
    }
    Ausgabe1Zeile& gesamt = ausgabe1.back();
    gesamt.AdditionalMargin[Ohne] = std::max(s.additional, 0.0);
    gesamt.PremiumMargin = praemie;
    gesamt.CurrentLiquidatingMargin = liquidation;
    gesamt.FutureSpreadMargin = spread;
    gesamt.TotalMargin[Ohne] = s.total;
    gesamt.AdditionalMargin_Gruppe[Ohne] = std::max(s.additionalGruppe, 0.0);
    gesamt.TotalMargin_Gruppe = std::max(s.totalGruppe, 0.0);
}

} // namespace

Szenariowahl GruppenUndSummen(std::vector<Ausgabe1Zeile>& ausgabe1, const QStringList& gruppen) {
    Szenariowahl wahl;
    Szenarioanwendung anwendung(wahl);
    const size_t klassen = ausgabe1.size() - 1; // the last row is "Account Total"
    for (size_t i = 0; i < klassen; ++i) {
        Ausgabe1Zeile& a = ausgabe1[i];
        if (!ohneGruppe(a.MarginGruppe)) continue;
        wahl.Szenarien.clear();
        std::array<double, 6> summen{};
        for (size_t s = 0; s < kSzenarien.size(); ++s) summen[s] = summe(a, kSzenarien[s]);
        anwendung.anwenden(a, anwendung.waehlen({}, summen));
    }
    // A group is one group whatever the case of its name, so its classes count once.
    QSet<QString> erledigt;
    for (const QString& gruppe : gruppen) {
        if (ohneGruppe(gruppe) || erledigt.contains(schluessel(gruppe))) continue;
        erledigt.insert(schluessel(gruppe));
        std::array<double, 6> summen{};
        for (size_t i = 0; i < klassen; ++i)
            if (gleich(ausgabe1[i].MarginGruppe, gruppe))
                for (size_t s = 0; s < kSzenarien.size(); ++s)
                    summen[s] += summe(ausgabe1[i], kSzenarien[s]);
        const Szenario& szenario = anwendung.waehlen(gruppe, summen);
        for (size_t i = 0; i < klassen; ++i)
            if (gleich(ausgabe1[i].MarginGruppe, gruppe)) anwendung.anwenden(ausgabe1[i], szenario);
    }
    kontoGesamt(ausgabe1, anwendung.gesamt);
    return wahl;
}

} // namespace Margin
