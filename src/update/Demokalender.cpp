#include "update/Demokalender.h"

#include "calendar/DatumQt.h"
#include "calendar/Feiertage.h"
#include "calendar/Kontraktmonat.h"
#include "calendar/Verfallsregeln.h"
#include "shell/Programm.h"
#include "store/Sql.h"
#include "update/Demodatenfehler.h"
#include "update/Tabellentext.h"

namespace Demokalender {
namespace {

QVariant alsWert(Datum d) {
    return Sql::datum(alsQDate(d));
}

// The first day of a month; months outside 1 to 12 count on into the years around.
Datum monatsanfang(int jahr, int monat) {
    const int monate = jahr * 12 + monat - 1;
    return Datum(monate / 12, monate % 12 + 1, 1);
}

enum class Zeitraum { Tag, Woche, Monat, Quartal, Jahr };

struct Zeitraumregel {
    const char* name;
    Zeitraum zeitraum;
    int handelsmonate; // months of trading before delivery; days for Tag and Woche
};

// How long before its delivery a contract trades: the front month, the next weeks, nine
// months, two years of quarters, four years.
constexpr Zeitraumregel kZeitraeume[] = {{"Tag", Zeitraum::Tag, 31},
                                         {"Woche", Zeitraum::Woche, 56},
                                         {"Monat", Zeitraum::Monat, 9},
                                         {"Quartal", Zeitraum::Quartal, 24},
                                         {"Jahr", Zeitraum::Jahr, 48}};

const Zeitraumregel& zeitraumregel(const QString& name) {
    for (const Zeitraumregel& r : kZeitraeume)
        if (name == QLatin1String(r.name)) return r;
    throw Demodatenfehler("Unknown delivery period " + name);
}

struct Lieferung {
    Datum erster, letzter;
};

// The delivery period that contains tag.
Lieferung lieferungAm(Zeitraum z, Datum tag) {
    switch (z) {
    case Zeitraum::Tag:
        return {tag, tag};
    case Zeitraum::Woche: {
        const Datum montag = tag - (static_cast<int>(tag.wochentag()) - 1);
        return {montag, montag + 6};
    }
    case Zeitraum::Monat: {
        const Datum erster = monatsanfang(tag.jahr(), tag.monat());
        return {erster, monatsanfang(tag.jahr(), tag.monat() + 1) - 1};
    }
    case Zeitraum::Quartal: {
        const int monat = (tag.monat() - 1) / 3 * 3 + 1;
        return {monatsanfang(tag.jahr(), monat), monatsanfang(tag.jahr(), monat + 3) - 1};
    }
    case Zeitraum::Jahr:
        return {Datum(tag.jahr(), 1, 1), Datum(tag.jahr(), 12, 31)};
    }
    return {};
}

Datum handelsbeginn(const Zeitraumregel& r, Datum erster) {
    if (r.zeitraum == Zeitraum::Tag || r.zeitraum == Zeitraum::Woche)
        return erster - r.handelsmonate;
    return monatsanfang(erster.jahr(), erster.monat() - r.handelsmonate);
}

bool istWerktag(Datum d) {
    return d.wochentag() <= Wochentag::Freitag;
}

int werktage(Lieferung l) {
    int n = 0;
    for (Datum d = l.erster; d <= l.letzter; d += 1) n += istWerktag(d) ? 1 : 0;
    return n;
}

// Day contracts trade until their delivery day, week contracts until the Thursday of their
// week; the longer ones until the business day before delivery starts.
Datum letzterHandelstag(Zeitraum z, Lieferung l, const Feiertage& f) {
    Datum d = l.letzter;
    if (z == Zeitraum::Tag) {
        while (!istGeschaeftstag(d, f)) d -= 1;
        return d;
    }
    if (z == Zeitraum::Woche) {
        while (d.wochentag() >= Wochentag::Freitag || f.enthaelt(d)) d -= 1;
        return d;
    }
    return Geschaeftstag_Vor(l.erster, f);
}

QString lieferwoche(Zeitraum z, Lieferung l) {
    if (z == Zeitraum::Tag)
        return QString("%1%2")
            .arg(l.erster.tag(), 2, 10, QChar('0'))
            .arg(QString::fromStdString(KontraktmonatText(l.erster)));
    if (z != Zeitraum::Woche) return {};
    int jahr = 0;
    const int woche = alsQDate(l.erster).weekNumber(&jahr);
    return QString("W%1/%2").arg(woche, 2, 10, QChar('0')).arg(jahr % 100, 2, 10, QChar('0'));
}

struct Stromprodukt {
    QString produkt, markt, basiswert;
    Zeitraumregel regel;
    bool spitzenlast = false;
};

void kontraktAnlegen(const QSqlDatabase& db, const Stromprodukt& p, Lieferung l,
                     const Feiertage& f) {
    const Zeitraum z = p.regel.zeitraum;
    Datum verfall = letzterHandelstag(z, l, f);
    // Options expire three business days before their future.
    if (!p.basiswert.isEmpty())
        for (int i = 0; i < 3; ++i) verfall = Geschaeftstag_Vor(verfall, f);
    const QString woche = lieferwoche(z, l);
    const int tage = l.letzter - l.erster + 1;
    const int liefertage = p.spitzenlast ? werktage(l) : tage;
    const QVariant basisJahr = p.basiswert.isEmpty() ? QVariant() : QVariant(l.erster.jahr());
    const QVariant basisMonat = p.basiswert.isEmpty() ? QVariant() : QVariant(l.erster.monat());
    Sql::ausfuehren(
        db,
        "INSERT INTO Ampero (MARKET, PRODUCT_ID, EXPIRY_YEAR, EXPIRY_MONTH, FIRST_TRADING_DATE, "
        "EXPIRY_DATE, FIRST_DELIVERY_DATE, LAST_DELIVERY_DATE, BEGIN_BOM_SETTLEMENT, "
        "DELIVERY_DAYS, CONTRACT_SIZE, BEGIN_EMF, DELIVERY_WEEK, UL_PRODUCT_ID, UL_EXPIRY_YEAR, "
        "UL_EXPIRY_MONTH, LETZTER_HT, Anzeigetext) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {p.markt, p.produkt, l.erster.jahr(), l.erster.monat(),
         alsWert(handelsbeginn(p.regel, l.erster)), alsWert(verfall), alsWert(l.erster),
         alsWert(l.letzter), alsWert(l.erster), liefertage, (p.spitzenlast ? 12 : 24) * liefertage,
         alsWert(handelsbeginn(p.regel, l.erster)), woche, p.basiswert, basisJahr, basisMonat,
         alsWert(zurueckUeberFeiertage(verfall, f)),
         woche.isEmpty() ? QString::fromStdString(KontraktmonatText(l.erster)) : woche});
}

} // namespace

