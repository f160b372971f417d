#pragma once

#include "margin/Klassenkontext.h"
#include "margin/Positionsbewertung.h"

#include <vector>

namespace Margin {

// AdditionalMarginBerechnen, the scenario engine of one class, in three parts: the walk's
// points and the class's option series are fixed first (they do not depend on any value); the
// series are then priced at every point, in any order and on several threads; finally the
// rows' values are summed point by point in row order, the chart rows written and the side
// maxima turned into the class's results. A class whose first row has no product gets nothing.
class Szenariolauf {
public:
    explicit Szenariolauf(Klassenkontext& k);

    // The pricing work: one unit per series and point.
    size_t bewertungen() const { return serien_.size() * punkte_.size(); }
    void bewerten(size_t einheit);
    void abschliessen();

private:
    void punkteFestlegen();
    void punktZusammenfuehren(size_t p, std::array<double, 4>& summen);
    void maximaFortschreiben(const Szenariogitter::Punkt& pt, const std::array<double, 4>& x);
    void ergebnisSchreiben();

    struct Seite {
        double wert = -1e14;
        bool erreicht = false;
        void mit(double x);
        void setzen(double x);
    };

    Klassenkontext& k_;
    bool aktiv_ = false;
    std::vector<int> zeilen_;
    std::vector<Zeilenbewertung> bewertungen_;
    std::vector<Serie> serien_;
    std::vector<Szenariogitter::Punkt> punkte_;
    std::vector<Serienpreise> preise_; // [serie × punkte + punkt]
    double P_ = 0, A_ = 0, f_ = 1, pStrich_ = 0;
    double praemie_ = 0;
    std::array<Seite, 4> oben_, unten_;
    std::array<double, 4> gesamt_{-1e14, -1e14, -1e14, -1e14};
    std::array<double, 4> aktuell_{}; // at the inserted current-price point
};

} // namespace Margin
