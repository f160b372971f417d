#include "input/Eingabelogik.h"
#include "input/Produkttypen.h"
#include "input/Zeilenupdate.h"
#include "shell/Datumstext.h"
#include "shell/Dialoge.h"
#include "store/Sql.h"

// Brings every row up to date for a new calculation date. Interactively the
// user chooses what to keep of the option rows, and rows that no longer fit
// the date (expired maturities, trade dates after it) are removed; quietly
// they stay and the problems go to the error log.
void Eingabelogik::Datum_Uebernehmen(bool interaktiv, const QDate& neuesDatum) {
    if (interaktiv && neuesDatum == zustand_.Berechnungsdatum) return;
    const Zeilenupdate guard(zustand_.ZeilenUpdate);
    bool neueVolatilitaeten = false;
    if (interaktiv) {
        zustand_.DialogWahl = dialoge_.Datumsaenderung_Waehlen();
        if (zustand_.DialogWahl == 0) return;
        neueVolatilitaeten = zustand_.DialogWahl == 1;
        zustand_.Optionspreise_neu = zustand_.DialogWahl == 2;
        if (zustand_.Optionspreise_neu && zustand_.LetzteZeile >= 0 &&
            zustand_.LetzteZeile < tabelle_.anzahl())
            if (const Produktsatz* p = produktVon(tabelle_.zeile(zustand_.LetzteZeile)))
                zustand_.AlterAktPreis = p->AktPreis;
    }
    zustand_.Berechnungsdatum = neuesDatum;
    Produktliste_Filtern("*");
    {
        Transaktion transaktion(db_);
        for (int i = 0; i < tabelle_.anzahl();) {
            if (zeileAufDatum(i, interaktiv, neueVolatilitaeten) == Zeilenausgang::Loeschen)
                tabelle_.loeschen(i);
            else
                tabelle_.buchen(i++);
        }
        transaktion.bestaetigen();
    }
    if (zustand_.Optionspreise_neu) {
        Preis_Uebernehmen(interaktiv,
                          std::max(0, std::min(zustand_.LetzteZeile, tabelle_.anzahl() - 1)));
        zustand_.Optionspreise_neu = false;
    }
}

bool Eingabelogik::Datumswahl(const QDate& neuesDatum) {
    protokoll_.Fehlerprotokoll_Leeren();
    Datum_Uebernehmen(true, neuesDatum);
    return Fehleranzahl_Melden();
}

Eingabelogik::Zeilenausgang Eingabelogik::zeileAufDatum(int i, bool interaktiv,
                                                        bool neueVolatilitaeten) {
    Position& z = tabelle_.zeile(i);
    if (z.Produkte.trimmed().isEmpty()) return Zeilenausgang::Loeschen;
    const Produktsatz* p = produktVon(z);
    if (!p) return Zeilenausgang::Behalten;
    z.Prod_Bezeichnung = p->Produktbezeichnung;
    z.MarginKlasse = p->MarginKlasse;
    const Klassensatz* k = klasseVon(p);
    z.MarginGruppe = k ? k->MarginGruppe : QString();
    const QString t = p->Art.toUpper();
    if (Produkttypen::IstDerivatTyp(t))
        return derivatAufDatum(i, *p, interaktiv, neueVolatilitaeten);
    if (t == "E" || t == "B") return kasseAufDatum(i, *p, interaktiv);
    return Zeilenausgang::Behalten;
}

Eingabelogik::Zeilenausgang Eingabelogik::derivatAufDatum(int i, const Produktsatz& p,
                                                          bool interaktiv,
                                                          bool neueVolatilitaeten) {
    Position& z = tabelle_.zeile(i);
    maturitaetenAufbauen(p);
    if (z.Laufzeit.isEmpty()) return Zeilenausgang::Behalten;
    if (!laufzeitAuswahl_.contains(z.Laufzeit)) {
        if (!interaktiv) protokoll_.Fehlerzeile_Anhaengen(i + 1, p.Produkt, 1, 'S', z.Laufzeit);
        z.Laufzeit.clear();
        return interaktiv ? Zeilenausgang::Loeschen : Zeilenausgang::Behalten;
    }
    Laufzeit_Uebernehmen(i, interaktiv);
    ImplVola_Berechnen(i, interaktiv && neueVolatilitaeten);
    return Zeilenausgang::Behalten;
}

Eingabelogik::Zeilenausgang Eingabelogik::kasseAufDatum(int i, const Produktsatz& p,
                                                        bool interaktiv) {
    Position& z = tabelle_.zeile(i);
    const Zeilenausgang fehlgeschlagen =
        interaktiv ? Zeilenausgang::Loeschen : Zeilenausgang::Behalten;
    if (Datumstext::istLeer(z.Handelstag)) return Zeilenausgang::Behalten;
    const auto handelstag = Datumstext::lesen(z.Handelstag);
    if (!handelstag) return fehlgeschlagen;
    if (*handelstag > zustand_.Berechnungsdatum) {
        if (interaktiv) protokoll_.Fehlerzeile_Anhaengen(i + 1, p.Produkt, 9, 'F');
        return fehlgeschlagen;
    }
    if (istFeiertag(*handelstag) || istWochenende(*handelstag)) {
        protokoll_.Fehlerzeile_Anhaengen(i + 1, p.Produkt, 9, 'F');
        return Zeilenausgang::Behalten;
    }
    const auto valuta = Datumstext::istLeer(z.SettlementDays)
                            ? std::optional(zustand_.Berechnungsdatum)
                            : Datumstext::lesen(z.SettlementDays);
    if (!valuta) return fehlgeschlagen;
    if (*valuta < *handelstag || istFeiertag(*valuta) || istWochenende(*valuta)) {
        protokoll_.Fehlerzeile_Anhaengen(i + 1, p.Produkt, 30, 'F');
        return Zeilenausgang::Behalten;
    }
    if (z.Anzahl <= 0 || z.TradePrice <= 0) return Zeilenausgang::Behalten;
    if (p.Art.toUpper() == "B") {
        z.Laufzeit_Tage = Anleihe_Laufzeit_Tage();
        Anleihe_Zinstage(i, interaktiv);
        Stueckzinsen_Berechnen(i);
    } else {
        z.Betrag = z.TradePrice * z.Anzahl;
    }
    return Zeilenausgang::Behalten;
}
