#include "calendar/DatumQt.h"
#include "calendar/LaufzeitenInstanzen.h"
#include "input/Eingabelogik.h"
#include "input/Produkttypen.h"
#include "input/Zeilenupdate.h"
#include "shell/Datumstext.h"
#include "shell/Dialoge.h"

namespace {

bool erlaubt(const QString& wert, const char* a, const char* b) {
    return wert.isEmpty() || wert == " " || wert == a || wert == b;
}

} // namespace

bool Eingabelogik::feldGeaendert(int zeile, const QString& feld, const QVariant& wert) {
    if (zeile < 0 || zeile >= tabelle_.anzahl()) return false;
    Position& z = tabelle_.zeile(zeile);
    QVariant neu = wert;
    if (feld == "LS" || feld == "ProduktArt") {
        neu = wert.toString().toUpper();
        const bool ls = feld == "LS";
        if (!erlaubt(neu.toString(), ls ? "L" : "C", ls ? "S" : "P")) {
            if (!zustand_.ZeilenUpdate) dialoge_.Fehlermeldung_Zeigen(ls ? 65 : 66);
            return false;
        }
    }
    if (feld == "Prod_Neu") {
        const Produktsatz* p = referenz_.produkt(wert.toString());
        z.Produkte = p ? p->Produkt : wert.toString().trimmed().toUpper();
    } else if (!z.setzen(feld, neu)) {
        return false;
    }
    tabelle_.buchen(zeile);
    if (zustand_.ZeilenUpdate) return true;

    const Zeilenupdate guard(zustand_.ZeilenUpdate);
    if (feld == "Typ")
        Typ_Uebernehmen(zeile);
    else if (feld == "Prod_Neu")
        Produkt_Uebernehmen(zeile);
    else if (feld == "Laufzeit")
        Laufzeit_Uebernehmen(zeile, true);
    else if (feld == "Handelstag" || feld == "SettlementDays")
        datumsfeldGeaendert(zeile, feld);
    betraegeBerechnen(zeile);
    tabelle_.buchen(zeile);
    return true;
}

void Eingabelogik::typBearbeitungBeginnt(int zeile) {
    if (zeile >= 0 && zeile < tabelle_.anzahl())
        zustand_.VorherigerTyp = Produkttypen::TypBuchstabe(tabelle_.zeile(zeile).Typ);
}

void Eingabelogik::zeileLeeren(Position& z) {
    for (QString* t : {&z.Prod_Bezeichnung, &z.MarginGruppe, &z.MarginKlasse, &z.Produkte,
                       &z.Handelstag, &z.SettlementDays, &z.Laufzeit, &z.BruttoNetto, &z.O_F})
        t->clear();
    for (double* d :
         {&z.TradePrice, &z.AktuellerPreis, &z.Basispreis, &z.Laufzeit_Tage, &z.Laufzeit_Tage_2,
          &z.Laufzeit_Tage_3, &z.Anzahl, &z.ImplVola, &z.Stueckzinsen, &z.Betrag})
        *d = 0;
    z.LaufzeitIndex = 0;
    z.ProduktArt = " ";
    z.LS = " ";
    Laufzeiten_Fuellen(Laufzeiten{});
}

void Eingabelogik::Typ_Uebernehmen(int zeile) {
    Position& z = tabelle_.zeile(zeile);
    const QStringList texte = Produkttypen::texte();
    zustand_.Typfilter = Produkttypen::TypBuchstabe(z.Typ);
    const QString& filter = zustand_.Typfilter;
    const Produktsatz* p = produktVon(z);
    const bool konflikt = p && filter != "Alle" &&
                          p->Art.compare(filter, Qt::CaseInsensitive) != 0 &&
                          zustand_.VorherigerTyp.compare(filter, Qt::CaseInsensitive) != 0;
    if (konflikt) {
        if (dialoge_.Bestaetigung_Fragen(6)) {
            zeileLeeren(z);
        } else {
            zustand_.Typfilter = zustand_.VorherigerTyp;
            z.Typ = texte.value(std::max(0, Produkttypen::eintrag(zustand_.Typfilter)));
        }
    }
    if (!produktVon(z)) z.Typ = texte.value(0);
    z.EAIBXZ = zustand_.Typfilter == "Alle" ? "*" : zustand_.Typfilter;
    zustand_.VorherigerTyp = zustand_.Typfilter;
    tabelle_.buchen(zeile);
}

