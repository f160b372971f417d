// Speed of the option models. Every benchmark reports "Allokationen" (heap allocations per
// evaluation; the models make none). Where QuantLib is installed, the same options are priced
// by its analytic engine and its 120-step binomial engine, and "QuantLib/Quillmark" reports how
// many times longer QuantLib takes for the same price.
#include "pricing/Modellauswahl.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <new>

#ifdef QUILLMARK_MIT_QUANTLIB
#include <ql/exercise.hpp>
#include <ql/instruments/vanillaoption.hpp>
#include <ql/methods/lattices/binomialtree.hpp>
#include <ql/pricingengines/vanilla/analyticeuropeanengine.hpp>
#include <ql/pricingengines/vanilla/binomialengine.hpp>
#include <ql/processes/blackscholesprocess.hpp>
#include <ql/quotes/simplequote.hpp>
#include <ql/settings.hpp>
#include <ql/termstructures/volatility/equityfx/blackconstantvol.hpp>
#include <ql/termstructures/yield/flatforward.hpp>
#include <ql/time/calendars/nullcalendar.hpp>
#include <ql/time/daycounters/actual365fixed.hpp>
#endif

namespace {
std::atomic<long> allokationen{0};
} // namespace

void* operator new(std::size_t n) {
    allokationen.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

// At the money, a year to run, 3 % and 25 %.
const Optionsdaten kOption{.Tage = 365, .Zins = 3, .Vola = 25, .Basis = 100, .Kurs = 100};

Optionsdaten mitDividende(long double divTage) {
    Optionsdaten e = kOption;
    e.DivTage = divTage;
    e.Dividende = 2;
    return e;
}

template <class F> void messen(benchmark::State& state, F&& f) {
    const long vorher = allokationen.load();
    for (auto _ : state) benchmark::DoNotOptimize(f());
    state.counters["Allokationen"] =
        static_cast<double>(allokationen.load() - vorher) / static_cast<double>(state.iterations());
}

void preisMessen(benchmark::State& state, const char* opm, Optionsart art, Optionsdaten e) {
    messen(state, [&] { return Modellrechnung(opm, Modelloperation::Preis, art, e); });
}

// Solves back the price at 25 %.
void implVolaMessen(benchmark::State& state, const char* opm, Optionsart art, Optionsdaten e) {
    e.Vola = Modellrechnung(opm, Modelloperation::Preis, art, e)->Wert;
    messen(state, [&] { return Modellrechnung(opm, Modelloperation::ImplVola, art, e); });
}

BENCHMARK_CAPTURE(preisMessen, BlackScholes, "BS", Optionsart::Call, kOption);
BENCHMARK_CAPTURE(preisMessen, Black76, "TB76", Optionsart::Call, kOption);
BENCHMARK_CAPTURE(preisMessen, CRRAktienAmerikanisch, "CRA", Optionsart::Put, kOption);
BENCHMARK_CAPTURE(preisMessen, CRRFuturesAmerikanisch, "CRF", Optionsart::Put, kOption);
BENCHMARK_CAPTURE(preisMessen, CRRDividendeHalbzeit, "CRA", Optionsart::Put, mitDividende(182))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(preisMessen, CRRDividendeInDreiTagen, "CRA", Optionsart::Put, mitDividende(3))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(implVolaMessen, BlackScholes, "BS", Optionsart::Call, kOption);
BENCHMARK_CAPTURE(implVolaMessen, Black76, "TB76", Optionsart::Call, kOption);
BENCHMARK_CAPTURE(implVolaMessen, CRRAktien, "CRA", Optionsart::Put, kOption)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(implVolaMessen, CRRFutures, "CRF", Optionsart::Put, kOption)
    ->Unit(benchmark::kMicrosecond);

#ifdef QUILLMARK_MIT_QUANTLIB

namespace ql = QuantLib;

// Seconds per call over a short run of its own, for the ratio of two ways to the same price.
template <class F> double sekundenProAufruf(F&& f) {
    constexpr int kAufrufe = 2000;
    for (int i = 0; i < kAufrufe / 10; ++i) benchmark::DoNotOptimize(f());
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kAufrufe; ++i) benchmark::DoNotOptimize(f());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
           kAufrufe;
}

// The same option as kOption in QuantLib's terms, on an equity (no carry) or a future.
struct QuantLibOption {
    ql::Date heute{15, ql::January, 2024};
    ql::VanillaOption option;

    QuantLibOption(bool amerikanisch, Optionsart art)
        : option(ql::ext::make_shared<ql::PlainVanillaPayoff>(
                     art == Optionsart::Call ? ql::Option::Call : ql::Option::Put, 100.0),
                 amerikanisch ? ql::ext::shared_ptr<ql::Exercise>(
                                    ql::ext::make_shared<ql::AmericanExercise>(heute, heute + 365))
                              : ql::ext::make_shared<ql::EuropeanExercise>(heute + 365)) {
        ql::Settings::instance().evaluationDate() = heute;
    }

    ql::ext::shared_ptr<ql::GeneralizedBlackScholesProcess> prozess(bool futures) const {
        const ql::DayCounter tage = ql::Actual365Fixed();
        const auto kurve = [&](double r) {
            return ql::Handle<ql::YieldTermStructure>(
                ql::ext::make_shared<ql::FlatForward>(heute, r, tage, ql::Continuous));
        };
        return ql::ext::make_shared<ql::GeneralizedBlackScholesProcess>(
            ql::Handle<ql::Quote>(ql::ext::make_shared<ql::SimpleQuote>(100.0)),
            kurve(futures ? 0.03 : 0.0), kurve(0.03),
            ql::Handle<ql::BlackVolTermStructure>(
                ql::ext::make_shared<ql::BlackConstantVol>(heute, ql::NullCalendar(), 0.25, tage)));
    }

    double preis() {
        option.recalculate();
        return option.NPV();
    }
};

void quantLibMessen(benchmark::State& state, QuantLibOption& q, const char* opm, Optionsart art) {
    messen(state, [&] { return q.preis(); });
    const auto quillmark = [&] {
        return Modellrechnung(opm, Modelloperation::Preis, art, kOption);
    };
    state.counters["QuantLib/Quillmark"] =
        sekundenProAufruf([&] { return q.preis(); }) / sekundenProAufruf(quillmark);
}

void quantLibAnalytisch(benchmark::State& state, const char* opm, bool futures) {
    QuantLibOption q(false, Optionsart::Call);
    q.option.setPricingEngine(ql::ext::make_shared<ql::AnalyticEuropeanEngine>(q.prozess(futures)));
    quantLibMessen(state, q, opm, Optionsart::Call);
}

void quantLibBinomial(benchmark::State& state, const char* opm, bool futures) {
    QuantLibOption q(true, Optionsart::Put);
    q.option.setPricingEngine(
        ql::ext::make_shared<ql::BinomialVanillaEngine<ql::CoxRossRubinstein>>(q.prozess(futures),
                                                                               120));
    quantLibMessen(state, q, opm, Optionsart::Put);
}

BENCHMARK_CAPTURE(quantLibAnalytisch, BlackScholes, "BS", false);
BENCHMARK_CAPTURE(quantLibAnalytisch, Black76, "TB76", true);
BENCHMARK_CAPTURE(quantLibBinomial, CRRAktienAmerikanisch, "CRA", false);
BENCHMARK_CAPTURE(quantLibBinomial, CRRFuturesAmerikanisch, "CRF", true);

#endif

} // namespace
