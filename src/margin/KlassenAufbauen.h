#pragma once

#include "margin/Berechnungszeile.h"
#include "margin/Ergebniszeilen.h"

#include <QStringList>
#include <vector>

class Referenzdaten;

namespace Margin {

struct Klassenaufbau {
    std::vector<A_MKlasseZeile> A_MKlasse;
    std::vector<Ausgabe1Zeile> Ausgabe1; // ends with the "Account Total" row
    QStringList KlassenListe;            // class keys shown in the results window
    QStringList GruppenListe;            // groups in order of first appearance
};

// The class keys of the run. A product margined per maturity gives one key per maturity: the
// class, a blank and the maturity text. Sets MarginKlasse_NEU of every Berechnung row.
Klassenaufbau KlassenAufbauen(const std::vector<Berechnungszeile>& eingabe,
                              std::vector<Berechnungszeile>& berechnung,
                              const Referenzdaten& referenz);

} // namespace Margin
