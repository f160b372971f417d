#include "calendar/Kalender.h"
#include "calendar/LaufzeitenBerechnen.h"
#include "calendar/Verfallsregeln.h"
#include "store/Datenbank.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A century of reference data in the size the exchange delivers: ten holidays a year,
// monthly inflation dates and a weekly power calendar for twenty products.
const Kalenderdaten& daten() {
    static const Kalenderdaten d = [] {
        Kalenderdaten k;
        std::vector<Datum> frei;
        for (int jahr = 2000; jahr <= 2099; ++jahr) {
            for (auto [m, t] : {std::pair{1, 1},
                                {4, 10},
                                {4, 13},
                                {5, 1},
                                {6, 1},
                                {10, 3},
                                {12, 24},
                                {12, 25},
                                {12, 26},
                                {12, 31}})
                frei.push_back(Datum(jahr, m, t));
            for (int m = 1; m <= 12; ++m) {
                k.inflationOptionen.push_back(Datum(jahr, m, 15));
                k.inflationFutures.push_back(Datum(jahr, m, 16));
            }
        }
        k.feiertage = Feiertage(frei);
        for (int p = 0; p < 20; ++p) {
            auto& zeilen = k.ampero["PWR" + std::to_string(p)];
            for (Datum ende(2000, 1, 7); ende.jahr() < 2100; ende += 7)
                zeilen.push_back({ende - 180, ende, KontraktmonatText(ende)});
        }
        k.jGruppeA = {"JGA1", "JGA2", "JGA3", "JGA4"};
        return k;
    }();
    return d;
}

// One representative per rule family: product code, horizon, rule code.
struct Familie {
    const char* name;
    const char* produkt;
    double laufzeit;
    const char* lzb;
};
constexpr Familie kFamilien[] = {
    {"equity options 1 (L=119)", "", 119, "1"},
    {"bond options 2", "", 0, "2"},
    {"quarterly E (20)", "", 0, "E"},
    {"weekly 6", "WKO4", 0, "6"},
    {"volatility F", "", 0, "F"},
    {"window I", "", 0, "I"},
    {"month end C", "", 0, "C"},
    {"March O", "", 0, "O"},
    {"fixed list J", "JGA3", 0, "J"},
    {"inflation 8", "", 0, "8"},
    {"power V1", "PWR7", 0, "V1"},
};

void BM_LaufzeitenBerechnen(benchmark::State& state) {
    const Familie& f = kFamilien[state.range(0)];
    state.SetLabel(f.name);
    Laufzeiten l;
    Datum d(2010, 1, 1);
    for (auto _ : state) {
        LaufzeitenBerechnen(l, f.produkt, f.laufzeit, f.lzb, d, daten());
        benchmark::DoNotOptimize(l);
        d = d.tagnummer() < Datum(2090, 1, 1).tagnummer() ? d + 1 : Datum(2010, 1, 1);
    }
}
BENCHMARK(BM_LaufzeitenBerechnen)->DenseRange(0, std::size(kFamilien) - 1);

void BM_Feiertagstest(benchmark::State& state) {
    Datum d(2000, 1, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(daten().feiertage.enthaelt(d));
        d = d.jahr() < 2100 ? d + 1 : Datum(2000, 1, 1);
    }
}
BENCHMARK(BM_Feiertagstest);

void BM_Verfallstag(benchmark::State& state) {
    const int regel = static_cast<int>(state.range(0));
    Kontraktmonat k{2000, 1};
    for (auto _ : state) {
        benchmark::DoNotOptimize(Verfallstag(regel, k, daten().feiertage));
        k = k.jahr < 2099 ? naechster(k, Zyklusschritt::NaechsterMonat) : Kontraktmonat{2000, 1};
    }
}
BENCHMARK(BM_Verfallstag)->Arg(4)->Arg(10)->Arg(13)->Arg(20);

// The database layer after the first build of a (rule code, horizon): no statement runs.
void BM_KalenderLaufzeitenErmitteln(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication anwendung(argc, argv);
    QTemporaryDir ordner;
    {
        Kalender kalender(Datenbank::oeffnen(ordner.filePath("bench.abs")));
        Laufzeiten l;
        Datum d(2010, 1, 1);
        for (auto _ : state) {
            kalender.LaufzeitenErmitteln(l, "", 36, "1", d);
            benchmark::DoNotOptimize(l);
            d = d.jahr() < 2090 ? d + 1 : Datum(2010, 1, 1);
        }
    }
    Datenbank::schliessen();
}
BENCHMARK(BM_KalenderLaufzeitenErmitteln);

} // namespace
