#include "Marginhilfen.h"

#include "store/Sql.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

Marginumgebung::Marginumgebung() {
    db_.ausfuehren("INSERT INTO Zinsen (Zinssatz_EONIA) VALUES (0);"
                   "INSERT INTO Waehrung (EUR, USD, GBP) VALUES (1, 1.25, 0)");
}

void Marginumgebung::produkt(const Produktangaben& p) const {
    QVariantList werte = {p.Produkt,   p.MarginKlasse,    p.Art,
                          p.O_F,       p.Multiplikator,   p.OPM,
                          p.LZB,       p.Laufzeit,        p.Waehrung,
                          p.AktPreis,  p.UnderlyingPrice, p.TickSize,
                          p.Dividende, p.DividendenTage,  p.MATURITY_SWITCH,
                          p.Kuponhoehe};
    QString spalten = "Produkt, MarginKlasse, Art, O_F, Multiplikator, OPM, LZB, Laufzeit, "
                      "Waehrung, AktPreis, UnderlyingPrice, TickSize, Dividende, DividendenTage, "
                      "MATURITY_SWITCH, Kuponhoehe";
    for (size_t k = 0; k < p.Preis_Faelligkeit.size(); ++k) {
        spalten += QString(", Preis_Faelligkeit_%1").arg(k + 1);
        werte << p.Preis_Faelligkeit[k];
    }
    Sql::ausfuehren(db(),
                    QString("INSERT INTO Produkt (%1) VALUES (%2)")
                        .arg(spalten, QStringList(werte.size(), "?").join(",")),
                    werte);
}

void Marginumgebung::klasse(const Klassenangaben& k) const {
    Sql::ausfuehren(db(),
                    "INSERT INTO MarginKlasse (MarginKlasse, MarginGruppe, MarginParameter, "
                    "ParameterArt, SpotMonthSpread, BackMonthSpread, Basispreisabstand) "
                    "VALUES (?,?,?,?,?,?,?)",
                    {k.MarginKlasse, k.MarginGruppe, k.MarginParameter, k.ParameterArt,
                     k.SpotMonthSpread, k.BackMonthSpread, k.Basispreisabstand});
}

void Marginumgebung::gruppe(const QString& gruppe, double offsetFaktor) const {
    Sql::ausfuehren(db(), "INSERT INTO MarginGruppe (MarginGruppe, OffsetFaktor) VALUES (?,?)",
                    {gruppe, offsetFaktor});
}

void Marginumgebung::position(const Positionsangaben& p) {
    Sql::ausfuehren(
        db(),
        "INSERT INTO Eingabe (LfdNr, Produkte, MarginKlasse, MarginGruppe, O_F, LS, ProduktArt, "
        "Laufzeit, Laufzeit_Tage, LaufzeitIndex, Basispreis, Anzahl, TradePrice, ImplVola, "
        "Betrag, Stueckzinsen, SettlementDays, BruttoNetto, Laufzeit_Tage_3, letzterHT, "
        "OffenePositionen) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,0)",
        {++lfdNr_,
         p.Produkte,
         p.MarginKlasse,
         p.MarginGruppe,
         p.O_F,
         p.LS,
         p.ProduktArt,
         p.Laufzeit,
         p.Laufzeit_Tage,
         p.LaufzeitIndex,
         p.Basispreis,
         p.Anzahl,
         p.TradePrice,
         p.ImplVola,
         p.Betrag,
         p.Stueckzinsen,
         p.SettlementDays,
         p.BruttoNetto,
         p.Laufzeit_Tage_3,
         p.letzterHT.isEmpty() ? QVariant() : QVariant(p.letzterHT)});
}

void Marginumgebung::volaShift(const QString& typ, const QString& klasse, const QString& cp,
                               int days, double mnes, double priceMove, double up, double neutral,
                               double down) const {
    const auto leerOder = [](const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); };
    Sql::ausfuehren(
        db(), "INSERT INTO vola_shifts VALUES (?,?,?,?,?,?,?,?,?)",
        {leerOder(typ), leerOder(klasse), leerOder(cp), days, mnes, priceMove, up, neutral, down});
    Sql::ausfuehren(db(),
                    "INSERT INTO vola_shifts_index (typ, marginklasse, days) SELECT ?, ?, ? "
                    "WHERE NOT EXISTS (SELECT 1 FROM vola_shifts_index WHERE typ IS ? AND "
                    "marginklasse IS ? AND days = ?)",
                    {leerOder(typ), leerOder(klasse), days, leerOder(typ), leerOder(klasse), days});
}

