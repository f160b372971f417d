#include "Preishilfen.h"

#include "pricing/Rechenfehler.h"
#include "pricing/TOptionsRechenModell.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

using M = TOptionsRechenModell;

TEST(NormalVerteilung, Randwerte) {
    EXPECT_NEAR(M::NormalVerteilung(0), 0.5, 1e-7);
    EXPECT_EQ(M::NormalVerteilung(6.5), 1);
    EXPECT_EQ(M::NormalVerteilung(-6.5), 0);
    EXPECT_EQ(M::NormalDichte(6.5), 0);
    EXPECT_EQ(M::NormalDichte(-6.5), 0);
    EXPECT_NEAR(M::NormalDichte(0), 0.3989422804014, 1e-15);
}

// The polynomial stays within 1.2e-5 of the exact distribution (published as 1e-5), and is
// symmetric away from 0, which the put-call parity of the closed forms relies on.
TEST(NormalVerteilung, InnerhalbDerFehlerschrankeUndSymmetrisch) {
    for (int i = -650; i <= 650; ++i) {
        const long double x = i / 100.0L;
        const long double exakt = 0.5L * std::erfc(-x / std::sqrt(2.0L));
        EXPECT_NEAR(M::NormalVerteilung(x), exakt, 1.2e-5) << "x=" << static_cast<double>(x);
        if (i != 0) {
            EXPECT_EQ(M::NormalVerteilung(x) + M::NormalVerteilung(-x), 1);
        }
    }
}

struct AufgezeichneteAnzeige : Rechenfehleranzeige {
    std::vector<std::string> texte;
    void Rechenfehler_Zeigen(std::string_view text) override { texte.emplace_back(text); }
};

TEST(NormalVerteilung, KeineZahlWirdGemeldetUndWeitergereicht) {
    AufgezeichneteAnzeige anzeige;
    RechenfehleranzeigeSetzen(&anzeige);
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_THROW(M::NormalVerteilung(nan), Rechenfehler);
    EXPECT_THROW(M::NormalDichte(nan), Rechenfehler);
    // A volatility that is not a number passes the checks and reaches the distribution.
    EXPECT_THROW(
        preis("BS", Optionsart::Call, {.Tage = 90, .Vola = nan, .Basis = 100, .Kurs = 100}),
        Rechenfehler);
    RechenfehleranzeigeSetzen(nullptr);
    EXPECT_EQ(anzeige.texte, (std::vector<std::string>{"ErrorNV", "ErrorNVS", "ErrorNV"}));
}

// Results outside the finite range leave the models as failures, not as numbers.
TEST(Modellrechnung, UnendlicheErgebnisseSindFehler) {
    EXPECT_THROW(preis("BS", Optionsart::Call,
                       {.Tage = 365, .Zins = -1e7, .Vola = 20, .Basis = 100, .Kurs = 100}),
                 Rechenfehler);
    EXPECT_FALSE(Modellrechnung("XX", Modelloperation::Preis, Optionsart::Call, {}));
}

struct Pruefung {
    long double Tage, Vola, Basis, Kurs;
    Fehlercode erwartet;
};

// Every model checks the same way (no rate, so that no tree refuses a tiny volatility); the last
// failing check in the order strike, volatility, time, underlying leaves its code. The limits
// are written as doubles, the form in which inputs arrive.
TEST(ParameterPruefen, GrenzenUndReihenfolge) {
    const std::vector<Pruefung> faelle{
        {90, 25, 0.001, 100, 2},  {90, 25, 0.0011, 100, 0},  {90, 0.01, 100, 100, 3},
        {90, 0.011, 100, 100, 0}, {90, 100000, 100, 100, 6}, {90, 99999, 100, 100, 0},
        {0.3L, 25, 100, 100, 4},  {1, 25, 100, 100, 0},      {90, 25, 100, 0.001, 1},
        {90, 25, 0, 0, 1},        {0, 0, 0, 100, 4},         {0, 25, 0, 100, 4},
    };
    for (const char* opm : {"BS", "TB76", "CRA", "CRF"})
        for (const Pruefung& f : faelle)
            for (Optionsart art : {Optionsart::Call, Optionsart::Put}) {
                const Optionsdaten e{
                    .Tage = f.Tage, .Zins = 0, .Vola = f.Vola, .Basis = f.Basis, .Kurs = f.Kurs};
                const Modellergebnis r = preis(opm, art, e);
                EXPECT_EQ(r.Fehler, f.erwartet) << beschreibung(opm, art, e);
                if (f.erwartet != 0) {
                    EXPECT_EQ(r.Wert, 0) << beschreibung(opm, art, e);
                }
                Sensitivitaeten s;
                Fehlercode fehler = 0;
                EXPECT_EQ(ModellFuer(opm)->Kennzahlen(art, s, fehler, e), f.erwartet == 0);
                // The trees' bumped prices may report their own codes; a refused input reports
                // the check's.
                if (f.erwartet != 0) {
                    EXPECT_EQ(fehler, f.erwartet) << beschreibung(opm, art, e);
                }
            }
}

} // namespace
