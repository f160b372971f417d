#include "calendar/Laufzeiten.h"

#include "calendar/Verfallsregeln.h"

bool Laufzeiten::anhaengen(Datum verfall, std::string_view text) {
    if (Anzahl >= kHoechstzahl || !verfall.gueltig()) return false;
    LaufzeitEintrag& e = Eintraege[static_cast<std::size_t>(Anzahl++)];
    e.VerfallDatum = verfall;
    e.VerfallMonatTxt.assign(text);
    e.Tag = static_cast<std::uint16_t>(verfall.tag());
    e.Monat = static_cast<std::uint16_t>(verfall.monat());
    e.Jahr = static_cast<std::uint16_t>(verfall.jahr());
    return true;
}

bool eintragTagregel(Laufzeiten& l, Kontraktmonat k, int regel, const Feiertage& feiertage) {
    const Datum verfall = Verfallstag(regel, k, feiertage);
    return l.anhaengen(verfall, regel == 6 ? KontraktmonatText(verfall)
                                           : KontraktmonatText(k.jahr, k.monat));
}

bool eintragDritterFreitagMinus30(Laufzeiten& l, Kontraktmonat k, const Feiertage& feiertage) {
    const Datum verfall = Verfallstag(12, k, feiertage);
    return l.anhaengen(verfall, KontraktmonatText(verfall));
}

bool eintragLetzterWochentag(Laufzeiten& l, Kontraktmonat k) {
    return l.anhaengen(letzterWochentag(k), KontraktmonatText(k.jahr, k.monat));
}

bool eintragMaerz(Laufzeiten& l, int jahr, const Feiertage& feiertage) {
    const Datum verfall = letzterGeschaeftstagImMaerz(jahr, feiertage);
    return l.anhaengen(verfall, KontraktmonatText(verfall.jahr(), 3));
}

bool eintragFesterTermin(Laufzeiten& l, Datum d) {
    return l.anhaengen(d, KontraktmonatText(d + 10));
}

bool eintragTabellentermin(Laufzeiten& l, Datum d, std::string_view text) {
    if (text.empty()) return l.anhaengen(d, KontraktmonatText(d));
    return l.anhaengen(d, text);
}
