#pragma once

#include "calendar/Laufzeiten.h"

#include <QSqlDatabase>
#include <set>
#include <string>
#include <string_view>
#include <utility>

// Table Laufzeiten records one block of generated maturities per (rule code, horizon): it is
// written the first time the pair is built and not refreshed when the calculation date
// changes. Pairs already seen are remembered, so a repeated build costs no database access.
class LaufzeitenTabelle {
public:
    // Holds the connection's name, not the connection, so that closing it is not hindered.
    explicit LaufzeitenTabelle(QString verbindung);

    // Writes the entries of l (as one statement) unless the table holds a row for the pair or
    // l is empty. Throws DatenbankFehler.
    void eintragen(std::string_view lzb, double laufzeit, const Laufzeiten& l,
                   Datum berechnungsdatum);
    // Empties the table, as the position input does when it starts.
    void leeren();

private:
    bool vorhanden(const QString& lzb, double laufzeit) const;
    void schreiben(const QString& lzb, double laufzeit, const Laufzeiten& l,
                   Datum berechnungsdatum) const;

    QSqlDatabase db() const;

    QString verbindung_;
    std::set<std::pair<std::string, double>> bekannt_;
};
