#include "calendar/DatumQt.h"
#include "calendar/LaufzeitenInstanzen.h"
#include "input/Eingabelogik.h"
#include "input/Produkttypen.h"
#include "shell/Programm.h"

namespace {

bool englisch() {
    return Programm::instanz().sprache == "e";
}

int quartalsmonat(int monat) {
    return monat <= 3 ? 3 : monat <= 6 ? 6 : monat <= 9 ? 9 : 12;
}

bool istQuartalsmonat(int monat) {
    return monat == 3 || monat == 6 || monat == 9 || monat == 12;
}

int monatVon(int k) {
    return k >= 0 && k < LaufzeitenAktuell.Anzahl
               ? LaufzeitenAktuell.Eintraege[static_cast<size_t>(k)].Monat
               : 0;
}

QString textVon(int k) {
    return k >= 0 && k < LaufzeitenAktuell.Anzahl
               ? QString::fromStdString(
                     LaufzeitenAktuell.Eintraege[static_cast<size_t>(k)].VerfallMonatTxt)
               : QString();
}

QString preisText(const QString& laufzeit) {
    return (englisch() ? "Price " : "Preis ") + laufzeit + ":";
}

void binden(Spaltenlayout& s, const QString& feld, const QString& laufzeit) {
    s.laufzeitpreisSichtbar = true;
    s.laufzeitpreisFeld = feld;
    s.laufzeitpreisLabel = preisText(laufzeit);
}

// The products whose current price is the price of the spot month.
bool spotMonthPreis(const Produktsatz& p) {
    const QString t = p.Art.toUpper();
    return t == "Z" || t == "N" ||
           (t == "R" && (p.LZB == "J" || p.LZB == "7" || p.LZB.startsWith('V'))) ||
           (t == "V" && p.LZB == "11") || p.Produkt.compare("HMAV", Qt::CaseInsensitive) == 0;
}

// The highest maturity index whose price a product keeps in its own column.
int hoechsterIndex(const Produktsatz& p) {
    const QString t = p.Art.toUpper();
    if (t == "Z" || t == "N" || t == "V") return 20;
    if (t == "R" || p.MATURITY_SWITCH.compare("Y", Qt::CaseInsensitive) == 0) return 12;
    if (p.Produkt.compare("HMAV", Qt::CaseInsensitive) == 0) return 11;
    return 0;
}

// Three-month money market contracts: only the serial months before the
// first quarter month have a price of their own; later ones take the
// underlying price.
void zinsLzb2(Spaltenlayout& s, int k) {
    int q = 0;
    for (int i = 1; i <= LaufzeitenAktuell.Anzahl && q == 0; ++i)
        if (istQuartalsmonat(monatVon(i - 1) + 1)) q = i;
    if (k + 1 > q)
        binden(s, "UnderlyingPrice", textVon(LaufzeitenAktuell.Anzahl - 1));
    else
        s.laufzeitpreisSichtbar = false;
}

void zinsLzb5(Spaltenlayout& s, int k) {
    const int m0 = monatVon(0);
    const int q0 = quartalsmonat(m0);
    const int p = quartalsmonat(monatVon(k));
    for (int i = k; i <= 4; ++i) {
        if (monatVon(i) != p) continue;
        if (istQuartalsmonat(m0) || monatVon(i) != q0)
            binden(s, QString("Preis_Faelligkeit_%1").arg(i), textVon(i));
        else
            s.laufzeitpreisSichtbar = false;
    }
}

} // namespace

void Eingabelogik::laufzeitpreisEinrichten(Spaltenlayout& s, const Produktsatz& p,
                                           const Position& z) {
    if (spotMonthPreis(p)) s.preisLabel = englisch() ? "Price Spot Month:" : "Preis Spot Month:";
    const int k = z.LaufzeitIndex;
    const bool mitLaufzeitpreis =
        spotMonthPreis(p) || p.MATURITY_SWITCH.compare("Y", Qt::CaseInsensitive) == 0;
    if (!mitLaufzeitpreis || k <= 0) return;
    // A maturity beyond the product's own price columns is priced with the
    // current price: the edit is hidden rather than left on another maturity.
    if (k > hoechsterIndex(p)) return;
    binden(s, QString("Preis_Faelligkeit_%1").arg(k), z.Laufzeit);
    if (p.Art.toUpper() == "Z" && p.LZB == "2") zinsLzb2(s, k);
    if (p.Art.toUpper() == "Z" && p.LZB == "5" && k <= 2) zinsLzb5(s, k);
    if (s.laufzeitpreisSichtbar) zustand_.Laufzeitpreisfeld = s.laufzeitpreisFeld;
}

