#include "Dienstumgebung.h"
#include "Preishilfen.h"

#include "pricing/Preisdienste.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(TageBisDatum, TexteInDerOrtsueblichenFolge) {
    struct Fall {
        const char* text;
        const char* stil;
        int tage;
    };
    const Datum heute(2008, 3, 7);
    for (const Fall& f : std::vector<Fall>{{"07.03.08", "d", 0},
                                           {"08.03.08", "d", 1},
                                           {"06.03.08", "d", 0},
                                           {"31.12.2008", "d", 299},
                                           {"03/08/08", "e", 1},
                                           {"08.03.08", "e", 149},
                                           {"..", "d", 0},
                                           {"  .  .  ", "d", 0},
                                           {"//", "e", 0},
                                           {"  /  /  ", "e", 0},
                                           {"", "d", 0},
                                           {"31.02.08", "d", 0},
                                           {"morgen", "d", 0}})
        EXPECT_EQ(TageBisDatum(f.text, heute, {f.stil, '.'}), f.tage) << f.text << " " << f.stil;
}

TEST(ZinssatzJeLaufzeit, SpalteDerLaufzeitOhneNull) {
    struct Fall {
        const char* Art;
        const char* LZB;
        const char* Produkt;
        int index;
        double erwartet;
    };
    for (const Fall& f : std::vector<Fall>{{"I", "1", "ODAX", 0, 2.0},
                                           {"I", "1", "ODAX", 16, 3.6},
                                           {"I", "1", "ODAX", 17, 0.01},
                                           {"I", "1", "ODAX", -1, 0.01},
                                           {"Z", "2", "OGBL", 3, 0},
                                           {"R", "V1", "KZR2", 3, 0},
                                           {"X", "1", "JLU", 3, 0},
                                           {"X", "1", "hmav ", 3, 0}}) {
        Dienstumgebung u;
        u.produkt.Produkt = f.Produkt;
        u.produkt.LZB = f.LZB;
        u.LaufzeitIndex = f.index;
        EXPECT_NEAR(ZinssatzJeLaufzeit(f.Art, u.kontext()), f.erwartet, 1e-12)
            << f.Art << " " << f.LZB << " " << f.Produkt << " " << f.index;
    }
    Dienstumgebung u;
    u.zinsen.Zinssatz[4] = 0;
    u.LaufzeitIndex = 4;
    EXPECT_EQ(ZinssatzJeLaufzeit("I", u.kontext()), 0.01);
}

struct VolaFall {
    const char* OPM;
    double optionspreis;
    double basis;
    double erwartet; // 0: the model's own result
    bool fehlgeschlagen;
    const char* wozu;
};

// The implied volatility of 30 days at 2 %, spot 100; a failure is reported once, as message
// 56 interactively and as an error log row of the Eingabe row otherwise.
TEST(ImpliziteVola, FehlschlaegeUndFehler56) {
    const std::vector<VolaFall> faelle{
        {"BS", 2.5, 100, 0, false, "at the money"},
        {"TB76", 30, 100, 0, false, "above 200 % is fine for Black-76"},
        {"BS", 30, 100, 25, true, "above 200 % is not for Black-Scholes"},
        {"TB76", 2.5, 0, 50, false, "refused strike: Black-76 returns its start"},
        {"BS", 2.5, 0, 25, true, "refused strike: Black-Scholes fails"},
        {"CRA", 0.001, 80, 25, true, "below the tree value at 0.9 %"},
        {"CRF", 2.5, 100, 0, false, "tree"},
        {"XX", 2.5, 100, 25, true, "no model"},
    };
    for (bool interaktiv : {true, false})
        for (const VolaFall& f : faelle) {
            Dienstumgebung u;
            bool fehlgeschlagen = !f.fehlgeschlagen;
            const double vola =
                ImpliziteVolaCall("", f.OPM, interaktiv, fehlgeschlagen, u.kontext(), "I", 0, 30,
                                  f.optionspreis, f.basis, 100);
            const Optionsdaten e{
                .Tage = 30, .Zins = 2, .Vola = f.optionspreis, .Basis = f.basis, .Kurs = 100};
            const double erwartet =
                f.erwartet != 0 ? f.erwartet : implVola(f.OPM, Optionsart::Call, e).Wert;
            EXPECT_EQ(vola, erwartet) << f.wozu;
            EXPECT_EQ(fehlgeschlagen, f.fehlgeschlagen) << f.wozu;
            const bool gemeldet = f.fehlgeschlagen && f.OPM != std::string_view("XX");
            const QStringList bericht{interaktiv ? "Meldung 56" : "Zeile 7 ODAX 56 F"};
            EXPECT_EQ(u.meldungen.berichte, gemeldet ? bericht : QStringList()) << f.wozu;
        }
}

// A dividend paid today is no longer in the price; one paid tomorrow is, for one day. The option
// price services take the dividend a day earlier than the implied volatility does.
TEST(Preisdienste, DividendentageDerDienste) {
    struct Fall {
        const char* datum;
        long double ivTage, preisTage;
    };
    for (const Fall& f :
         std::vector<Fall>{{"07.03.08", 0, 0}, {"08.03.08", 1, 0}, {"17.03.08", 10, 9}}) {
        Dienstumgebung u;
        // Expected: the model with the dividend where its days count, without it otherwise.
        Optionsdaten e{.DivTage = f.ivTage,
                       .Dividende = f.ivTage > 0 ? 3.0L : 0.0L,
                       .Tage = 30,
                       .Zins = 2,
                       .Vola = 5,
                       .Basis = 100,
                       .Kurs = 100};
        bool fehlgeschlagen = false;
        EXPECT_EQ(ImpliziteVolaPut(f.datum, "CRA", true, fehlgeschlagen, u.kontext(), "A", 3, 30, 5,
                                   100, 100),
                  implVola("CRA", Optionsart::Put, e).Wert)
            << f.datum;
        EXPECT_FALSE(fehlgeschlagen);
        e.DivTage = f.preisTage;
        e.Dividende = f.preisTage > 0 ? 3.0L : 0.0L;
        e.Vola = 25;
        EXPECT_EQ(OptionspreisPut(f.datum, "BS", "A", u.kontext(), 0, 3, 30, 25, 100, 100),
                  preis("BS", Optionsart::Put, e).Wert)
            << f.datum;
    }
}

// The tick size is the least an option is worth, also where the model refuses its inputs or
// the product has no model.
TEST(Optionspreis, MindestensDerMindestpreis) {
    Dienstumgebung u;
    const Preiskontext k = u.kontext();
    const double tief = OptionspreisCall("", "TB76", "I", k, 0, 0, 30, 20, 115, 100);
    EXPECT_GT(tief, 0);
    EXPECT_LT(tief, 0.1);
    EXPECT_EQ(OptionspreisCall("", "TB76", "I", k, 0.1, 0, 30, 20, 115, 100), 0.1);
    EXPECT_EQ(OptionspreisCall("", "TB76", "I", k, 0.1, 0, 30, 20, 0, 100), 0.1);
    EXPECT_EQ(OptionspreisPut("", " ", "I", k, 0.1, 0, 30, 20, 100, 100), 0.1);
    EXPECT_EQ(OptionspreisPut("", "XX", "I", k, 0, 0, 30, 20, 100, 100), 0);
    EXPECT_EQ(OptionspreisCall("", "tb76 ", "I", k, 0, 0, 30, 20, 100, 100),
              preis("TB76", Optionsart::Call,
                    {.Tage = 30, .Zins = 2, .Vola = 20, .Basis = 100, .Kurs = 100})
                  .Wert);
}

} // namespace
