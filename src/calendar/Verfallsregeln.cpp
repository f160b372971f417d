#include "calendar/Verfallsregeln.h"

#include "calendar/Feiertage.h"

namespace {

using W = Wochentag;

Datum letzterTag(Kontraktmonat k) {
    return Datum(k.jahr, k.monat, tageImMonat(k.jahr, k.monat));
}

// The first given weekday of the month; the 1st when it is that weekday.
Datum erster(W gesucht, Kontraktmonat k) {
    const Datum eins(k.jahr, k.monat, 1);
    const int abstand = static_cast<int>(gesucht) - static_cast<int>(eins.wochentag());
    return eins + (abstand + 7) % 7;
}

// The last given weekday of the month (the fifth when there is one, else the fourth).
Datum letzter(W gesucht, Kontraktmonat k) {
    const Datum ende = letzterTag(k);
    const int abstand = static_cast<int>(ende.wochentag()) - static_cast<int>(gesucht);
    return ende - (abstand + 7) % 7;
}

Datum ersterFreitag(Kontraktmonat k) {
    return erster(W::Freitag, k);
}
Datum dritterFreitag(Kontraktmonat k) {
    return ersterFreitag(k) + 14;
}

// The fifth Friday of the month, or of the first later month that has five.
Datum fuenfterFreitag(Kontraktmonat k) {
    for (;; k = naechster(k, Zyklusschritt::NaechsterMonat)) {
        const Datum fuenfter = ersterFreitag(k) + 28;
        if (fuenfter.monat() == k.monat) return fuenfter;
    }
}

Datum lieferungMinusZweiWochentage(Kontraktmonat k) {
    Datum tag = Datum(k.jahr, k.monat, 10);
    while (istWochenende(tag)) tag += 1;
    for (int i = 0; i < 2; ++i) {
        do tag -= 1;
        while (istWochenende(tag));
    }
    return tag;
}

Datum letzterGeschaeftstag(Datum tag, const Feiertage& feiertage) {
    while (!istGeschaeftstag(tag, feiertage)) tag -= 1;
    return tag;
}

// The last Friday of the month before, stepped back to Thursday when it is that month's
// last business day.
Datum regel10(Kontraktmonat k, const Feiertage& feiertage) {
    const Kontraktmonat vormonat = vorheriger(k);
    const Datum letzterGT = letzterGeschaeftstag(letzterTag(vormonat), feiertage);
    Datum freitag = zurueckUeberFeiertage(letzter(W::Freitag, vormonat), feiertage);
    if (freitag == letzterGT)
        while (freitag.wochentag() != W::Donnerstag) freitag -= 1;
    return zurueckUeberFeiertage(freitag, feiertage);
}

Datum regel15(Kontraktmonat k, const Feiertage& feiertage) {
    const Datum freitag = k.monat == 6 ? ersterFreitag(k) : letzter(W::Freitag, k);
    return zurueckUeberFeiertage(freitag, feiertage);
}

Datum regel17(Kontraktmonat k, const Feiertage& feiertage) {
    const int wochen = k.monat == 12 && k.jahr > 2009 ? 7 : 14;
    return zurueckUeberFeiertage(ersterFreitag(k) + wochen + 6, feiertage);
}

// A 30th that the month lacks (February) is taken as the month's last day.
Datum regel18(Kontraktmonat k, const Feiertage& feiertage) {
    const int tag = tageImMonat(k.jahr, k.monat) < 30 ? tageImMonat(k.jahr, k.monat) : 30;
    return zurueckUeberFeiertage(Datum(k.jahr, k.monat, tag), feiertage);
}

// Seven passes back from the last Friday; a pass that lands on a Sunday (after a holiday
// Monday) makes the next pass skip the weekend from there.
Datum regel20(Kontraktmonat k, const Feiertage& feiertage) {
    Datum tag = zurueckUeberFeiertage(letzter(W::Freitag, k), feiertage);
    for (int i = 0; i < 7; ++i) {
        tag -= 1;
        if (tag.wochentag() == W::Samstag) tag -= 2;
        if (tag.wochentag() == W::Sonntag) tag -= 2;
        tag = zurueckUeberFeiertage(tag, feiertage);
    }
    return tag;
}

} // namespace

bool istTagregel(int regel) {
    return regel >= 0 && regel <= 21 && regel != 7 && regel != 9 && regel != 11 && regel != 14;
}

Datum Verfallstag(int regel, Kontraktmonat k, const Feiertage& feiertage) {
    if (k.monat < 1 || k.monat > 12 || k.jahr < 2 || k.jahr > 9998) return {};
    switch (regel) {
    case 0:
        return erster(W::Mittwoch, k) + 12;
    case 1:
        return dritterFreitag(k) - 1;
    case 2:
        return ersterFreitag(k);
    case 3:
        return ersterFreitag(k) + 7;
    case 4:
        return dritterFreitag(k);
    case 5:
        return zurueckUeberFeiertage(ersterFreitag(k) + 21, feiertage);
    case 6:
        return fuenfterFreitag(k);
    case 8:
        return lieferungMinusZweiWochentage(k);
    case 10:
        return regel10(k, feiertage);
    case 12:
        return dritterFreitag(k) - 30;
    case 13:
        return Geschaeftstag_Nach(Datum(k.jahr, k.monat, 20), 5, feiertage);
    case 15:
        return regel15(k, feiertage);
    case 16:
        return zurueckUeberFeiertage(dritterFreitag(k) + 5, feiertage);
    case 17:
        return regel17(k, feiertage);
    case 18:
        return regel18(k, feiertage);
    case 19:
        return zurueckUeberFeiertage(letzter(W::Mittwoch, k), feiertage);
    case 20:
        return regel20(k, feiertage);
    case 21:
        return zurueckUeberFeiertage(letzter(W::Freitag, k), feiertage);
    default:
        return {};
    }
}

Datum zurueckUeberFeiertage(Datum d, const Feiertage& feiertage) {
    while (feiertage.enthaelt(d)) d -= 1;
    return d;
}

Datum letzterWochentag(Kontraktmonat k) {
    Datum tag = letzterTag(k);
    while (istWochenende(tag)) tag -= 1;
    return tag;
}

Datum letzterGeschaeftstagImMaerz(int jahr, const Feiertage& feiertage) {
    return letzterGeschaeftstag(Datum(jahr, 3, 31), feiertage);
}

bool amOderVorVerfall(Datum d, int regel, const Feiertage& feiertage) {
    return d <= Verfallstag(regel, {d.jahr(), d.monat()}, feiertage);
}
