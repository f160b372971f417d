#include "calendar/Feiertage.h"

#include <algorithm>

Feiertage::Feiertage(const std::vector<Datum>& tage) {
    std::vector<Datum> gueltige;
    std::copy_if(tage.begin(), tage.end(), std::back_inserter(gueltige),
                 [](Datum d) { return d.gueltig(); });
    if (gueltige.empty()) return;
    const auto [min, max] = std::minmax_element(gueltige.begin(), gueltige.end());
    erster_ = min->tagnummer();
    tage_.assign(static_cast<std::size_t>(*max - *min) + 1, false);
    for (Datum d : gueltige) tage_[static_cast<std::size_t>(d.tagnummer() - erster_)] = true;
}

bool istWochenende(Datum d) {
    const Wochentag w = d.wochentag();
    return d.gueltig() && (w == Wochentag::Samstag || w == Wochentag::Sonntag);
}

bool istGeschaeftstag(Datum d, const Feiertage& feiertage) {
    return !istWochenende(d) && !feiertage.enthaelt(d);
}

Datum Geschaeftstag_Nach(Datum d, int n, const Feiertage& feiertage) {
    for (int gezaehlt = 0; gezaehlt < n;) {
        d += 1;
        if (istGeschaeftstag(d, feiertage)) ++gezaehlt;
    }
    return d;
}

Datum Geschaeftstag_Vor(Datum d, const Feiertage& feiertage) {
    do d -= 1;
    while (!istGeschaeftstag(d, feiertage));
    return d;
}
