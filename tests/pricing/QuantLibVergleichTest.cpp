// The models against an independent library: the closed forms against its analytic engine
// (they differ only by the accuracy of the distribution polynomial), the trees against its
// converged American engines (they differ by the error of a 120-step tree).
#include "Preishilfen.h"

#include "pricing/Modellauswahl.h"

#include <gtest/gtest.h>
#include <ql/exercise.hpp>
#include <ql/instruments/dividendvanillaoption.hpp>
#include <ql/instruments/vanillaoption.hpp>
#include <ql/pricingengines/vanilla/analyticeuropeanengine.hpp>
#include <ql/pricingengines/vanilla/fdblackscholesvanillaengine.hpp>
#include <ql/processes/blackscholesprocess.hpp>
#include <ql/quotes/simplequote.hpp>
#include <ql/settings.hpp>
#include <ql/termstructures/volatility/equityfx/blackconstantvol.hpp>
#include <ql/termstructures/yield/flatforward.hpp>
#include <ql/time/calendars/nullcalendar.hpp>
#include <ql/time/daycounters/actual365fixed.hpp>
#include <vector>

namespace {

namespace ql = QuantLib;

struct Markt {
    ql::Date heute{15, ql::January, 2024};
    ql::DayCounter tage = ql::Actual365Fixed();

    Markt() { ql::Settings::instance().evaluationDate() = heute; }

    ql::Handle<ql::YieldTermStructure> kurve(long double prozent) const {
        return ql::Handle<ql::YieldTermStructure>(ql::ext::make_shared<ql::FlatForward>(
            heute, static_cast<double>(prozent / 100), tage, ql::Continuous));
    }

    // Equities without dividend yield; futures carry at the riskless rate.
    ql::ext::shared_ptr<ql::GeneralizedBlackScholesProcess> prozess(const Optionsdaten& e,
                                                                    bool futures) const {
        const ql::Handle<ql::Quote> kurs(
            ql::ext::make_shared<ql::SimpleQuote>(static_cast<double>(e.Kurs)));
        const ql::Handle<ql::BlackVolTermStructure> vola(ql::ext::make_shared<ql::BlackConstantVol>(
            heute, ql::NullCalendar(), static_cast<double>(e.Vola / 100), tage));
        return ql::ext::make_shared<ql::GeneralizedBlackScholesProcess>(
            kurs, futures ? kurve(e.Zins) : kurve(0), kurve(e.Zins), vola);
    }

    ql::Date verfall(const Optionsdaten& e) const {
        return heute + static_cast<ql::Date::serial_type>(e.Tage);
    }

