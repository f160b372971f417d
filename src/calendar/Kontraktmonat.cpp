#include "calendar/Kontraktmonat.h"

#include "calendar/Datum.h"

#include <bit>
#include <cstdint>

namespace {

constexpr std::uint16_t monate(std::initializer_list<int> liste) {
    std::uint16_t maske = 0;
    for (int m : liste) maske |= static_cast<std::uint16_t>(1u << m);
    return maske;
}

// The first month of the set after m in the same year, else the first of the next year.
Kontraktmonat naechsterAus(Kontraktmonat k, std::uint16_t maske) {
    const unsigned spaeter = maske & ~((2u << k.monat) - 1);
    if (spaeter != 0) return {k.jahr, std::countr_zero(spaeter)};
    return {k.jahr + 1, std::countr_zero(static_cast<unsigned>(maske))};
}

Kontraktmonat halbjahr(Kontraktmonat k) {
    k.monat += 6;
    if (k.monat > 12) {
        k.monat -= 12;
        ++k.jahr;
    }
    if (k.monat <= 5) return {k.jahr - 1, 12};
    return {k.jahr, k.monat == 12 ? 12 : 6};
}

} // namespace

Kontraktmonat naechster(Kontraktmonat k, Zyklusschritt schritt) {
    using Z = Zyklusschritt;
    switch (schritt) {
    case Z::NaechsterMonat:
        return naechsterAus(k, monate({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    case Z::Quartalsmonat:
        return naechsterAus(k, monate({3, 6, 9, 12}));
    case Z::QuartalsmonatJanuar:
        return k.monat == 12 ? Kontraktmonat{k.jahr + 1, 1}
                             : naechsterAus(k, monate({3, 6, 9, 12}));
    case Z::JanuarAprilJuliOktober:
        return naechsterAus(k, monate({1, 4, 7, 10}));
    case Z::JuniDezember:
        return naechsterAus(k, monate({6, 12}));
    case Z::Halbjahr:
        return halbjahr(k);
    case Z::Dezember:
        return naechsterAus(k, monate({12}));
    case Z::AprilJuniNovember:
        return naechsterAus(k, monate({4, 6, 11}));
    case Z::MaerzSeptember:
        return naechsterAus(k, monate({3, 9}));
    }
    return k;
}

Kontraktmonat vorheriger(Kontraktmonat k) {
    return k.monat == 1 ? Kontraktmonat{k.jahr - 1, 12} : Kontraktmonat{k.jahr, k.monat - 1};
}

std::string KontraktmonatText(int jahr, int monat) {
    static constexpr const char* kNamen[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int jj = (jahr % 100 + 100) % 100;
    std::string text = monat >= 1 && monat <= 12 ? kNamen[monat - 1] : "???";
    text += static_cast<char>('0' + jj / 10);
    text += static_cast<char>('0' + jj % 10);
    return text;
}

std::string KontraktmonatText(Datum d) {
    return KontraktmonatText(d.jahr(), d.monat());
}