int Eingabelogik::Laufzeiten_Fuellen(const Laufzeiten& l) {
    laufzeitAuswahl_.clear();
    for (int i = 0; i < l.Anzahl; ++i)
        laufzeitAuswahl_ << QString::fromStdString(
            l.Eintraege[static_cast<size_t>(i)].VerfallMonatTxt);
    LaufzeitenAktuell = l;
    return l.Anzahl;
}

int Eingabelogik::maturitaetenAufbauen(const Produktsatz& p) {
    kalender_->LaufzeitenErmitteln(LaufzeitenEingabe, p.Produkt.toStdString(),
                                   static_cast<double>(p.Laufzeit), p.LZB.toStdString(),
                                   ausQDate(zustand_.Berechnungsdatum));
    return Laufzeiten_Fuellen(LaufzeitenEingabe);
}

Spaltenlayout Eingabelogik::Spalten_Einrichten(int zeile, const QString& art, const QString& o_f) {
    Spaltenlayout s;
    const QString t = art.toUpper();
    const bool kasse = Produkttypen::istKassaTyp(t);
    s.tradePriceTitel =
        kasse ? (englisch() ? "Trade Price" : "Handelspreis")
              : (englisch() ? "Daily Settlement Price" : "Täglicher Abrechnungspreis");
    s.laufzeitpreisFeld = "UnderlyingPrice";
    const Position& z = tabelle_.zeile(zeile);
    const Produktsatz* p = produktVon(z);
    s.produktGefunden = p != nullptr;
    s.kennzahlenSichtbar = p && Produkttypen::IstDerivatTyp(t);
    if (p)
        maturitaetenAufbauen(*p);
    else
        Laufzeiten_Fuellen(Laufzeiten{});
    s.laufzeitAuswahl = laufzeitAuswahl_;
    s.preisLabel = englisch() ? "Underlying Price:" : "Preis Basiswert:";

    if (t == "E")
        s.versteckt = {"ProduktArt", "Stueckzinsen", "Laufzeit",
                       "Basispreis", "ImplVola",     "Laufzeit_Tage"};
    else if (t == "B")
        s.versteckt = {"ProduktArt", "BruttoNetto", "Laufzeit", "Basispreis", "ImplVola"};
    else if (Produkttypen::IstDerivatTyp(t))
        s.versteckt = {"Stueckzinsen", "BruttoNetto", "SettlementDays", "Handelstag"};
    if (o_f != "O")
        s.versteckt += {"ProduktArt", "ImplVola", "Basispreis", "Betrag"};
    else
        for (const char* f : {"ProduktArt", "ImplVola", "Basispreis", "Betrag"})
            s.versteckt.remove(f);

    const QString& fokus = zustand_.AktuelleSpalte;
    if (s.versteckt.contains(fokus)) {
        if (kasse && fokus == "Laufzeit")
            s.fokusNach = "Handelstag";
        else if (!kasse && (fokus == "Handelstag" || fokus == "SettlementDays"))
            s.fokusNach = "Laufzeit";
    }
    if (p) laufzeitpreisEinrichten(s, *p, z);
    return s;
}

Spaltenlayout Eingabelogik::Zeile_Anzeigen(int zeile, const QString& spalte) {
    if (zeile < 0 || zeile >= tabelle_.anzahl()) return {};
    Kontraktgroesse_Setzen(zeile);
    Produktliste_Filtern("*");
    zustand_.AktuelleSpalte = spalte;
    zustand_.LetzteZeile = zeile;
    const Position& z = tabelle_.zeile(zeile);
    if (spalte == "Prod_Neu") Produktliste_Filtern(z.EAIBXZ);
    const Produktsatz* p = produktVon(z);
    return Spalten_Einrichten(zeile, p ? p->Art : QString(), p ? p->O_F : QString());
}

void Eingabelogik::Kontraktgroesse_Setzen(int zeile) {
    const Position& z = tabelle_.zeile(zeile);
    const Produktsatz* p = produktVon(z);
    if (!p || !p->LZB.startsWith('V') || z.LaufzeitIndex < 0 || !z.letzterHT.isValid()) return;
    const Datum letzterHT = ausQDate(z.letzterHT);
    for (const Amperotermin& t : kalender_->daten().amperoVon(p->Produkt.toStdString())) {
        if (t.LETZTER_HT != letzterHT) continue;
        const double groesse = static_cast<double>(t.CONTRACT_SIZE);
        produktfeldSetzen(p->Produkt, "Multiplikator", groesse);
        produktfeldSetzen(p->Produkt, "TickValue", groesse * p->TickSize);
        return;
    }
}
