#include "input/Eingabelogik.h"

#include "calendar/DatumQt.h"
#include "calendar/LaufzeitenInstanzen.h"
#include "input/Produkttypen.h"
#include "shell/Datumstext.h"
#include "shell/Dialoge.h"
#include "store/DatenbankFehler.h"
#include "store/Sql.h"

#include <QRegularExpression>

Eingabelogik::Eingabelogik(QSqlDatabase db, Dialoge& dialoge)
    : db_(db)
    , dialoge_(dialoge)
    , protokoll_(db)
    , meldungsanbindung_(dialoge, protokoll_)
    , tabelle_(db) {
    try {
        Sql::ausfuehren(db_, "SELECT * FROM MarginKlasse LIMIT 1");
    } catch (const DatenbankFehler&) {
        dialoge_.Fehlermeldung_Zeigen(8);
    }
    referenzLaden();
    kalender_ = std::make_unique<Kalender>(db_);
    tabelle_.alleLoeschen();
    kalender_->laufzeitenLeeren();
    Produktliste_Filtern("*");
    neueZeile();
    Feiertagstexte_Setzen();
}

void Eingabelogik::referenzLaden() {
    referenz_ = Referenzdaten::laden(db_);
}

Laufzeiten& Eingabelogik::laufzeitenEingabe() {
    return LaufzeitenEingabe;
}
Laufzeiten& Eingabelogik::laufzeitenAktuell() {
    return LaufzeitenAktuell;
}

const Produktsatz* Eingabelogik::produktVon(const Position& p) const {
    return p.Produkte.trimmed().isEmpty() ? nullptr : referenz_.produkt(p.Produkte);
}

const Klassensatz* Eingabelogik::klasseVon(const Produktsatz* produkt) const {
    return produkt ? referenz_.klasse(produkt->MarginKlasse) : nullptr;
}

void Eingabelogik::produktfeldSetzen(const QString& code, const QString& feld, double wert) {
    static const QRegularExpression erlaubt(
        "^(AktPreis|UnderlyingPrice|Multiplikator|TickValue|Preis_Faelligkeit_([1-9]|1[0-9]|20))$");
    Produktsatz* p = referenz_.produktAendern(code);
    if (!p || !erlaubt.match(feld).hasMatch()) return;
    Sql::ausfuehren(db_, QString("UPDATE Produkt SET %1 = ? WHERE Produkt = ?").arg(feld),
                    {wert, p->Produkt});
    if (feld == "AktPreis")
        p->AktPreis = wert;
    else if (feld == "UnderlyingPrice")
        p->UnderlyingPrice = wert;
    else if (feld == "Multiplikator")
        p->Multiplikator = wert;
    else if (feld == "TickValue")
        p->TickValue = wert;
    else
        p->Preis_Faelligkeit[static_cast<size_t>(feld.mid(18).toInt() - 1)] = wert;
}

void Eingabelogik::Produkte_Neu_Laden() {
    referenzLaden();
    filterSchluessel_.clear();
    Produktliste_Filtern(zustand_.Typfilter);
}

void Eingabelogik::MarginKlassen_Neu_Laden() {
    Produkte_Neu_Laden();
}

// The shifts are read by the calculation itself; the input only refreshes
// what it shows of products and classes.
void Eingabelogik::VolaShifts_Neu_Laden() {
    Produkte_Neu_Laden();
}

bool Eingabelogik::kzr2Handelbar() const {
    const Datum heute = ausQDate(zustand_.Berechnungsdatum);
    for (const Amperotermin& t : kalender_->daten().amperoVon("KZR2"))
        if (t.FIRST_TRADING_DATE <= heute && heute <= t.LETZTER_HT) return true;
    return false;
}

// Weather products are listed only when their year of introduction lies
// between Y−k and Y (k = 3 in the first half of the year, else 2); the power
// future KZR2 and its companion WQT7 only while KZR2 is tradable.
void Eingabelogik::Produktliste_Filtern(const QString& filter) {
    const QDate d = zustand_.Berechnungsdatum;
    const int k = d.month() < 7 ? 3 : 2;
    const bool kzr2 = kzr2Handelbar();
    const QString buchstabe = Produkttypen::istAlle(filter) ? "*" : filter.trimmed().toUpper();
    zustand_.Typfilter = filter;
    const QString schluessel = QString("%1|%2|%3|%4").arg(buchstabe).arg(d.year()).arg(k).arg(kzr2);
    if (schluessel == filterSchluessel_) return;
    filterSchluessel_ = schluessel;

    const auto wetterJahr = [&](const Produktsatz& p) {
        return p.Laufzeit + k >= d.year() && p.Laufzeit + k <= d.year() + k;
    };
    const auto gesperrt = [&](const Produktsatz& p) {
        return !kzr2 && (p.Produkt.compare("WQT7", Qt::CaseInsensitive) == 0 ||
                         p.Produkt.compare("KZR2", Qt::CaseInsensitive) == 0);
    };
    produktliste_.clear();
    for (const Produktsatz& p : referenz_.produkte()) {
        bool aufnehmen = false;
        if (buchstabe == "*")
            aufnehmen = p.Art == "W" ? wetterJahr(p) : !gesperrt(p);
        else if (buchstabe == "W")
            aufnehmen = p.Art == "W" && wetterJahr(p);
        else
            aufnehmen = p.Art.compare(buchstabe, Qt::CaseInsensitive) == 0 && !gesperrt(p);
        if (aufnehmen) produktliste_ << p.Produkt;
    }
}

int Eingabelogik::neueZeile() {
    Position p;
    p.Typ = Produkttypen::texte().value(0);
    p.EAIBXZ = "*";
    return tabelle_.anhaengen(p);
}

bool Eingabelogik::zeileLoeschen(int zeile) {
    if (zeile < 0 || zeile >= tabelle_.anzahl() || !dialoge_.Bestaetigung_Fragen(1)) return false;
    tabelle_.loeschen(zeile);
    return true;
}

int Eingabelogik::Alle_Loeschen() {
    const bool etwasZuVerlieren =
        tabelle_.anzahl() > 1 ||
        (tabelle_.anzahl() == 1 && !tabelle_.zeile(0).Produkte.trimmed().isEmpty());
    if (etwasZuVerlieren && !dialoge_.Bestaetigung_Fragen(2)) return 0;
    tabelle_.alleLoeschen();
    neueZeile();
    zustand_.Projektname.clear();
    zustand_.LetzteZeile = -1;
    return 1;
}

void Eingabelogik::Feiertagstexte_Setzen() {
    const Datumstext::Stil stil = Datumstext::Stil::programm();
    const QString format = stil.datumsstil == "e" ? QString("MM%1dd%1yy").arg(stil.trenner)
                                                  : QString("dd%1MM%1yy").arg(stil.trenner);
    Transaktion t(db_);
    QSqlQuery q = Sql::ausfuehren(db_, "SELECT \"Index\", Dat FROM Feiertage ORDER BY Dat");
    while (q.next())
        Sql::ausfuehren(db_, "UPDATE Feiertage SET Datum = ? WHERE \"Index\" = ?",
                        {Sql::datumAus(q.value(1)).toString(format), q.value(0)});
    t.bestaetigen();
}

bool Eingabelogik::istFeiertag(const QDate& d) const {
    return kalender_->daten().feiertage.enthaelt(ausQDate(d));
}

bool Eingabelogik::istWochenende(const QDate& d) const {
    return d.dayOfWeek() >= 6;
}