Margin::Ergebnis Marginumgebung::rechnen(int threads) const {
    return Margin::Berechnungslauf::laden(db(), datum, waehrung).rechnen({}, nullptr, threads);
}

Margin::Ergebnis Marginumgebung::berechnen() const {
    return Margin::Berechnen(db(), datum, waehrung);
}

QStringList Marginumgebung::tabelle(const QString& name) const {
    QStringList zeilen;
    QSqlQuery q = Sql::ausfuehren(db(), QString("SELECT * FROM \"%1\" ORDER BY rowid").arg(name));
    while (q.next()) {
        QStringList werte;
        for (int i = 0; i < q.record().count(); ++i)
            werte << (q.isNull(i) ? QString("NULL") : q.value(i).toString());
        zeilen << werte.join('|');
    }
    return zeilen;
}

const Margin::Ausgabe1Zeile& zeile(const Margin::Ergebnis& e, const QString& mkNeu) {
    for (const Margin::Ausgabe1Zeile& a : e.Ausgabe1)
        if (a.MK_neu == mkNeu || (mkNeu == Margin::kAccountTotal && a.MarginKlasse == mkNeu))
            return a;
    ADD_FAILURE() << "no Ausgabe1 row " << mkNeu.toStdString();
    static const Margin::Ausgabe1Zeile keine;
    return keine;
}

const Margin::Berechnungszeile& berechnungszeile(const Margin::Ergebnis& e, int lfdNr) {
    for (const Margin::Berechnungszeile& z : e.Berechnung)
        if (z.LfdNr == lfdNr) return z;
    ADD_FAILURE() << "no Berechnung row " << lfdNr;
    static const Margin::Berechnungszeile keine;
    return keine;
}

double offen(const Margin::Ergebnis& e, int lfdNr) {
    return berechnungszeile(e, lfdNr).OffenePositionen;
}

std::vector<Margin::Ausgabe2Zeile> positionszeilen(const Margin::Ergebnis& e, int lfdNr) {
    std::vector<Margin::Ausgabe2Zeile> zeilen;
    for (const Margin::Ausgabe2Zeile& a : e.Ausgabe2)
        if (!a.klassenzeile && e.Berechnung[size_t(a.zeile)].LfdNr == lfdNr) zeilen.push_back(a);
    return zeilen;
}

QStringList abbild(const Margin::Ergebnis& e) {
    QStringList zeilen;
    const auto zahl = [](double x) { return QString::number(x, 'g', 17); };
    for (size_t i = 0; i < e.Ausgabe1.size(); ++i) {
        QStringList w;
        for (const auto& [name, wert] : Margin::Ausgabe1Werte(e.Ausgabe1[i], int(i) + 1))
            w << name + "=" + (wert.isNull() ? "NULL" : wert.toString());
        zeilen << w.join(' ');
    }
    for (const Margin::Ausgabe2Zeile& a : e.Ausgabe2) {
        QStringList w = {QString::number(a.klassenzeile), QString::number(a.zeile),
                         QString::number(a.Zaehler), zahl(a.yWert), zahl(a.yWert2)};
        for (double x : a.xWert) w << zahl(x);
        for (double x : a.SopaWert) w << zahl(x);
        for (double x : a.Vola) w << zahl(x);
        zeilen << w.join(' ');
    }
    for (const Margin::Berechnungszeile& z : e.Berechnung) {
        QStringList w = {QString::number(z.LfdNr), z.MarginKlasse_NEU, zahl(z.OffenePositionen)};
        for (const auto& s : z.SopaWert) w << (s ? zahl(*s) : "NULL");
        zeilen << w.join(' ');
    }
    for (const Margin::Szenarienzeile& s : e.Szenarien)
        zeilen << s.Margingruppe + " " + s.Szenario + " " + zahl(s.Summe);
    return zeilen;
}
