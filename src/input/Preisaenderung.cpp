#include "input/Eingabelogik.h"
#include "input/Produkttypen.h"
#include "input/Zeilenupdate.h"
#include "pricing/Preisdienste.h"
#include "shell/Dialoge.h"
#include "store/Sql.h"

namespace {

bool preisNachLaufzeitWahl(const Produktsatz& p) {
    const QString t = p.Art.toUpper();
    return t == "Z" || t == "N" ||
           (t == "R" && (p.LZB == "J" || p.LZB == "7" || p.LZB.startsWith('V')));
}

} // namespace

// K = 1 keeps the traded option prices and computes new volatilities, K = 0
// keeps the volatilities and computes new option prices.
int Eingabelogik::preisModus(bool interaktiv, const Produktsatz& p, bool klasseMitOptionen) {
    const Eingabezustand& z = zustand_;
    if (interaktiv && z.Optionspreise_neu && z.AlterAktPreis != 0) return 0;
    const bool fragen =
        interaktiv && !z.Optionspreise_neu && klasseMitOptionen &&
        (z.AlterAktPreis != 0 || (preisNachLaufzeitWahl(p) && z.AlterUnderlyingPrice != 0));
    if (fragen && dialoge_.Preisaenderung_Waehlen() == 2) return 0;
    return 1;
}

void Eingabelogik::optionszeileNeuBewerten(int i, int modus, bool interaktiv) {
    Position& z = tabelle_.zeile(i);
    const Produktsatz* p = produktVon(z);
    if (!p || p->O_F != "O" || z.Betrag <= 0) return;
    const double kurs = basiswertpreis(i, *p);
    const Optionsart art =
        z.ProduktArt.trimmed().toUpper() == "P" ? Optionsart::Put : Optionsart::Call;
    if (modus == 1) {
        bool fehlgeschlagen = false;
        z.ImplVola = z.Basispreis > 0 && z.TradePrice > 0 && z.Laufzeit_Tage > 0
                         ? aufVierStellen(ImpliziteVola(art, p->DividendenTage, p->OPM, interaktiv,
                                                        fehlgeschlagen, preiskontext(i, *p), p->Art,
                                                        p->Dividende, z.Laufzeit_Tage, z.TradePrice,
                                                        z.Basispreis, kurs))
                         : 0;
        return;
    }
    z.TradePrice = 0;
    if (z.Anzahl <= 0 || z.ImplVola <= 0) return;
    if (Produkttypen::preisNachLaufzeit(*p)) Kontraktgroesse_Setzen(i);
    const Produktsatz& aktuell = *produktVon(z);
    const Preiskontext k = preiskontext(i, aktuell);
    z.TradePrice = aufVierStellen(Optionspreis(
        art, TageBisDatum(aktuell.DividendenTage, k), aktuell.OPM, aktuell.Art, k, aktuell.TickSize,
        aktuell.Dividende, z.Laufzeit_Tage, z.ImplVola, z.Basispreis, kurs));
    z.Betrag = aktuell.Multiplikator * (z.TradePrice * z.Anzahl);
}

void Eingabelogik::Preis_Uebernehmen(bool interaktiv, int zeile) {
    Eingabezustand& st = zustand_;
    if (!st.UnderlyingPriceGeaendert && !st.AktPreisGeaendert && !st.Optionspreise_neu) return;
    if (zeile < 0 || zeile >= tabelle_.anzahl()) return;
    const Zeilenupdate guard(st.ZeilenUpdate);
    const Produktsatz* p = produktVon(tabelle_.zeile(zeile));
    if (!p || p->AktPreis == 0) {
        if (interaktiv) dialoge_.Fehlermeldung_Zeigen(p ? 70 : 71);
    } else if (Produkttypen::IstDerivatTyp(p->Art)) {
        klasseNeuBewerten(interaktiv, *p);
    }
    p = produktVon(tabelle_.zeile(zeile));
    if (p) {
        st.AlterAktPreis = p->AktPreis;
        st.AlterUnderlyingPrice = p->UnderlyingPrice;
        if (st.AktPreisGeaendert) {
            const double preis = p->AktPreis;
            const QString klasse = p->MarginKlasse;
            for (const Produktsatz& anderes : std::vector<Produktsatz>(referenz_.produkte()))
                if (anderes.MarginKlasse.compare(klasse, Qt::CaseInsensitive) == 0)
                    produktfeldSetzen(anderes.Produkt, "AktPreis", preis);
            Produktliste_Filtern("*");
        }
        if (QString("ZRN").contains(p->Art.toUpper()) && p->Art.size() == 1)
            maturitaetenAufbauen(*p);
    }
    st.UnderlyingPriceGeaendert = false;
    st.AktPreisGeaendert = false;
}

// One price of the underlying applies to every position of the product's
// margin class: its option rows are valued again.
void Eingabelogik::klasseNeuBewerten(bool interaktiv, const Produktsatz& p) {
    const double preis = p.AktPreis;
    const QString klasse = p.MarginKlasse;
    std::vector<int> zeilen;
    bool mitOptionen = false;
    for (int i = 0; i < tabelle_.anzahl(); ++i)
        if (tabelle_.zeile(i).MarginKlasse.compare(klasse, Qt::CaseInsensitive) == 0) {
            zeilen.push_back(i);
            mitOptionen = mitOptionen || tabelle_.zeile(i).O_F.toUpper() == "O";
        }
    const int modus = preisModus(interaktiv, p, mitOptionen);
    zustand_.AlterAktPreis = preis;
    Transaktion transaktion(db_);
    for (const int i : zeilen) {
        if (const Produktsatz* eigenes = produktVon(tabelle_.zeile(i)))
            produktfeldSetzen(eigenes->Produkt, "AktPreis", preis);
        optionszeileNeuBewerten(i, modus, interaktiv);
        tabelle_.buchen(i);
    }
    transaktion.bestaetigen();
}
