#pragma once

#include "calendar/Laufzeiten.h"
#include "margin/Berechnungsdaten.h"
#include "margin/VolaShift.h"

#include <QHash>
#include <atomic>
#include <functional>

namespace Margin {

// What the calculation knows of a product beyond its row: its maturities on the calculation
// date and the days to its dividend. Built before the classes run, so that the classes share
// them read-only.
struct Produktwerte {
    Laufzeiten laufzeiten;
    int dividendenTage = 0;
};

// Thrown between classes or scenario points when the caller asked the run to stop.
struct Berechnungsabbruch {};

// The read-only data every class step uses, shared by the threads of the run.
class Rechenumgebung {
public:
    // threads 0: one per core.
    Rechenumgebung(const Berechnungsdaten& daten, const std::vector<Berechnungszeile>& berechnung,
                   const std::vector<VolaShiftZeile>& vola_shifts_berechnung,
                   const std::atomic<bool>* abbruch, int threads = 1);

    const Berechnungsdaten& daten;
    const VolaShiftIndex volaShifts;

    const Produktwerte& werte(const Produktsatz& p) const;
    // Throws Berechnungsabbruch when the caller asked to stop.
    void abbruchPruefen() const;

    // f(0) … f(n − 1) on the run's threads, in any order; the calling thread takes part. The
    // first exception stops the others and reaches the caller.
    void parallelFuer(size_t n, const std::function<void(size_t)>& f) const;

private:
    QHash<const Produktsatz*, Produktwerte> produktwerte_;
    const std::atomic<bool>* abbruch_;
    size_t threads_;
};

} // namespace Margin
