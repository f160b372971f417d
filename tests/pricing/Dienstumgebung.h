#pragma once

#include "pricing/Preiskontext.h"
#include "store/Referenzdaten.h"

#include <QStringList>

// Records error 56 as the services report it: "Meldung 56", or "Zeile 7 ODAX 56 F".
struct AufgezeichneteMeldungen : Preisdienstmeldungen {
    QStringList berichte;
    void Fehlermeldung_Zeigen(int nummer) override {
        berichte << QString("Meldung %1").arg(nummer);
    }
    void Fehlerzeile_Anhaengen(int zeilenNr, const QString& produkt, int nummer, QChar art,
                               const QString& zusatz) override {
        berichte << QString("Zeile %1 %2 %3 %4%5")
                        .arg(zeilenNr)
                        .arg(produkt)
                        .arg(nummer)
                        .arg(art)
                        .arg(zusatz);
    }
};

// One position of a product on 7 March 2008 (dates day first), rates 2 % plus 0.1 per maturity
// index, maturity prices 100 + k.
struct Dienstumgebung {
    Produktsatz produkt;
    Zinssaetze zinsen;
    Laufzeiten laufzeiten;
    AufgezeichneteMeldungen meldungen;
    int LaufzeitIndex = 0;
    Preisfenster fenster = Preisfenster::Eingabe;

    Dienstumgebung() {
        produkt.Produkt = "ODAX";
        produkt.Art = "I";
        produkt.LZB = "1";
        for (int k = 0; k < 17; ++k) zinsen.Zinssatz[static_cast<std::size_t>(k)] = 2 + k / 10.0;
        for (int k = 1; k <= 20; ++k)
            produkt.Preis_Faelligkeit[static_cast<std::size_t>(k - 1)] = 100 + k;
    }

    Preiskontext kontext() {
        return {.fenster = fenster,
                .produkt = produkt,
                .zinsen = zinsen,
                .laufzeiten = laufzeiten,
                .LaufzeitIndex = LaufzeitIndex,
                .Berechnungsdatum = Datum(2008, 3, 7),
                .datumsstil = {"d", '.'},
                .meldungen = &meldungen,
                .ZeilenNr = 7,
                .Prod_Neu = produkt.Produkt};
    }
};
