#pragma once

#include "margin/Berechnungsdaten.h"
#include "margin/Ergebniszeilen.h"
#include "margin/Klassenlauf.h"
#include "margin/VolaShiftZeilen.h"

#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>
#include <atomic>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class Dialoge;

namespace Margin {

// The outcome of a calculation: the rows of the result and work tables as the run leaves them.
struct Ergebnis {
    std::shared_ptr<const Berechnungsdaten> daten; // what the rows refer to
    std::vector<Berechnungszeile> Berechnung;
    std::vector<A_MKlasseZeile> A_MKlasse;
    std::vector<Ausgabe1Zeile> Ausgabe1; // the last row is "Account Total"
    std::vector<Ausgabe2Zeile> Ausgabe2;
    std::vector<Szenarienzeile> Szenarien;
    std::vector<VolaShiftsTmpZeile> vola_shifts_tmp;
    std::vector<VolaShiftZeile> vola_shifts_berechnung;
    QStringList KlassenListe; // the class keys the results window offers
    QStringList GruppenListe;
    QHash<QString, QString> SzenarioJeKlasse; // class key (upper case) → volatility word
    // Options are priced: the results window tells that the calculation may take a while.
    bool Informationsfenster = false;
};

// The calculation in three phases. Loading reads the portfolio (Eingabe) and the reference data
// on the thread that owns the connection; computing touches no database and may run on any
// thread; writing replaces the result and work tables in one transaction.
//
//     auto lauf = Berechnungslauf::laden(db, datum, "EUR");
//     Ergebnis e = lauf.rechnen(fortschritt, &abbrechen);   // e.g. on a worker thread
//     Berechnungslauf::schreiben(db, e);
class Berechnungslauf {
public:
    // The date style and language of the messages are the program's (Programm::instanz()).
    // Throws DatenbankFehler.
    static Berechnungslauf laden(const QSqlDatabase& db, const QDate& berechnungsdatum,
                                 const QString& ausgabewaehrung);

    // threads 0: one per core. Throws Berechnungsfehler (data that cannot be calculated),
    // Rechenfehler (a model failure) and Berechnungsabbruch (abbruch was set).
    Ergebnis rechnen(const Fortschritt& fortschritt = {},
                     const std::atomic<bool>* abbruch = nullptr, int threads = 0) const;

    // Throws DatenbankFehler; then the tables keep their previous content.
    static void schreiben(const QSqlDatabase& db, const Ergebnis& ergebnis);

private:
    explicit Berechnungslauf(std::shared_ptr<const Berechnungsdaten> daten)
        : daten_(std::move(daten)) {}
    std::shared_ptr<const Berechnungsdaten> daten_;
};

// All three phases on the open connection, on the calling thread. Throws as the phases do.
Ergebnis Berechnen(const QSqlDatabase& db, const QDate& berechnungsdatum,
                   const QString& ausgabewaehrung, const Fortschritt& fortschritt = {},
                   const std::atomic<bool>* abbruch = nullptr);

// The same for a window or the command-line tool: a calculation that cannot finish is shown
// through the dialogs and leaves the tables as they were. Nothing when it did not finish.
std::optional<Ergebnis> Berechnen(const QSqlDatabase& db, const QDate& berechnungsdatum,
                                  const QString& ausgabewaehrung, Dialoge& dialoge,
                                  const Fortschritt& fortschritt = {},
                                  const std::atomic<bool>* abbruch = nullptr);

// The columns of an Ausgabe1 row by name, in table order, empty values as null QVariants;
// lfdNr is the row's running number (1 for the first row).
std::vector<std::pair<QString, QVariant>> Ausgabe1Werte(const Ausgabe1Zeile& zeile, int lfdNr);

} // namespace Margin
