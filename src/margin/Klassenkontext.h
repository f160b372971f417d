#pragma once

#include "margin/Ergebniszeilen.h"
#include "margin/Rechenumgebung.h"

#include <vector>

struct Klassensatz;

namespace Margin {

// What the steps of one class key share while the class is calculated: its MarginKlasse row
// (the spot month step may move it to the class named by the futures' product code), its own
// Ausgabe1 row, the offset factor of its margin group, and its rows of Berechnung.
struct Klassenkontext {
    const Rechenumgebung& u;
    std::vector<Berechnungszeile>& berechnung;
    QString MK_neu;
    QString MarginKlasse;
    const Klassensatz* klasse; // an empty row when the class does not exist
    double OffsetFaktor = 0;   // 0 without group: no credit for gains
    Ausgabe1Zeile& ausgabe;
    std::vector<int> zeilen;             // rows whose MarginKlasse_NEU is the key, in order
    std::vector<Ausgabe2Zeile> ausgabe2; // the class's chart rows

    Berechnungszeile& zeile(int i) const { return berechnung[static_cast<size_t>(i)]; }
    // The class's rows that pass, in Berechnung order.
    template <typename Filter> std::vector<int> auswahl(Filter passt) const {
        std::vector<int> r;
        for (int i : zeilen)
            if (passt(zeile(i))) r.push_back(i);
        return r;
    }
};

// A gain (a negative amount) counts as far as the group's offset factor allows; without one it
// counts 0.
inline double Verrechnet(double wert, double offsetFaktor) {
    if (wert >= 0) return wert;
    return offsetFaktor != 0 ? offsetFaktor * wert / 100 : 0;
}

// The steps of the per-class dispatch, in the order they run.
void SopaWerteBerechnen(Klassenkontext& k);
void ShortCallsAbdecken(Klassenkontext& k);
void ShortPutsAbdecken(Klassenkontext& k);
void FuturesNetten(Klassenkontext& k);
void SpotMonthSpreads(Klassenkontext& k);
void BackMonthSpreads(Klassenkontext& k);
void NonSpreadFutures(Klassenkontext& k);
void OptionenMitFuturesAbdecken(Klassenkontext& k);
// AdditionalMarginBerechnen: the class Szenariolauf.
// With the rows of the plain class.
void AnleihenMargin(Klassenkontext& k, const std::vector<int>& zeilen);
void AktienMargin(Klassenkontext& k, const std::vector<int>& zeilen);

} // namespace Margin
