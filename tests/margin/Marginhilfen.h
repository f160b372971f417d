#pragma once

#include "TestUmgebung.h"
#include "margin/Berechnungslauf.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <vector>

// Reference rows with the defaults of a plain index future class; each test states what it
// changes.
struct Produktangaben {
    QString Produkt = "FIDX";
    QString MarginKlasse = "FIDX";
    QString Art = "I";
    QString O_F = "F";
    double Multiplikator = 10;
    QString OPM = "BS";
    QString LZB = "A";
    int Laufzeit = 12;
    QString Waehrung = "EUR";
    double AktPreis = 100;
    double UnderlyingPrice = 0;
    double TickSize = 0;
    double Dividende = 0;
    QString DividendenTage{};
    QString MATURITY_SWITCH{};
    double Kuponhoehe = 0;
    std::vector<double> Preis_Faelligkeit{}; // Preis_Faelligkeit_1 …
};

struct Klassenangaben {
    QString MarginKlasse = "FIDX";
    QString MarginGruppe = "GRP";
    double MarginParameter = 10;
    QString ParameterArt = "Points";
    double SpotMonthSpread = 0;
    double BackMonthSpread = 0;
    double Basispreisabstand = 5;
};

struct Positionsangaben {
    QString Produkte = "FIDX";
    QString MarginKlasse = "FIDX";
    QString MarginGruppe = "GRP";
    QString O_F = "F";
    QString LS = "L";
    QString ProduktArt = " ";
    QString Laufzeit = "Sep07";
    double Laufzeit_Tage = 90;
    int LaufzeitIndex = 0;
    double Basispreis = 0;
    double Anzahl = 1;
    double TradePrice = 0;
    double ImplVola = 20;
    double Betrag = 0;
    double Stueckzinsen = 0;
    QString SettlementDays{};
    QString BruttoNetto{};
    double Laufzeit_Tage_3 = 0;
    QString letzterHT{};
};

// A fresh database with one rate row (all 0), the currency rates EUR 1 and USD 1.25, and the
// rows a test adds. The calculation date is 15 June 2007 unless a test sets another.
class Marginumgebung {
public:
    Marginumgebung();

    void produkt(const Produktangaben& p) const;
    void klasse(const Klassenangaben& k) const;
    void gruppe(const QString& gruppe, double offsetFaktor) const;
    // Positions get LfdNr 1, 2, … in the order they are added.
    void position(const Positionsangaben& p);
    void volaShift(const QString& typ, const QString& klasse, const QString& cp, int days,
                   double mnes, double priceMove, double up, double neutral, double down) const;
    void ausfuehren(const QString& sql) const { db_.ausfuehren(sql); }
    QSqlDatabase db() const { return db_.db(); }

    Margin::Ergebnis rechnen(int threads = 1) const;
    // Loads, computes and writes.
    Margin::Ergebnis berechnen() const;

    // The rows of a table in rowid order, every column as text ("NULL" for empty).
    QStringList tabelle(const QString& name) const;

    QDate datum = QDate(2007, 6, 15);
    QString waehrung = "EUR";

private:
    TestDatenbank db_;
    int lfdNr_ = 0;
};

// The class key's result row; fails the test when there is none.
const Margin::Ausgabe1Zeile& zeile(const Margin::Ergebnis& e, const QString& mkNeu);
// The Berechnung row with the running number, and its OffenePositionen.
const Margin::Berechnungszeile& berechnungszeile(const Margin::Ergebnis& e, int lfdNr);
double offen(const Margin::Ergebnis& e, int lfdNr);
// The chart rows of one position (Klasse "0") in point order.
std::vector<Margin::Ausgabe2Zeile> positionszeilen(const Margin::Ergebnis& e, int lfdNr);
// Every value of a result as text lines, to compare two results whole.
QStringList abbild(const Margin::Ergebnis& e);
