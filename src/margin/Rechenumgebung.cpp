#include "margin/Rechenumgebung.h"

#include "calendar/LaufzeitenBerechnen.h"
#include "pricing/Preisdienste.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>

namespace Margin {

Rechenumgebung::Rechenumgebung(const Berechnungsdaten& d,
                               const std::vector<Berechnungszeile>& berechnung,
                               const std::vector<VolaShiftZeile>& vola_shifts_berechnung,
                               const std::atomic<bool>* abbruch, int threads)
    : daten(d)
    , volaShifts(vola_shifts_berechnung)
    , abbruch_(abbruch)
    , threads_(threads > 0 ? size_t(threads) : std::max(1u, std::thread::hardware_concurrency())) {
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

void Rechenumgebung::parallelFuer(size_t n, const std::function<void(size_t)>& f) const {
    std::atomic<size_t> naechster{0};
    std::atomic<bool> stopp{false};
    std::mutex schutz;
    std::exception_ptr fehler;
    const auto arbeiten = [&] {
        for (size_t i; !stopp && (i = naechster++) < n;) {
            try {
                f(i);
            } catch (...) {
                const std::lock_guard<std::mutex> sperre(schutz);
                if (!fehler) fehler = std::current_exception();
                stopp = true;
            }
        }
    };
    {
        std::vector<std::jthread> helfer;
        for (size_t t = 1; t < std::min(threads_, n); ++t) helfer.emplace_back(arbeiten);
        arbeiten();
    }
    if (fehler) std::rethrow_exception(fehler);
}

} // namespace Margin
