#include "calendar/DatumQt.h"
#include "calendar/Feiertage.h"
#include "input/Eingabelogik.h"
#include "shell/Datumstext.h"
#include "shell/Dialoge.h"
#include "shell/Programm.h"

namespace {

// Day and month in a year; a 29 February of a year without it is the last
// day of February.
QDate tagImJahr(int jahr, int monat, int tag) {
    const QDate erster(jahr, monat, 1);
    return erster.isValid() ? QDate(jahr, monat, std::min(tag, erster.daysInMonth())) : QDate();
}

// The coupon day and month of a bond in the local order of the date style.
std::optional<std::pair<int, int>> kupontermin(const Produktsatz& p) {
    const bool englisch = Programm::instanz().datumsstil == "e";
    const QString t = englisch ? p.Kupontermin_e : p.Kupontermin;
    bool okTag = false;
    bool okMonat = false;
    const int tag = t.mid(englisch ? 3 : 0, 2).toInt(&okTag);
    const int monat = t.mid(englisch ? 0 : 3, 2).toInt(&okMonat);
    if (!okTag || !okMonat || monat < 1 || monat > 12 || tag < 1 || tag > 31) return std::nullopt;
    return std::pair{tag, monat};
}

// The last coupon date strictly before the given date.
QDate letzterKupon(const QDate& datum, int jahr, std::pair<int, int> termin) {
    const QDate c = tagImJahr(jahr, termin.second, termin.first);
    return c.daysTo(datum) <= 0 ? tagImJahr(jahr - 1, termin.second, termin.first) : c;
}

} // namespace

void Eingabelogik::Valuta_Setzen(int zeile, int geschaeftstage) {
    Position& z = tabelle_.zeile(zeile);
    if (Datumstext::istLeer(z.Handelstag)) {
        z.Laufzeit_Tage_2 = 0;
        return;
    }
    const auto handelstag = Datumstext::lesen(z.Handelstag);
    if (!handelstag) {
        dialoge_.Fehlermeldung_Zeigen(63);
        return;
    }
    const Datum valuta =
        Geschaeftstag_Nach(ausQDate(*handelstag), geschaeftstage, kalender_->daten().feiertage);
    z.SettlementDays = Datumstext::schreiben(alsQDate(valuta));
}

int Eingabelogik::Anleihe_Laufzeit_Tage() const {
    const QDate d = zustand_.Berechnungsdatum;
    return static_cast<int>(
        d.daysTo(alsQDate(Geschaeftstag_Nach(ausQDate(d), 3, kalender_->daten().feiertage))));
}

void Eingabelogik::Anleihe_Zinstage(int zeile, bool interaktiv) {
    Position& z = tabelle_.zeile(zeile);
    if (Datumstext::istLeer(z.SettlementDays)) {
        z.Laufzeit_Tage_2 = 0;
        return;
    }
    const auto valuta = Datumstext::lesen(z.SettlementDays);
    const Produktsatz* p = produktVon(z);
    if (!valuta || !p) return;
    const auto termin = kupontermin(*p);
    if (!termin) {
        if (interaktiv)
            dialoge_.Fehlermeldung_Zeigen(69);
        else
            protokoll_.Fehlerzeile_Anhaengen(zeile + 1, p->Produkt, 69, 'F');
        return;
    }
    const int jahr = zustand_.Berechnungsdatum.year();
    // Both day counts start at the last coupon before their own settlement
    // date, so neither goes negative nor beyond a coupon year.
    const QDate spot = zustand_.Berechnungsdatum.addDays(Anleihe_Laufzeit_Tage());
    z.Laufzeit_Tage_2 = static_cast<double>(letzterKupon(*valuta, jahr, *termin).daysTo(*valuta));
    z.Laufzeit_Tage_3 = static_cast<double>(letzterKupon(spot, jahr, *termin).daysTo(spot));
    tabelle_.buchen(zeile);
}

int Eingabelogik::Kuponjahr_Tage(const Position& z) const {
    const auto valuta = Datumstext::lesen(z.SettlementDays);
    if (!valuta) return 365;
    const QDate letzter = valuta->addDays(-static_cast<qint64>(z.Laufzeit_Tage_2));
    return static_cast<int>(
        letzter.daysTo(tagImJahr(letzter.year() + 1, letzter.month(), letzter.day())));
}

void Eingabelogik::Stueckzinsen_Berechnen(int zeile) {
    Position& z = tabelle_.zeile(zeile);
    const Produktsatz* p = produktVon(z);
    z.Betrag = z.TradePrice * z.Anzahl / 100;
    z.Stueckzinsen =
        z.Anzahl * (z.Laufzeit_Tage_2 * (p ? p->Kuponhoehe : 0) / Kuponjahr_Tage(z)) / 100;
}
