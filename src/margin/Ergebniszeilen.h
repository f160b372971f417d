#pragma once

#include "margin/Berechnungszeile.h"

#include <QString>
#include <array>
#include <optional>

namespace Margin {

using Betrag = std::optional<double>;
// A result column and its three volatility scenario columns (_vsup, _vsneutral, _vsdown),
// indexed by Schicht.
using Viererbetrag = std::array<Betrag, 4>;

// A row of A_MKlasse: one margin class key of the run.
struct A_MKlasseZeile {
    QString MarginKlasse;
    QString MK_neu;
    QString MarginGruppe;
    QString Art;

    friend bool operator==(const A_MKlasseZeile&, const A_MKlasseZeile&) = default;
};

// A row of Ausgabe1: the results of one class key, or the "Account Total" row. Empty values
// stay empty until a step writes them.
struct Ausgabe1Zeile {
    QString MarginGruppe;
    QString MarginKlasse;
    QString MK_neu;
    std::optional<long long> AnzSpot;
    std::optional<long long> AnzBack;
    std::optional<long long> AnzNonSpread;
    std::optional<long long> AnzSOPA;
    Betrag SummeSpot;
    Betrag SummeBAck;
    Betrag D_LVA_Long;
    Betrag D_LVA_Short;
    Betrag PremiumMargin;
    Betrag CurrentLiquidatingMargin;
    Betrag FutureSpreadMargin;
    Betrag AdditionalMargin_Future;
    Viererbetrag AdditionalMargin_UP;
    Viererbetrag AdditionalMargin_Down;
    Viererbetrag AdditionalMargin;
    Viererbetrag TotalMargin;
    Viererbetrag AdditionalMargin_Gruppe;
    Betrag TotalMargin_Gruppe;
};

inline const QString kAccountTotal = QStringLiteral("Account Total");

// A row of Ausgabe2 as the scenario engine leaves it. The columns that a position row shares
// with its Berechnung row (group, class, product, maturity, strike, flags, current price) and
// the product's columns are taken from there when the row is written, so that a large
// portfolio's chart rows stay small.
struct Ausgabe2Zeile {
    bool klassenzeile = false; // Klasse "1"
    int zeile = 0;             // the Berechnung row; for a class row the last one of the point
    const Produktsatz* produkt = nullptr; // the product the row was valued with
    int Zaehler = 0;
    int Nummer = 0;              // running number within the point (position rows)
    double IntervallZaehler = 0; // position rows
    std::optional<double> Rechenkurs;
    double Rechenkurs2 = 0;
    double yWert = 0;
    double yWert2 = 0;
    std::array<double, 4> xWert{};    // xWert, _up, _neutral, _down
    std::array<double, 4> SopaWert{}; // position rows
    std::array<double, 3> Vola{};     // Vola_Up_neu, Vola_Neutral_neu, Vola_Down_neu
    double MATURITY_Factor = 0;       // position rows
};

// A row of Szenarien: the sum of one scenario over a class without group or over a group.
struct Szenarienzeile {
    QString Margingruppe;
    QString Szenario;
    double Summe = 0;

    friend bool operator==(const Szenarienzeile&, const Szenarienzeile&) = default;
};

} // namespace Margin
