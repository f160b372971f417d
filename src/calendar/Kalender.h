#pragma once

#include "calendar/Kalenderdaten.h"
#include "calendar/Laufzeiten.h"
#include "calendar/LaufzeitenTabelle.h"

#include <QSqlDatabase>
#include <string_view>

// The market calendar of the open database: the reference rows of the maturity rules, read
// once, and the record of generated maturities in table Laufzeiten. Whoever changes
// holidays, inflation dates, the power calendar or the configuration lists calls neuLaden.
class Kalender {
public:
    // Reads from the connection and keeps its name. Throws DatenbankFehler.
    explicit Kalender(const QSqlDatabase& db);

    void neuLaden();
    const Kalenderdaten& daten() const { return daten_; }

    // Fills ziel with the maturities of the product (see LaufzeitenBerechnen) and records
    // them in table Laufzeiten once per (rule code, horizon). True when the code is known.
    bool LaufzeitenErmitteln(Laufzeiten& ziel, std::string_view produkt, double laufzeit,
                             std::string_view lzb, Datum berechnungsdatum);
    // Empties table Laufzeiten (start of the position input).
    void laufzeitenLeeren() { tabelle_.leeren(); }

private:
    QString verbindung_;
    Kalenderdaten daten_;
    LaufzeitenTabelle tabelle_;
};
