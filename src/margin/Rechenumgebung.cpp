#include "margin/Rechenumgebung.h"

#include "calendar/LaufzeitenBerechnen.h"
#include "pricing/Preisdienste.h"

namespace Margin {

Rechenumgebung::Rechenumgebung(const Berechnungsdaten& d,
                               const std::vector<Berechnungszeile>& berechnung,
                               const std::vector<VolaShiftZeile>& vola_shifts_berechnung,
                               const std::atomic<bool>* abbruch)
    : daten(d)
    , volaShifts(vola_shifts_berechnung)
    , abbruch_(abbruch) {
    for (const Berechnungszeile& z : berechnung) {
        if (!z.produkt || produktwerte_.contains(z.produkt)) continue;
        const Produktsatz& p = *z.produkt;
        Produktwerte& w = produktwerte_[z.produkt];
        LaufzeitenBerechnen(w.laufzeiten, p.Produkt.toStdString(), double(p.Laufzeit),
                            p.LZB.toStdString(), d.Berechnungsdatum, d.kalender);
        w.dividendenTage = TageBisDatum(p.DividendenTage, d.Berechnungsdatum, d.Datumsstil);
    }
}

const Produktwerte& Rechenumgebung::werte(const Produktsatz& p) const {
    static const Produktwerte keine;
    const auto it = produktwerte_.constFind(&p);
    return it == produktwerte_.constEnd() ? keine : *it;
}

void Rechenumgebung::abbruchPruefen() const {
    if (abbruch_ && abbruch_->load(std::memory_order_relaxed)) throw Berechnungsabbruch{};
}

} // namespace Margin
