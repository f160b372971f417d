#pragma once

#include "margin/VolaShiftZeilen.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <array>
#include <vector>

namespace Margin {

// The volatility changes (percent) of one option position along the price move of the
// scenario, as tabulated for its remaining-days bucket and its nearest moneyness.
class Shiftkurve {
public:
    struct Stuetzstelle {
        double PriceMove = 0;
        std::array<double, 3> shift{}; // Vola_Up, Vola_Neutral, Vola_Down
    };

    Shiftkurve() = default;
    // Rows by ascending price move; of rows with equal price moves the first one counts.
    explicit Shiftkurve(std::vector<Stuetzstelle> stellen)
        : stellen_(std::move(stellen)) {}
    // One row whatever the price move (the rows for all products).
    static Shiftkurve fest(const Stuetzstelle& s);

    // Interpolated between the nearest tabulated price moves below and above mv (percent).
    // A missing neighbour reads as all 0; a neighbour whose Vola_Up is 0 takes the other's
    // values.
    std::array<double, 3> verschiebungen(double mv) const;

private:
    std::vector<Stuetzstelle> stellen_;
    bool fest_ = false;
};

// The rows of vola_shifts_berechnung indexed by what the look-up selects: a class's own rows,
// the rows of a product type, or the rows for all products.
class VolaShiftIndex {
public:
    explicit VolaShiftIndex(const std::vector<VolaShiftZeile>& vola_shifts_berechnung);

    // The curve of a position: class rows when the class has any, else the type's rows for
    // equity and index options ("A", "I"), else the rows for all products; each with the
    // position's call/put flag or none. m is the position's moneyness.
    Shiftkurve kurve(const QString& klasse, const QString& art, const QString& cp,
                     double laufzeitTage, double m) const;

    // The rows of one kind in table order, split by the call/put flag they serve: a row without
    // flag serves both.
    struct Menge {
        struct Eintrag {
            int days;
            double Mnes;
            Shiftkurve::Stuetzstelle stelle;
        };
        std::vector<Eintrag> call, put, ohne;
        void hinzufuegen(const VolaShiftZeile& z);
        const std::vector<Eintrag>& fuer(const QString& cp) const;
    };

private:
    static Shiftkurve tabelliert(const std::vector<Menge::Eintrag>& menge, double laufzeitTage,
                                 double m);
    static Shiftkurve allgemein(const std::vector<Menge::Eintrag>& menge, double laufzeitTage);

    QSet<QString> klassenMitZeilen_;
    QHash<QString, Menge> klassen_; // class rows without type
    QHash<QString, Menge> typen_;   // type rows without class
    Menge allgemein_;               // rows without class and type
};

// The moneyness of an option for the look-up: underlying over strike, or a scaled form for the
// classes quoted as 1 + rate; a dividend's present value comes off the underlying first. Puts
// take the inverse.
double Moneyness(const QString& klasse, double S0, double basispreis, double dividendenBarwert,
                 bool mitDividende, bool put);

// A number as the look-up statements compare it: written with four decimals.
double vierStellen(double x);

} // namespace Margin
