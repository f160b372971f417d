#include "margin/VolaShiftsVorbereiten.h"

#include "margin/Vergleiche.h"
#include "store/Referenzdaten.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <optional>

namespace Margin {
namespace {

// The tabulated days of vola_shifts_index per kind of row, ascending, for the largest bucket
// not above a position's remaining days.
struct Tagesindex {
    QHash<QString, std::vector<int>> jeKlasse; // rows of a class, whatever their type
    std::vector<int> ohneKlasse;               // rows without class
    std::vector<int> allgemein;                // rows without class and type

    explicit Tagesindex(const std::vector<VolaShiftZeile>& index) {
        for (const VolaShiftZeile& z : index) {
            if (!leer(z.marginklasse))
                jeKlasse[schluessel(z.marginklasse)].push_back(z.days);
            else {
                ohneKlasse.push_back(z.days);
                if (leer(z.typ)) allgemein.push_back(z.days);
            }
        }
        for (auto& tage : jeKlasse) std::sort(tage.begin(), tage.end());
        std::sort(ohneKlasse.begin(), ohneKlasse.end());
        std::sort(allgemein.begin(), allgemein.end());
    }

    static std::optional<int> bucket(const std::vector<int>& tage, double laufzeit) {
        const auto it = std::upper_bound(tage.begin(), tage.end(), laufzeit,
                                         [](double l, int d) { return l < d; });
        if (it == tage.begin()) return std::nullopt;
        return *(it - 1);
    }
};

bool mitKlasse(const Berechnungszeile& z) {
    return !leer(z.MarginKlasse);
}

// Step 1: the positions of classes with shifts of their own.
void klassenBuckets(const std::vector<Berechnungszeile>& berechnung, const Tagesindex& index,
                    std::vector<VolaShiftsTmpZeile>& tmp) {
    for (const Berechnungszeile& z : berechnung) {
        if (!(z.option || z.future) || !mitKlasse(z) || z.istLeer(Zahlfeld::Laufzeit_Tage))
            continue;
        const auto tage = index.jeKlasse.constFind(schluessel(z.MarginKlasse));
        if (tage == index.jeKlasse.constEnd()) continue;
        if (const auto d = Tagesindex::bucket(*tage, z.Laufzeit_Tage))
            anhaengenWennNeu(tmp, {{}, z.MarginKlasse, z.ProduktArt, z.Laufzeit_Tage, *d});
    }
}

// Step 2, for one class without shifts of its own: the type's bucket of its equity and index
// options, or the bucket of the rows for all products.
void artBuckets(const std::vector<Berechnungszeile>& berechnung, const Tagesindex& index,
                const Produktsatz& produkt, std::vector<VolaShiftsTmpZeile>& tmp) {
    const bool nachTyp = QStringList{"I", "A"}.contains(produkt.Art, Qt::CaseInsensitive);
    for (const Berechnungszeile& z : berechnung) {
        if (!gleich(z.MarginKlasse, produkt.MarginKlasse) || z.istLeer(Zahlfeld::Laufzeit_Tage))
            continue;
        if (nachTyp && z.option) {
            if (const auto d = Tagesindex::bucket(index.ohneKlasse, z.Laufzeit_Tage))
                anhaengenWennNeu(tmp, {produkt.Art, {}, z.ProduktArt, z.Laufzeit_Tage, *d});
        } else if (!nachTyp && (z.option || z.future)) {
            if (const auto d = Tagesindex::bucket(index.allgemein, z.Laufzeit_Tage))
                anhaengenWennNeu(tmp, {{}, {}, {}, z.Laufzeit_Tage, *d});
        }
    }
}

QString bucketSchluessel(const QString& art, const QString& cp, int days) {
    return schluessel(art) + '\x1f' + schluessel(cp) + '\x1f' + QString::number(days);
}

// The join of vola_shifts with the buckets: class buckets take the class's rows, type buckets
// the type's rows, each with the bucket's call/put flag and days; then every row for all
// products.
std::vector<VolaShiftZeile> bucketZeilen(const std::vector<VolaShiftZeile>& vola_shifts,
                                         const std::vector<VolaShiftsTmpZeile>& tmp) {
    QSet<QString> klassen, typen;
    for (const VolaShiftsTmpZeile& t : tmp) {
        if (leer(t.ProduktArt)) continue;
        if (leer(t.typ) && !leer(t.marginklasse))
            klassen.insert(bucketSchluessel(t.marginklasse, t.ProduktArt, t.days));
        else if (!leer(t.typ) && leer(t.marginklasse))
            typen.insert(bucketSchluessel(t.typ, t.ProduktArt, t.days));
    }
    std::vector<VolaShiftZeile> zeilen;
    for (const VolaShiftZeile& v : vola_shifts) {
        if (leer(v.c_p)) continue;
        if ((!leer(v.marginklasse) &&
             klassen.contains(bucketSchluessel(v.marginklasse, v.c_p, v.days))) ||
            (!leer(v.typ) && typen.contains(bucketSchluessel(v.typ, v.c_p, v.days))))
            zeilen.push_back(v);
    }
    for (const VolaShiftZeile& v : vola_shifts)
        if (leer(v.typ) && leer(v.marginklasse) && leer(v.c_p)) zeilen.push_back(v);
    return zeilen;
}

} // namespace

VolaShiftsAuswahl VolaShiftsVorbereiten(const std::vector<Berechnungszeile>& berechnung,
                                        const std::vector<VolaShiftZeile>& vola_shifts,
                                        const std::vector<VolaShiftZeile>& vola_shifts_index) {
    VolaShiftsAuswahl a;
    a.optionen = std::any_of(berechnung.begin(), berechnung.end(),
                             [](const Berechnungszeile& z) { return z.option && mitKlasse(z); });
    if (!a.optionen) return a;
    const Tagesindex index(vola_shifts_index);
    klassenBuckets(berechnung, index, a.vola_shifts_tmp);
    QSet<QString> klassenMitShifts, erledigt;
    for (const VolaShiftsTmpZeile& t : a.vola_shifts_tmp)
        klassenMitShifts.insert(schluessel(t.marginklasse));
    for (const Berechnungszeile& z : berechnung) {
        if (!mitKlasse(z) || !z.produkt || klassenMitShifts.contains(schluessel(z.MarginKlasse)))
            continue;
        // The buckets depend on the product's class and type only.
        const QString art =
            schluessel(z.produkt->MarginKlasse) + '\x1f' + schluessel(z.produkt->Art);
        if (!leer(z.produkt->MarginKlasse) && !erledigt.contains(art)) {
            erledigt.insert(art);
            artBuckets(berechnung, index, *z.produkt, a.vola_shifts_tmp);
        }
    }
    a.vola_shifts_berechnung = bucketZeilen(vola_shifts, a.vola_shifts_tmp);
    return a;
}

} // namespace Margin
