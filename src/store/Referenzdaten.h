#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <array>
#include <optional>
#include <vector>

// One row of table Produkt. Empty numbers read as 0, empty texts as "".
struct Produktsatz {
    QString Produkt;
    QString ISIN;
    QString Produktbezeichnung;
    QString MarginKlasse;
    QString Art;
    QString O_F;
    double TickSize = 0;
    double TickValue = 0;
    double Multiplikator = 0;
    QString OPM;
    QString LZB;
    qint64 Laufzeit = 0;
    double DaysUntilSettelment = 0;
    QString Kupontermin;
    QString Kupontermin_e;
    QString Faelligkeit;
    double Kuponhoehe = 0;
    QString Waehrung;
    double SOPA_Faktor = 0;
    QString Underlying;
    double AktPreis = 0;
    double UnderlyingPrice = 0;
    double Dividende = 0;
    QString DividendenTage;
    std::array<double, 20> Preis_Faelligkeit{}; // Preis_Faelligkeit_1 is [0]
    bool Sonderfall = false;
    QString Geloescht;
    QString MATURITY_SWITCH;
};

// One row of table MarginKlasse.
struct Klassensatz {
    QString MarginKlasse;
    QString MarginGruppe;
    double MarginParameter = 0;
    QString ParameterArt;
    double SpotMonthSpread = 0;
    double BackMonthSpread = 0;
    double Basispreisabstand = 0;
};

// One row of table MarginGruppe.
struct Gruppensatz {
    QString MarginGruppe;
    double OffsetFaktor = 0;
};

// The single row of table Zinsen: Zinssatz_1 … Zinssatz_17 for the maturities 1 to 120
// months, and the overnight and two equity/bond rates.
struct Zinssaetze {
    std::array<double, 17> Zinssatz{}; // Zinssatz_1 is [0]
    double Zinssatz_EONIA = 0;
    double Zinssatz_RAIRU = 0;
    double Zinssatz_RAIRD = 0;
};

// The reference tables a calculation or the position input reads, loaded once.
// Look-ups by code ignore case, as every key look-up of the program does.
class Referenzdaten {
public:
    // Throws DatenbankFehler.
    static Referenzdaten laden(const QSqlDatabase& db);

    // In the order of their codes.
    const std::vector<Produktsatz>& produkte() const { return produkte_; }
    const Produktsatz* produkt(const QString& code) const;
    // The same row for a change the caller also writes to the table.
    Produktsatz* produktAendern(const QString& code);
    const Klassensatz* klasse(const QString& code) const;
    const Gruppensatz* gruppe(const QString& code) const;
    const Zinssaetze& zinsen() const { return zinsen_; }
    // Units of the currency per euro, from table Waehrung; nothing when the currency has no
    // column or the rate is empty.
    std::optional<double> waehrungskurs(const QString& waehrung) const;

    static Produktsatz produktAus(const class QSqlRecord& satz);

private:
    std::vector<Produktsatz> produkte_;
    QHash<QString, int> produktIndex_; // upper-case code → index
    QHash<QString, Klassensatz> klassen_;
    QHash<QString, Gruppensatz> gruppen_;
    Zinssaetze zinsen_;
    QHash<QString, double> waehrungen_;
};
