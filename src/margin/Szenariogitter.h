#pragma once

#include <QSet>
#include <QString>

struct Produktsatz;
struct Klassensatz;

namespace Margin {

// Basispreisabstand-Staffel: the grid step at price x. Equity and fund options ("A", "X") take
// it from one of three strike-step ladders, chosen by their class's membership in the two
// special lists; other derivatives take the class's strike interval; a step not above 0 is 0.5.
double BasispreisabstandStaffel(const Produktsatz& produkt, const Klassensatz& klasse, double x,
                                const QSet<QString>& sonderklassen1,
                                const QSet<QString>& sonderklassen2);

// The scenario prices of a class: from P − A to P + A on the multiples of the grid step, with
// the current price inserted where the walk crosses it, and P + A as the last point.
class Szenariogitter {
public:
    struct Punkt {
        double B = 0;            // scenario price
        double D = 0;            // move against the class price
        int E = 0;               // point counter
        bool eingefuegt = false; // the inserted current-price point
        bool letzter = false;
    };

    Szenariogitter(double P, double A, double schritt);

    const Punkt& punkt() const { return punkt_; }
    // The next point with the step valid now; pStrich is the price the walk inserts.
    void weiter(double schritt, double pStrich);

private:
    void setzen(double q, double naechstesB, double pStrich);

    double A_, hi_;
    double zweitesB_, zweitesD_;
    double gemerktesB_ = 0, gemerktesD_ = 0;
    Punkt punkt_;
};

} // namespace Margin
