#include "Dienstumgebung.h"

#include "pricing/PreisJeLaufzeit.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// The months of the expiry dates of a product's maturity list, nearest first.
Laufzeiten verfallsmonate(const std::vector<int>& monate) {
    Laufzeiten l;
    int jahr = 2008;
    int vorher = 0;
    for (int m : monate) {
        if (m < vorher) ++jahr;
        vorher = m;
        l.anhaengen(Datum(jahr, m, 15), "");
    }
    return l;
}

struct Fall {
    const char* Art;
    const char* LZB;
    const char* Produkt;
    const char* schalter; // MATURITY_SWITCH
    Preisfenster fenster;
    int k;
    double erwartet;
    std::vector<int> monate = {};
};

constexpr auto E = Preisfenster::Eingabe;
constexpr auto A = Preisfenster::Ausgabe1;

// The underlying price a = 50, the current price b = 99, maturity prices 100 + k.
TEST(PreisJeLaufzeit, RegelnJeProduktart) {
    const std::vector<Fall> faelle{
        {"I", "1", "ODAX", "", E, 3, 99},
        {"I", "1", "ODAX", "Y", E, 15, 115},
        {"I", "1", "ODAX", "Y", A, 15, 99},
        {"I", "1", "ODAX", "Y", A, 12, 112},
        {"I", "1", "ODAX", "Y", E, 0, 99},
        {"I", "1", "ODAX", "Y", E, -1, 99},
        {"N", "1", "OAAA", "", A, 20, 120},
        {"N", "1", "OAAA", "", A, 21, 99},
        {"R", "J", "ORRR", "", E, 12, 112},
        {"R", "7", "ORRR", "", E, 2, 102},
        {"R", "V2", "ORRR", "", E, 13, 99},
        {"R", "1", "ORRR", "", E, 2, 99},
        {"V", "11", "OVVV", "", E, 3, 103},
        {"V", "1", "OVVV", "", E, 3, 99},
        {"Z", "1", "OZZZ", "", E, 12, 112},
        {"Z", "1", "OZZZ", "", E, 13, 99},
        {"X", "1", "HMAV", "", E, 11, 111},
        {"X", "1", "HMAV", "", E, 12, 99},
        // Bond futures options whose list holds Jan, Feb, Mar and Jun (expiring in Dec, Jan,
        // Feb and May): up to the March contract the current price, after it the underlying.
        {"Z", "2", "OGBL", "", E, 0, 99, {12, 1, 2, 5}},
        {"Z", "2", "OGBL", "", E, 2, 99, {12, 1, 2, 5}},
        {"Z", "2", "OGBL", "", A, 3, 50, {12, 1, 2, 5}},
        {"Z", "2", "OGBL", "", E, 0, 50, {1, 4}}, // no quarter contract: always the underlying
    };
    for (const Fall& f : faelle) {
        Dienstumgebung u;
        u.produkt.Art = f.Art;
        u.produkt.LZB = f.LZB;
        u.produkt.Produkt = f.Produkt;
        u.produkt.MATURITY_SWITCH = f.schalter;
        u.fenster = f.fenster;
        u.laufzeiten = verfallsmonate(f.monate);
        u.LaufzeitIndex = f.k;
        EXPECT_EQ(PreisJeLaufzeit(u.kontext(), f.k, 50, 99), f.erwartet)
            << f.Art << " " << f.LZB << " " << f.Produkt << " " << f.schalter << " k=" << f.k
            << (f.fenster == E ? " Eingabe" : " Ausgabe1");
    }
}

// Serial options on the three-month future (list Feb, Mar, Apr, Jun, Sep) take the price of the
// quarter contract they expire into; when that is the first quarter contract of the list, the
// current price. The row's own maturity j decides, whatever maturity k is asked for; the
// calculation leaves the first maturity alone.
TEST(PreisJeLaufzeit, SerienoptionenAufDenDreimonatsfuture) {
    struct Serienfall {
        Preisfenster fenster;
        int j, k;
        double erwartet;
    };
    for (const Serienfall& f : std::vector<Serienfall>{
             {E, 2, 2, 103}, // April: June, the second quarter contract
             {A, 2, 2, 103},
             {E, 1, 1, 99}, // March: the first quarter contract
             {E, 0, 0, 99}, // February expires into March
             {E, 0, 3, 99},
             {A, 0, 3, 103}, // not in the calculation: maturity k's own price
             {E, 3, 3, 103}, // beyond the serial months
         }) {
        Dienstumgebung u;
        u.produkt.Art = "Z";
        u.produkt.LZB = "5";
        u.fenster = f.fenster;
        u.laufzeiten = verfallsmonate({2, 3, 4, 6, 9});
        u.LaufzeitIndex = f.j;
        EXPECT_EQ(PreisJeLaufzeit(u.kontext(), f.k, 50, 99), f.erwartet)
            << "j=" << f.j << " k=" << f.k << (f.fenster == E ? " Eingabe" : " Ausgabe1");
    }
}

} // namespace
