#pragma once

#include "calendar/Datum.h"

#include <QString>
#include <array>
#include <bitset>
#include <optional>

struct Produktsatz;

namespace Margin {

// The numbers of a position row that may be empty in Eingabe. The calculation reads an empty
// number as 0; the table Berechnung gets the empty value back where the run did not set one.
enum class Zahlfeld {
    LfdNr,
    TradePrice,
    AktuellerPreis,
    Laufzeit_Tage,
    Laufzeit_Tage_2,
    Laufzeit_Tage_3,
    Basispreis,
    Anzahl,
    ImplVola,
    Stueckzinsen,
    Betrag,
    OffenePositionen,
    LaufzeitIndex,
    Akt_Preis_Neu,
    Anzahl_
};

// The SOPA fields and the three volatility shifts share one index: unshifted, up, neutral, down.
enum Schicht { Ohne = 0, Up = 1, Neutral = 2, Down = 3 };
inline constexpr std::array<Schicht, 3> kVerschiebungen = {Up, Neutral, Down};

// One row of Berechnung: a position of Eingabe, its product's look-up values and what the
// margin steps write into it.
struct Berechnungszeile {
    int LfdNr = 0;
    QString MarginGruppe;
    QString MarginKlasse;
    double TradePrice = 0;
    double AktuellerPreis = 0;
    QString ProduktArt;
    QString O_F;
    QString LS;
    QString Produkte;
    QString Laufzeit;
    double Laufzeit_Tage = 0;
    double Laufzeit_Tage_2 = 0;
    double Laufzeit_Tage_3 = 0;
    double Basispreis = 0;
    double Anzahl = 0;
    double ImplVola = 0;
    QString BruttoNetto;
    double Stueckzinsen = 0;
    double Betrag = 0;
    QString Typ;
    QString SettlementDays;
    double OffenePositionen = 0;
    int LaufzeitIndex = 0;
    QString letzterHT; // ISO text as stored
    QString Prod_Neu;
    double Akt_Preis_Neu = 0;
    QString MarginKlasse_NEU;
    std::array<std::optional<double>, 4> SopaWert; // SopaWert, _up, _neutral, _down

    std::bitset<static_cast<size_t>(Zahlfeld::Anzahl_)> leereFelder;

    // Derived once when the run prepares the row.
    const Produktsatz* produkt = nullptr; // the product named by Prod_Neu
    Datum letzterHandelstag;
    std::optional<Datum> Settlementdatum; // SettlementDays read in the local date order
    bool option = false;                  // O_F like "O"
    bool future = false;                  // O_F like "F"
    bool lang = false;                    // LS like "L"
    bool kurz = false;                    // LS like "S"
    bool call = false;                    // ProduktArt like "C"
    bool put = false;                     // ProduktArt like "P"

    bool istLeer(Zahlfeld f) const { return leereFelder[static_cast<size_t>(f)]; }
    void setzeLeer(Zahlfeld f, bool l) { leereFelder[static_cast<size_t>(f)] = l; }
    double sopa(Schicht s) const { return SopaWert[s].value_or(0.0); }
};

} // namespace Margin
