#pragma once

#include <QDate>
#include <QString>

// What the position input keeps besides the rows while the user works.
struct Eingabezustand {
    QDate Berechnungsdatum = QDate::currentDate();
    QString Typfilter = "Alle";
    QString VorherigerTyp = "Alle";
    // Set while the input itself changes row fields: the change dispatch then does nothing.
    bool ZeilenUpdate = false;
    double AlterAktPreis = 0;
    double AlterUnderlyingPrice = 0;
    bool AktPreisGeaendert = false;
    bool UnderlyingPriceGeaendert = false;
    int DialogWahl = 0;
    bool Optionspreise_neu = false;
    int LetzteZeile = -1;
    QString AktuelleSpalte;
    // The field the maturity price edit is bound to; it keeps its binding when a row's
    // maturity index is outside the range a product type rebinds.
    QString Laufzeitpreisfeld = "UnderlyingPrice";
    QString Projektname; // the file name field of the header
};