    ql::ext::shared_ptr<ql::StrikedTypePayoff> auszahlung(Optionsart art,
                                                          const Optionsdaten& e) const {
        return ql::ext::make_shared<ql::PlainVanillaPayoff>(
            art == Optionsart::Call ? ql::Option::Call : ql::Option::Put,
            static_cast<double>(e.Basis));
    }
};

const std::vector<Optionsdaten> faelle{
    {.Tage = 30, .Zins = 3, .Vola = 25, .Basis = 100, .Kurs = 100},
    {.Tage = 365, .Zins = 5, .Vola = 40, .Basis = 80, .Kurs = 100},
    {.Tage = 365, .Zins = 5, .Vola = 40, .Basis = 120, .Kurs = 100},
    {.Tage = 720, .Zins = 1, .Vola = 15, .Basis = 110, .Kurs = 100},
    {.Tage = 90, .Zins = 8, .Vola = 60, .Basis = 95, .Kurs = 100},
    {.Tage = 1825, .Zins = 2, .Vola = 20, .Basis = 4200, .Kurs = 4000},
};

// The distribution polynomial is within 1.2e-5 of the exact one: a price within that share of
// strike plus underlying, sensitivities built on it likewise; the density is exact.
void vergleichen(const char* opm, bool futures) {
    const Markt markt;
    for (const Optionsdaten& e : faelle)
        for (Optionsart art : {Optionsart::Call, Optionsart::Put}) {
            ql::VanillaOption option(markt.auszahlung(art, e),
                                     ql::ext::make_shared<ql::EuropeanExercise>(markt.verfall(e)));
            option.setPricingEngine(
                ql::ext::make_shared<ql::AnalyticEuropeanEngine>(markt.prozess(e, futures)));
            const TOptionsRechenModell& modell = *ModellFuer(opm);
            Sensitivitaeten s;
            Fehlercode f = 0;
            ASSERT_TRUE(modell.Kennzahlen(art, s, f, e));
            const double T = static_cast<double>(e.Tage / 365);
            const double r = static_cast<double>(e.Zins / 100);
            const double N = 1.2e-5 * static_cast<double>(e.Kurs + e.Basis);
            const std::string fall = beschreibung(opm, art, e);
            EXPECT_NEAR(preis(opm, art, e).Wert, option.NPV(), N) << fall;
            EXPECT_NEAR(s.Delta, option.delta(), 1.2e-5) << fall;
            EXPECT_NEAR(s.Gamma, option.gamma(), 1e-12) << fall;
            EXPECT_NEAR(s.Vega, option.vega() * 0.01, 1e-11) << fall;
            EXPECT_NEAR(s.Theta, option.thetaPerDay(), N * r / 365) << fall;
            // Black-76 holds the futures price fixed when the rate moves: both rates of the
            // process move together.
            const double rho = futures ? option.rho() + option.dividendRho() : option.rho();
            EXPECT_NEAR(s.Rho, rho * 0.01, N * T * 0.01) << fall;
            EXPECT_EQ(f, 0);
        }
}

TEST(QuantLibVergleich, BlackScholesWieDieAnalytischeFormel) {
    vergleichen("BS", false);
}
TEST(QuantLibVergleich, Black76WieDieAnalytischeFormel) {
    vergleichen("TB76", true);
}

// A converged American engine: the finite-difference engine with a fine grid, which also takes a
// discrete cash dividend as a drop of the spot on the dividend date.
double amerikanisch(const Markt& markt, Optionsart art, const Optionsdaten& e, bool futures) {
    const auto ausuebung =
        ql::ext::make_shared<ql::AmericanExercise>(markt.heute, markt.verfall(e));
    std::vector<ql::Date> termine;
    std::vector<ql::Real> betraege;
    if (e.Dividende != 0) {
        termine.push_back(markt.heute + static_cast<ql::Date::serial_type>(e.DivTage));
        betraege.push_back(static_cast<double>(e.Dividende));
    }
    ql::DividendVanillaOption option(markt.auszahlung(art, e), ausuebung, termine, betraege);
    option.setPricingEngine(ql::ext::make_shared<ql::FdBlackScholesVanillaEngine>(
        markt.prozess(e, futures), 2000, 2000));
    return option.NPV();
}

// A 120-step tree misses the converged value by less than a tenth of a percent of the spot.
TEST(QuantLibVergleich, AmerikanischeBaeumeNaheAmKonvergiertenWert) {
    const Markt markt;
    // Mid-life, and three days out, where the tree shrinks its steps to fit eight before it.
    std::vector<Optionsdaten> mitDividende;
    for (Optionsdaten e : faelle)
        for (long double divTage : {e.Tage / 2, 3.0L}) {
            e.DivTage = divTage;
            e.Dividende = e.Kurs * 0.03L;
            mitDividende.push_back(e);
        }
    const auto pruefen = [&](const char* opm, const std::vector<Optionsdaten>& liste,
                             bool futures) {
        for (const Optionsdaten& e : liste)
            for (Optionsart art : {Optionsart::Call, Optionsart::Put}) {
                const Modellergebnis baum = preis(opm, art, e);
                EXPECT_EQ(baum.Fehler, 0);
                EXPECT_NEAR(baum.Wert, amerikanisch(markt, art, e, futures),
                            0.001 * static_cast<double>(e.Kurs))
                    << beschreibung(opm, art, e);
            }
    };
    pruefen("CRA", faelle, false);
    pruefen("CRA", mitDividende, false);
    pruefen("CRF", faelle, true);
}

} // namespace
