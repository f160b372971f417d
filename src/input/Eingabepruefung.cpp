#include "calendar/DatumQt.h"
#include "input/Eingabelogik.h"
#include "input/Produkttypen.h"
#include "input/Zeilenupdate.h"
#include "shell/Datumstext.h"
#include "shell/Dialoge.h"
#include "store/Sql.h"

namespace {

// The checks of one row: every problem appends an error log row and sets
// the row status; the checks go on after a problem.
class Zeilenpruefung {
public:
    Zeilenpruefung(Eingabelogik& e, int zeile, const QString& modus)
        : e_(e)
        , zeile_(zeile)
        , modus_(modus)
        , z_(e.tabelle().zeile(zeile))
        , p_(e.produktVon(z_))
        , t_(p_ ? p_->Art.toUpper() : QString()) {}

    int pruefen() {
        grunddaten();
        if (Produkttypen::IstDerivatTyp(t_)) derivat();
        if (t_ == "E" && !QStringList{"BRUTTO", "NETTO", "GROSS", "NET"}.contains(
                             z_.BruttoNetto.trimmed().toUpper()))
            fehler(15);
        if (t_ == "E" || t_ == "B") kasse();
        if (p_ && Produkttypen::preisNachLaufzeit(*p_)) laufzeitpreis();
        if (p_ && Produkttypen::IstDerivatTyp(t_) && !z_.Laufzeit.isEmpty()) laufzeitGueltig();
        if (status_ == 0 && Produkttypen::IstDerivatTyp(t_) && ofDerZeile() == "O") volatilitaet();
        return status_;
    }

private:
    QString ofDerZeile() const { return z_.O_F.trimmed().toUpper(); }

    void fehler(int nummer, QChar art = 'F', const QString& zusatz = {}) {
        e_.protokoll().Fehlerzeile_Anhaengen(zeile_ + 1, p_ ? p_->Produkt : z_.Produkte, nummer,
                                             art, zusatz);
        status_ = nummer;
    }

    void grunddaten() {
        if (!p_ || p_->AktPreis <= 0) fehler(13);
        if (z_.LS.trimmed().toUpper() != "L" && z_.LS.trimmed().toUpper() != "S") fehler(65);
        if (std::llround(z_.Anzahl) == 0) fehler(t_ == "B" ? 26 : 10);
    }

    void derivat() {
        if (ofDerZeile() != "O" && ofDerZeile() != "F") {
            fehler(27);
            return;
        }
        if (z_.Laufzeit.isEmpty()) fehler(3);
        if (status_ == 0 && z_.Laufzeit_Tage <= 0) fehler(77);
        if (ofDerZeile() != "O") return;
        if (z_.Basispreis == 0) fehler(11);
        if (z_.TradePrice == 0) fehler(12);
        if (z_.ProduktArt.trimmed().toUpper() != "C" && z_.ProduktArt.trimmed().toUpper() != "P")
            fehler(66);
    }

    // Steps on the dates of equities and bonds; the three tests of a trade
    // date are independent, so one date may be reported up to three times.
    void kasse() {
        if (z_.TradePrice == 0) fehler(12);
        std::optional<QDate> handelstag;
        if (Datumstext::istLeer(z_.Handelstag)) {
            fehler(29);
        } else if (!(handelstag = Datumstext::lesen(z_.Handelstag))) {
            fehler(17, 'S', z_.Handelstag);
        } else {
            if (*handelstag > e_.zustand().Berechnungsdatum) fehler(9);
            if (e_.istFeiertag(*handelstag)) fehler(9);
            if (e_.istWochenende(*handelstag)) fehler(9);
        }
        if (Datumstext::istLeer(z_.SettlementDays)) {
            fehler(28);
        } else if (const auto valuta = Datumstext::lesen(z_.SettlementDays); !valuta) {
            fehler(17, 'S', z_.SettlementDays);
        } else if ((handelstag && *valuta < *handelstag) || e_.istFeiertag(*valuta) ||
                   e_.istWochenende(*valuta)) {
            fehler(30);
        }
    }

    void laufzeitpreis() {
        e_.maturitaetenAufbauen(*p_);
        e_.Laufzeit_Uebernehmen(zeile_, false);
        if (e_.laufzeitpreis(zeile_, *p_) <= 0) fehler(13);
    }

    void laufzeitGueltig() {
        e_.maturitaetenAufbauen(*p_);
        e_.Laufzeit_Uebernehmen(zeile_, false);
        if (!e_.laufzeitAuswahl().contains(z_.Laufzeit)) fehler(1, 'S', z_.Laufzeit);
    }

    // Marks the row without a row of its own: the pricing service has logged error 56.
    void volatilitaet() {
        const bool misslungen = e_.ImplVola_Berechnen(zeile_, false);
        const double vola = e_.tabelle().zeile(zeile_).ImplVola;
        if (vola <= 0.01) status_ = -1;
        if (modus_ != "BERECHNUNG" && vola == 25 && misslungen) status_ = -1;
    }

    Eingabelogik& e_;
    int zeile_;
    QString modus_;
    const Position& z_;
    const Produktsatz* p_;
    QString t_;
    int status_ = 0;
};

} // namespace

// Empty rows (no product code) are removed without a report. A row whose code
// names no product is kept and reported, so no position drops out of a
// calculation unnoticed.
bool Eingabelogik::Eingaben_Pruefen(const QString& modus) {
    const Zeilenupdate guard(zustand_.ZeilenUpdate);
    Produktliste_Filtern("*");
    int status = 0;
    Transaktion transaktion(db_);
    for (int i = tabelle_.anzahl() - 1; i >= 0; --i) {
        if (tabelle_.zeile(i).Produkte.trimmed().isEmpty()) {
            tabelle_.loeschen(i);
            continue;
        }
        const int zeilenstatus = Zeilenpruefung(*this, i, modus).pruefen();
        tabelle_.buchen(i);
        if (zeilenstatus != 0) status = zeilenstatus;
    }
    transaktion.bestaetigen();
    return status == 0;
}

bool Eingabelogik::Fehleranzahl_Melden() {
    return protokoll_.Fehleranzahl_Melden(dialoge_);
}

bool Eingabelogik::Eingaben_Ueberpruefen() {
    Produktliste_Filtern("*");
    protokoll_.Fehlerprotokoll_Leeren();
    if (Eingaben_Pruefen("EINGABEN_UEBERPRUEFEN")) {
        dialoge_.Fehlermeldung_Zeigen(72);
        return true;
    }
    Fehleranzahl_Melden();
    return false;
}

bool Eingabelogik::Berechnung_Starten() {
    protokoll_.Fehlerprotokoll_Leeren();
    if (Eingaben_Pruefen("BERECHNUNG")) return true;
    Fehleranzahl_Melden();
    return false;
}
