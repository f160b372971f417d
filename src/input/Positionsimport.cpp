#include "input/Dateisperre.h"
#include "input/Eingabelogik.h"
#include "input/Produkttypen.h"
#include "input/Tabellenzellen.h"
#include "input/Zeilenupdate.h"
#include "shell/Datumstext.h"
#include "shell/Dialoge.h"
#include "store/Sql.h"

#include <QFileInfo>

namespace {

// One sheet row read into a new position row; problems go to the error log
// with the row's record number and the code of column B, and the row stays
// with the field empty or 0.
class Importzeile {
public:
    Importzeile(Eingabelogik& e, const Arbeitsmappe& blatt, int r, const Produktsatz& p, int zeile)
        : e_(e)
        , blatt_(blatt)
        , r_(QString::number(r))
        , p_(p)
        , zeile_(zeile) {}

    Position lesen() {
        Position z;
        z.Produkte = p_.Produkt;
        z.EAIBXZ = p_.Art;
        const int eintrag = Produkttypen::eintrag(p_.Art);
        if (eintrag > 0) z.Typ = Produkttypen::texte().value(eintrag);
        z.MarginKlasse = p_.MarginKlasse;
        z.Laufzeit = zelle("C").text;
        if (z.Laufzeit.startsWith(' ')) z.Laufzeit.remove(0, 1);
        daten(z);
        z.Anzahl = zahl("F", 10);
        z.Basispreis = zahl("G", 11);
        z.TradePrice = zahl("H", 12);
        z.LS = auswahl("I", {"L", "S", " ", ""}, 65);
        z.ProduktArt = auswahl("J", {"C", "P", " ", ""}, 66);
        z.BruttoNetto = auswahl("K", {"GROSS", "NET", "BRUTTO", "NETTO", " ", ""}, 15);
        const QString t = p_.Art.toUpper();
        z.O_F = t == "E" || t == "B" ? t : p_.O_F;
        return z;
    }

    // The prices of columns L and M belong to the product.
    void preiseUebernehmen(const Position& z) {
        const Arbeitsmappe::Zelle l = zelle("L");
        if (const auto preis = Tabellenzellen::zahl(l); !preis)
            fehler(13);
        else if (l.art != Arbeitsmappe::Zelle::Art::Leer)
            e_.produktfeldSetzen(p_.Produkt, "AktPreis", *preis);
        const auto zweiter = Tabellenzellen::zahl(zelle("M"));
        if (!zweiter) {
            fehler(14);
            return;
        }
        const double wert = std::round(*zweiter * 10000) / 10000;
        if (wert <= 0) return;
        e_.produktfeldSetzen(p_.Produkt, "UnderlyingPrice", wert);
        e_.maturitaetenAufbauen(p_);
        const int i = static_cast<int>(e_.laufzeitAuswahl().indexOf(z.Laufzeit));
        if (i >= 1 && i <= 20)
            e_.produktfeldSetzen(p_.Produkt, QString("Preis_Faelligkeit_%1").arg(i), wert);
    }

private:
    Arbeitsmappe::Zelle zelle(const char* spalte) const { return blatt_.lesen(spalte + r_); }

    void fehler(int nummer, QChar art = 'F', const QString& zusatz = {}) {
        e_.protokoll().Fehlerzeile_Anhaengen(zeile_ + 1, p_.Produkt, nummer, art, zusatz);
    }

    double zahl(const char* spalte, int fehlernummer) {
        const auto wert = Tabellenzellen::zahl(zelle(spalte));
        if (!wert) fehler(fehlernummer);
        return wert.value_or(0);
    }

    QString auswahl(const char* spalte, const QStringList& erlaubt, int fehlernummer) {
        const QString wert = zelle(spalte).text.toUpper();
        if (erlaubt.contains(wert)) return wert;
        fehler(fehlernummer);
        return {};
    }

