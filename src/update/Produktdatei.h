#pragma once

#include "update/Updatedatei.h"

#include <QString>
#include <QStringList>

// One product line of the product file (29 fields separated by ";"): the product, then the
// margin class and the margin group that are created with it when they do not exist yet.
struct Produktzeile {
    int zeile = 0;
    QString Produkt, ISIN, Produktbezeichnung, MarginKlasse, Art, O_F;
    double TickSize = 0;
    QString OPM, LZB;
    double DaysUntilSettelment = 0;
    QString Kupontermin;
    double Kuponhoehe = 0;
    QString Waehrung;
    double SOPA_Faktor = 0;
    QString Underlying;
    double Dividende = 0;
    QString DividendenTage;
    bool Sonderfall = false;
    double Laufzeit = 0;      // truncated toward zero
    double Multiplikator = 0; // truncated toward zero

    QString Klasse, KlasseGruppe; // fields 21 and 22
    double MarginParameter = 0;
    QString ParameterArt;
    double SpotMonthSpread = 0, BackMonthSpread = 0, Basispreisabstand = 0;
    QString Gruppe; // field 28
    double OffsetFaktor = 0;

    // "mm/dd/" from the delivered "dd.mm."; "//" for an empty coupon date.
    QString Kupontermin_e() const;
};

struct Produktdatei {
    QString version;           // the first line as delivered
    double versionsnummer = 0; // its value
    bool versionGelesen = false;
    Dateiinhalt<Produktzeile> inhalt;
};

// A product line fits when it has 29 fields, a product code that no earlier line of the file
// names (without regard to case) and numbers where numbers belong.
Produktdatei Produktdatei_Lesen(const QStringList& zeilen);
