#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

// One row of the position table Eingabe, held in memory while it is edited.
struct Position {
    qint64 rowid = 0; // the row's identity in the table
    int LfdNr = 0;
    QString Typ;
    QString EAIBXZ;
    QString Produkte;
    QString Prod_Bezeichnung;
    QString MarginGruppe;
    QString MarginKlasse;
    QString O_F;
    QString LS;
    QString ProduktArt;
    QString Laufzeit;
    double Laufzeit_Tage = 0;
    double Laufzeit_Tage_2 = 0;
    double Laufzeit_Tage_3 = 0;
    int LaufzeitIndex = 0;
    QDate letzterHT;
    double Basispreis = 0;
    double Anzahl = 0;
    double TradePrice = 0;
    double AktuellerPreis = 0;
    double ImplVola = 0;
    QString Handelstag;
    QString SettlementDays;
    QString BruttoNetto;
    double Stueckzinsen = 0;
    double Betrag = 0;
    double OffenePositionen = 0;

    // The stored columns by name, in table order.
    static const QStringList& felder();
    QVariant wert(const QString& feld) const;
    // False when the field does not exist or the value does not fit its type.
    bool setzen(const QString& feld, const QVariant& wert);
};