QString Datumstext(Datum d) {
    const Programm& p = Programm::instanz();
    const QString sep = p.datumstrenner;
    const QString format =
        p.datumsstil == "e" ? "MM" + sep + "dd" + sep + "yy" : "dd" + sep + "MM" + sep + "yy";
    return alsQDate(d).toString(format);
}

Datum Ostersonntag(int jahr) {
    // The Gregorian computus (Meeus, Jones, Butcher).
    const int a = jahr % 19, b = jahr / 100, c = jahr % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int monat = (h + l - 7 * m + 114) / 31, tag = (h + l - 7 * m + 114) % 31 + 1;
    return Datum(jahr, monat, tag);
}

std::vector<Feiertag> Feiertage_Von(int jahr, int jahre) {
    std::vector<Feiertag> liste;
    for (int j = jahr; j < jahr + jahre; ++j) {
        const Datum ostern = Ostersonntag(j);
        const Feiertag tage[] = {{Datum(j, 1, 1), "Neujahr"},
                                 {ostern - 2, "Karfreitag"},
                                 {ostern + 1, "Ostermontag"},
                                 {Datum(j, 5, 1), "Tag der Arbeit"},
                                 {Datum(j, 12, 24), "Heiligabend"},
                                 {Datum(j, 12, 25), "1. Weihnachtstag"},
                                 {Datum(j, 12, 26), "2. Weihnachtstag"},
                                 {Datum(j, 12, 31), "Silvester"}};
        for (const Feiertag& t : tage)
            if (istWerktag(t.tag)) liste.push_back(t);
    }
    return liste;
}

void Feiertage_Anlegen(const QSqlDatabase& db, const std::vector<Feiertag>& feiertage) {
    for (const Feiertag& t : feiertage)
        Sql::ausfuehren(db, "INSERT INTO Feiertage (Dat, Datum, Beschreibung) VALUES (?, ?, ?)",
                        {alsWert(t.tag), Datumstext(t.tag), t.beschreibung});
}

void Inflationstermine_Anlegen(const QSqlDatabase& db, Datum stichtag, const Feiertage& feiertage) {
    for (int jahr = stichtag.jahr() - 1; jahr <= stichtag.jahr() + 5; ++jahr)
        for (int monat : {3, 6, 9, 12}) {
            const Datum termin =
                zurueckUeberFeiertage(Verfallstag(3, {jahr, monat}, feiertage), feiertage);
            Sql::ausfuehren(db,
                            "INSERT INTO Inflationsderivate_Termine (Termin, O_F) VALUES (?, 'F')",
                            {alsWert(termin)});
            if (monat % 6 == 0)
                Sql::ausfuehren(
                    db, "INSERT INTO Inflationsderivate_Termine (Termin, O_F) VALUES (?, 'O')",
                    {alsWert(termin)});
        }
}

void Stromkalender_Anlegen(const QSqlDatabase& db, const Tabellentext& produkte, Datum stichtag,
                           const Feiertage& feiertage) {
    const Datum ende = stichtag + 6 * 366;
    for (const QStringList& zeile : produkte.zeilen) {
        // PRODUCT_ID;MARKET;Lieferzeitraum;Lastprofil;UL_PRODUCT_ID
        const Stromprodukt p{zeile.value(0), zeile.value(1), zeile.value(4),
                             zeitraumregel(zeile.value(2)), zeile.value(3) == "Peak"};
        for (Lieferung l = lieferungAm(p.regel.zeitraum, stichtag); l.erster <= ende;
             l = lieferungAm(p.regel.zeitraum, l.letzter + 1))
            kontraktAnlegen(db, p, l, feiertage);
    }
}

} // namespace Demokalender