void Eingabelogik::Produkt_Uebernehmen(int zeile) {
    Position& z = tabelle_.zeile(zeile);
    const Produktsatz* p = produktVon(z);
    if (!p) return;
    z.MarginKlasse = p->MarginKlasse;
    z.Prod_Bezeichnung = p->Produktbezeichnung;
    z.O_F = p->O_F == "O" || p->O_F == "F" ? p->O_F : p->Art;
    const Klassensatz* k = klasseVon(p);
    z.MarginGruppe = k ? k->MarginGruppe : QString();
    maturitaetenAufbauen(*p);
    if (!laufzeitAuswahl_.contains(z.Laufzeit)) {
        z.Laufzeit.clear();
        z.Laufzeit_Tage = 0;
        z.Laufzeit_Tage_2 = 0;
    }
    if (p->Art.toUpper() == "R" && p->LZB.startsWith('V')) {
        const Datum heute = ausQDate(zustand_.Berechnungsdatum);
        for (const Amperotermin& t : kalender_->daten().amperoVon(p->Produkt.toStdString()))
            if (t.FIRST_TRADING_DATE <= heute && heute <= t.LETZTER_HT) {
                produktfeldSetzen(p->Produkt, "Multiplikator",
                                  static_cast<double>(t.CONTRACT_SIZE));
                break;
            }
    }
    tabelle_.buchen(zeile);
}

bool Eingabelogik::Laufzeit_Uebernehmen(int zeile, bool interaktiv) {
    Position& z = tabelle_.zeile(zeile);
    if (const Produktsatz* p = produktVon(z)) maturitaetenAufbauen(*p);
    const int i = static_cast<int>(laufzeitAuswahl_.indexOf(z.Laufzeit));
    if (i < 0) {
        if (interaktiv) dialoge_.Fehlermeldung_Zeigen(64);
        return false;
    }
    const QDate verfall =
        alsQDate(LaufzeitenAktuell.Eintraege[static_cast<size_t>(i)].VerfallDatum);
    const qint64 tage = zustand_.Berechnungsdatum.daysTo(verfall);
    if (tage > 0) {
        z.Laufzeit_Tage = static_cast<double>(tage);
        z.LaufzeitIndex = i;
        z.letzterHT = verfall;
    } else {
        if (interaktiv) {
            z.LaufzeitIndex = i;
            dialoge_.Fehlermeldung_Zeigen(60);
            dialoge_.Fehlermeldung_Zeigen(61);
            protokoll_.Fehlerzeile_Anhaengen(
                zeile + 1, produktVon(z) ? produktVon(z)->Produkt : z.Produkte, 77, 'F');
        }
        z.Laufzeit_Tage = 0;
    }
    tabelle_.buchen(zeile);
    Kontraktgroesse_Setzen(zeile);
    return true;
}

// Trade and settlement dates warn but stay in the row: the full check before
// a calculation reports them again.
void Eingabelogik::datumsfeldGeaendert(int zeile, const QString& feld) {
    const Position& z = tabelle_.zeile(zeile);
    const Produktsatz* p = produktVon(z);
    const QString text = feld == "Handelstag" ? z.Handelstag : z.SettlementDays;
    if (Datumstext::istLeer(text)) return;
    const auto datum = Datumstext::lesen(text);
    if (!datum) {
        dialoge_.Spezialfehler_Zeigen(17, text);
        return;
    }
    const bool freierTag = istFeiertag(*datum) || istWochenende(*datum);
    if (feld == "Handelstag") {
        if (*datum > zustand_.Berechnungsdatum || freierTag) {
            dialoge_.Fehlermeldung_Zeigen(9);
            return;
        }
        if (p && p->Art.toUpper() == "B") {
            Valuta_Setzen(zeile, 3);
            Anleihe_Zinstage(zeile, true);
        } else if (p && p->Art.toUpper() == "E") {
            Valuta_Setzen(zeile, 2);
        }
        return;
    }
    const auto handelstag = Datumstext::lesen(z.Handelstag);
    if (!handelstag)
        dialoge_.Fehlermeldung_Zeigen(12);
    else if (*datum < *handelstag || freierTag)
        dialoge_.Fehlermeldung_Zeigen(30);
    if (p && p->Art.toUpper() == "B") Anleihe_Zinstage(zeile, true);
}

void Eingabelogik::betraegeBerechnen(int zeile) {
    Position& z = tabelle_.zeile(zeile);
    const Produktsatz* p = produktVon(z);
    if (!p || z.Anzahl <= 0 || z.TradePrice <= 0) return;
    const QString t = p->Art.toUpper();
    if (t == "E") {
        z.Betrag = z.TradePrice * z.Anzahl;
    } else if (t == "B") {
        z.Laufzeit_Tage = Anleihe_Laufzeit_Tage();
        Stueckzinsen_Berechnen(zeile);
    } else if (Produkttypen::IstDerivatTyp(t) && p->O_F == "O" && z.Laufzeit_Tage > 0) {
        ImplVola_Berechnen(zeile, true);
    }
}
