#pragma once

#include "margin/Ergebniszeilen.h"
#include "margin/Rechenumgebung.h"

#include <functional>
#include <vector>

namespace Margin {

// Called after each class with the number of classes done and their total, on the thread that
// runs the calculation.
using Fortschritt = std::function<void(int erledigt, int gesamt)>;

// One class key of the dispatch: its plain class, its own Ausgabe1 row and its rows. The bond
// and equity rows of the plain class go with the first key of that class only.
struct Klassenauftrag {
    QString MarginKlasse;
    QString MK_neu;
    size_t ausgabe1 = 0;
    std::vector<int> zeilen;
    std::vector<int> kassazeilen;
};

// The keys of A_MKlasse in table order, each once.
std::vector<Klassenauftrag> Klassenauftraege(const std::vector<A_MKlasseZeile>& klassen,
                                             const std::vector<Ausgabe1Zeile>& ausgabe1,
                                             const std::vector<Berechnungszeile>& berechnung);

// Runs every class's steps, class after class; the pricing within a class (short option minima,
// scenario valuations) is spread over the run's threads without changing any result. The
// chart rows come in dispatch order. An exception (also Berechnungsabbruch, checked between
// classes and while pricing) ends the run.
std::vector<Ausgabe2Zeile> KlassenBerechnen(const Rechenumgebung& u,
                                            const std::vector<Klassenauftrag>& auftraege,
                                            std::vector<Berechnungszeile>& berechnung,
                                            std::vector<Ausgabe1Zeile>& ausgabe1,
                                            const Fortschritt& fortschritt);

} // namespace Margin