    void daten(Position& z) {
        const Arbeitsmappe::Zelle d = zelle("D");
        if (Datumstext::istLeer(Tabellenzellen::text(d))) return;
        const auto handelstag = Tabellenzellen::datum(d);
        if (!handelstag) return fehler(17, 'S', Tabellenzellen::text(d));
        if (*handelstag > e_.zustand().Berechnungsdatum) return fehler(9);
        z.Handelstag = Tabellenzellen::text(d);
        const Arbeitsmappe::Zelle v = zelle("E");
        if (Datumstext::istLeer(Tabellenzellen::text(v))) return;
        if (!Tabellenzellen::datum(v)) return fehler(17, 'S', Tabellenzellen::text(v));
        z.SettlementDays = Tabellenzellen::text(v);
    }

    Eingabelogik& e_;
    const Arbeitsmappe& blatt_;
    QString r_;
    const Produktsatz& p_;
    int zeile_;
};

} // namespace

std::optional<Arbeitsmappe> Eingabelogik::importmappeOeffnen(const QString& pfad) {
    if (!QFileInfo(pfad).isFile()) {
        dialoge_.Fehlermeldung_Zeigen(76);
        return std::nullopt;
    }
    if (Dateisperre::inBenutzung(pfad)) {
        dialoge_.Fehlermeldung_Zeigen(75);
        return std::nullopt;
    }
    auto mappe = Arbeitsmappe::laden(pfad);
    if (!mappe) dialoge_.Fehlermeldung_Zeigen(74);
    return mappe;
}

bool Eingabelogik::Excel_Import(const QString& pfad) {
    auto mappe = importmappeOeffnen(pfad);
    if (!mappe) return false;
    mappe->aktivieren(0);
    protokoll_.Fehlerprotokoll_Leeren();
    try {
        const Zeilenupdate guard(zustand_.ZeilenUpdate);
        Transaktion transaktion(db_);
        tabelle_.alleLoeschen();
        if (const auto datum = Tabellenzellen::datum(mappe->lesen("B2")))
            zustand_.Berechnungsdatum = *datum;
        else
            protokoll_.Fehlerzeile_Anhaengen(0, QString(), 63, 'F');
        zustand_.Projektname = Tabellenzellen::text(mappe->lesen("B1"));
        QStringList klassen;
        QStringList vertreter;
        for (int r = 5;; ++r) {
            const QString code = mappe->lesen(QString("B%1").arg(r)).text.trimmed().toUpper();
            if (code.isEmpty()) break;
            const Produktsatz* p = referenz_.produkt(code);
            if (!p) {
                protokoll_.Fehlerzeile_Anhaengen(0, code, 16, 'S', code);
                continue;
            }
            Importzeile zeile(*this, *mappe, r, *p, tabelle_.anzahl());
            const int i = tabelle_.anhaengen(zeile.lesen());
            zeile.preiseUebernehmen(tabelle_.zeile(i));
            if (Produkttypen::IstDerivatTyp(p->Art) &&
                !klassen.contains(p->MarginKlasse, Qt::CaseInsensitive)) {
                klassen << p->MarginKlasse;
                vertreter << p->Produkt;
            }
        }
        Klassenpreise_Angleichen(klassen, vertreter);
        transaktion.bestaetigen();
    } catch (...) {
        // The table was rolled back: the rows and prices in memory follow it.
        tabelle_.laden();
        referenzLaden();
        throw;
    }
    Datum_Uebernehmen(false, zustand_.Berechnungsdatum);
    zustand_.LetzteZeile = 0;
    return true;
}

// Products of one margin class share one underlying and so one current
// price: the first product of each class in the sheet gives it.
void Eingabelogik::Klassenpreise_Angleichen(const QStringList& klassen, const QStringList& codes) {
    for (int i = 0; i < klassen.size() && i < codes.size(); ++i) {
        const Produktsatz* vertreter = referenz_.produkt(codes[i]);
        if (!vertreter) continue;
        const double preis = vertreter->AktPreis;
        QStringList mitglieder;
        for (const Produktsatz& p : referenz_.produkte())
            if (p.MarginKlasse.compare(klassen[i], Qt::CaseInsensitive) == 0)
                mitglieder << p.Produkt;
        for (const QString& code : mitglieder) produktfeldSetzen(code, "AktPreis", preis);
    }
    Produktliste_Filtern("*");
}
