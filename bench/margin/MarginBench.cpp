// Speed of the margin calculation on synthetic portfolios of 100, 1 000 and 10 000 positions:
// index options (Black-Scholes), equity options (binomial tree with dividends), options on bond
// futures (Black-76), commodity options on futures (binomial tree), futures in spreads and a
// product margined per maturity, in several classes and groups, with volatility shift tables of
// the exchange's size. Each phase is measured on its own; "Kernanteil" is the time the run
// spends inside the pricing services (measured by repricing the same options with the same
// inputs) over the time of the calculation, "Spitzenspeicher" the process's peak memory.
#include "margin/Berechnungslauf.h"
#include "margin/Zeilenwerte.h"
#include "store/Datenbank.h"
#include "store/Sql.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <thread>
#include <tuple>

namespace {

const QDate kDatum(2007, 6, 15);

void einfuegen(const QSqlDatabase& db, const QString& tabelle, const QStringList& spalten,
               const QVariantList& werte) {
    Sql::ausfuehren(db,
                    QString("INSERT INTO %1 (%2) VALUES (%3)")
                        .arg(tabelle, spalten.join(','), QStringList(werte.size(), "?").join(',')),
                    werte);
}

void klasse(const QSqlDatabase& db, const QString& k, const QString& g, double parameter,
            const QString& art, double abstand) {
    einfuegen(db, "MarginKlasse",
              {"MarginKlasse", "MarginGruppe", "MarginParameter", "ParameterArt", "SpotMonthSpread",
               "BackMonthSpread", "Basispreisabstand"},
              {k, g, parameter, art, 15, 10, abstand});
}

struct Produkt {
    QString code, klasse, art, of, opm, lzb;
    double multiplikator, preis;
    double dividende = 0;
    QString maturity = "";
};

void produkt(const QSqlDatabase& db, const Produkt& p) {
    einfuegen(db, "Produkt",
              {"Produkt",
               "MarginKlasse",
               "Art",
               "O_F",
               "OPM",
               "LZB",
               "Laufzeit",
               "Multiplikator",
               "AktPreis",
               "UnderlyingPrice",
               "Waehrung",
               "TickSize",
               "Dividende",
               "DividendenTage",
               "MATURITY_SWITCH",
               "Preis_Faelligkeit_1",
               "Preis_Faelligkeit_2",
               "Preis_Faelligkeit_3",
               "Preis_Faelligkeit_4",
               "Preis_Faelligkeit_5"},
              {p.code,
               p.klasse,
               p.art,
               p.of,
               p.opm,
               p.lzb,
               24,
               p.multiplikator,
               p.preis,
               p.preis * 1.002,
               "EUR",
               0.01,
               p.dividende,
               p.dividende > 0 ? "15.09.07" : "",
               p.maturity,
               p.preis * 1.01,
               p.preis * 1.02,
               p.preis * 1.03,
               p.preis * 1.04,
               p.preis * 1.05});
}

// Shift rows over call/put, remaining days, moneyness and price move.
void volaShifts(const QSqlDatabase& db, const QString& typ, const QString& klasse,
                const std::vector<int>& tage, double mnesVon, double mnesBis, double mnesSchritt,
                double bewegung, double bewegungSchritt) {
    QSqlQuery q(db);
    q.prepare("INSERT INTO vola_shifts VALUES (?,?,?,?,?,?,?,?,?)");
    for (const char* cp : {"C", "P"})
        for (int d : tage)
            for (double m = mnesVon; m <= mnesBis + 1e-9; m += mnesSchritt)
                for (double pm = -bewegung; pm <= bewegung + 1e-9; pm += bewegungSchritt) {
                    const QVariantList w = {typ.isEmpty() ? QVariant() : QVariant(typ),
                                            klasse.isEmpty() ? QVariant() : QVariant(klasse),
                                            cp,
                                            d,
                                            std::round(m * 1e4) / 1e4,
                                            pm,
                                            10 + 0.5 * std::abs(pm),
                                            2,
                                            -5 - 0.2 * std::abs(pm)};
                    for (int i = 0; i < w.size(); ++i) q.bindValue(i, w[i]);
                    q.exec();
                }
}

void referenzdaten(const QSqlDatabase& db, bool dividenden) {
    Sql::ausfuehren(db, "INSERT INTO Zinsen (Zinssatz_1, Zinssatz_2, Zinssatz_3, Zinssatz_4, "
                        "Zinssatz_5, Zinssatz_EONIA, Zinssatz_RAIRU, Zinssatz_RAIRD) VALUES "
                        "(3.8, 3.9, 4.0, 4.1, 4.2, 3.8, 4.0, 3.6)");
    Sql::ausfuehren(db, "INSERT INTO Waehrung (EUR, USD) VALUES (1, 1.35)");
    for (auto [g, o] : {std::pair{"EQX", 50}, {"AKTG", 0}, {"ZINSG", 75}, {"ROH", 30}})
        einfuegen(db, "MarginGruppe", {"MarginGruppe", "OffsetFaktor"}, {g, o});
    klasse(db, "OESX", "EQX", 8, "%", 50);
    klasse(db, "ODAX", "EQX", 9, "%", 50);
    produkt(db, {"OESX", "OESX", "I", "O", "BS", "1", 10, 4000});
    produkt(db, {"FESX", "OESX", "I", "F", "", "A", 10, 4000});
    produkt(db, {"ODAX", "ODAX", "I", "O", "BS", "1", 5, 7500});
    produkt(db, {"FDAX", "ODAX", "I", "F", "", "A", 25, 7500});
    for (int i = 1; i <= 10; ++i) {
        const QString k = QString("AK%1").arg(i, 2, 10, QChar('0'));
        klasse(db, k, "AKTG", 15, "%", 0);
        produkt(db, {k, k, "A", "O", "CRA", "1", 100, 20.0 + 18 * i,
                     dividenden && i % 3 == 0 ? 0.8 : 0});
    }
    for (auto [liste, k] : {std::pair{"Sonderklassen-Liste-1", "AK01"},
                            {"Sonderklassen-Liste-1", "AK02"},
                            {"Sonderklassen-Liste-2", "AK03"}})
        einfuegen(db, "Konfigurationslisten", {"Liste", "Wert"}, {liste, k});
    klasse(db, "OGBL", "ZINSG", 2.5, "Points", 0.5);
    produkt(db, {"OGBL", "OGBL", "Z", "O", "TB76", "2", 1000, 112});
    produkt(db, {"FGBL", "OGBL", "Z", "F", "", "B", 1000, 112});
    klasse(db, "OCOM", "ROH", 12, "%", 1);
    produkt(db, {"OCOM", "OCOM", "R", "O", "CRF", "A", 100, 75});
    produkt(db, {"FCOM", "OCOM", "R", "F", "", "A", 100, 75});
    klasse(db, "FDIV", "EQX", 10, "%", 1);
    produkt(db, {"FDIV", "FDIV", "D", "F", "", "L", 100, 120, 0, "Y"});
    for (int i = 0; i < 6; ++i)
        einfuegen(db, "FPPARA", {"MarginKlasse", "LZIndex", "Faktor"}, {"FDIV", i, 1 + 0.1 * i});
    volaShifts(db, "I", "", {0, 30, 91, 182, 365}, 0.7, 1.3, 0.05, 20, 2.5);
    volaShifts(db, "A", "", {0, 30, 91, 182, 365}, 0.7, 1.3, 0.05, 20, 2.5);
    volaShifts(db, "", "OGBL", {0, 30, 91}, 0.95, 1.05, 0.01, 5, 0.5);
    volaShifts(db, "", "", {0, 30, 91, 182}, 1, 1, 1, 0, 1);
    Sql::ausfuehren(db, "INSERT INTO vola_shifts_index (typ, marginklasse, days) SELECT DISTINCT "
                        "typ, marginklasse, days FROM vola_shifts");
}

const std::array<const char*, 5> kMonate = {"Jun07", "Sep07", "Dec07", "Mar08", "Jun08"};

// The implied volatility of a series, as the exchange's settlement prices give it: one value
// per product, strike and maturity.
double smile(double preis, double basis, int index) {
    const double x = basis / preis - 1;
    return 20 + 60 * x * x - 8 * x + 1.5 * index;
}

// Positions drawn with a fixed seed: every run prices the same portfolio.
void positionen(const QSqlDatabase& db, int anzahl) {
    std::mt19937 zufall(4711);
    const auto gleich = [&](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(zufall);
    };
    const auto ganz = [&](int a, int b) {
        return std::uniform_int_distribution<int>(a, b)(zufall);
    };
    QSqlQuery q(db);
    q.prepare("INSERT INTO Eingabe (LfdNr, Produkte, MarginKlasse, MarginGruppe, O_F, LS, "
              "ProduktArt, Laufzeit, Laufzeit_Tage, LaufzeitIndex, Basispreis, Anzahl, "
              "TradePrice, ImplVola, Betrag) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    for (int i = 0; i < anzahl; ++i) {
        const int art = i % 20;
        QString produkt, klasse, gruppe;
        double preis = 0, schritt = 1, mult = 1;
        bool option = true;
        if (art < 7) {
            const bool dax = art % 2;
            produkt = klasse = dax ? "ODAX" : "OESX";
            gruppe = "EQX", preis = dax ? 7500 : 4000, schritt = 50, mult = dax ? 5 : 10;
        } else if (art < 11) {
            const int k = ganz(1, 10);
            produkt = klasse = QString("AK%1").arg(k, 2, 10, QChar('0'));
            gruppe = "AKTG", preis = 20.0 + 18 * k, schritt = 2, mult = 100;
        } else if (art < 13) {
            produkt = klasse = "OGBL", gruppe = "ZINSG", preis = 112, schritt = 0.5, mult = 1000;
        } else if (art < 15) {
            produkt = klasse = "OCOM", gruppe = "ROH", preis = 75, schritt = 1, mult = 100;
        } else if (art < 19) {
            const int f = ganz(0, 3);
            produkt = QStringList{"FESX", "FDAX", "FGBL", "FCOM"}[f];
            klasse = QStringList{"OESX", "ODAX", "OGBL", "OCOM"}[f];
            gruppe = QStringList{"EQX", "EQX", "ZINSG", "ROH"}[f];
            option = false;
        } else {
            produkt = klasse = "FDIV", gruppe = "EQX", option = false;
        }
        const int index = ganz(0, option ? 4 : 3);
        const double basis = option ? std::round(preis * gleich(0.8, 1.2) / schritt) * schritt : 0;
        const double anzahl_ = ganz(1, 30), handelspreis = option ? preis * gleich(0.01, 0.08) : 0;
        const QVariantList w = {i + 1,
                                produkt,
                                klasse,
                                gruppe,
                                option ? "O" : "F",
                                ganz(0, 1) ? "L" : "S",
                                option ? (ganz(0, 1) ? "C" : "P") : " ",
                                kMonate[size_t(index)],
                                5.0 + 91 * index,
                                index,
                                basis,
                                anzahl_,
                                handelspreis,
                                smile(preis, basis, index),
                                anzahl_ * handelspreis * mult};
        for (int j = 0; j < w.size(); ++j) q.bindValue(j, w[j]);
        if (!q.exec()) throw std::runtime_error("Eingabe");
    }
}

// One database per portfolio size, built once. With dividends, three of the ten equity classes
// pay one during the life of their longer options, which puts those on the dividend tree.
class Portfolio {
public:
    Portfolio(int anzahl, bool dividenden) {
        db_ = Datenbank::oeffnen(ordner_.filePath("bench.abs"), verbindung());
        Transaktion t(db_);
        referenzdaten(db_, dividenden);
        positionen(db_, anzahl);
        t.bestaetigen();
    }
    static QString verbindung() { return "bench"; }
    QSqlDatabase db() const { return db_; }

private:
    QTemporaryDir ordner_;
    QSqlDatabase db_;
};

Portfolio& portfolio(int anzahl, bool dividenden = false) {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication anwendung(argc, argv);
    static std::map<std::pair<int, bool>, std::unique_ptr<Portfolio>> portfolios;
    const std::pair schluessel{anzahl, dividenden};
    if (portfolios.size() > 0 && !portfolios.count(schluessel)) {
        portfolios.clear(); // one connection of that name at a time
        Datenbank::schliessen(Portfolio::verbindung());
    }
    auto& p = portfolios[schluessel];
    if (!p) p = std::make_unique<Portfolio>(anzahl, dividenden);
    return *p;
}

// The time inside the pricing services: every option price the scenario engine computed (one
// per series, point and distinct volatility), again with the same inputs. The short option
// minima are left out, so the share is a lower bound.
double kernzeit(const Margin::Ergebnis& e) {
    const Margin::Rechenumgebung u(*e.daten, e.Berechnung, e.vola_shifts_berechnung, nullptr);
    using Schluessel =
        std::tuple<const Produktsatz*, QString, bool, int, double, double, double, double, double>;
    std::set<Schluessel> gesehen;
    std::vector<std::pair<const Margin::Berechnungszeile*, const Margin::Ausgabe2Zeile*>> preise;
    std::vector<double> volas;
    for (const Margin::Ausgabe2Zeile& a : e.Ausgabe2) {
        const Margin::Berechnungszeile& z = e.Berechnung[size_t(a.zeile)];
        if (a.klassenzeile || !z.option || !(z.call || z.put)) continue;
        for (double vola : {z.ImplVola, a.Vola[0], a.Vola[1], a.Vola[2]})
            if (gesehen
                    .insert({a.produkt, z.MarginKlasse, z.call, z.LaufzeitIndex, z.Laufzeit_Tage,
                             z.Basispreis, z.ImplVola, a.yWert2, vola})
                    .second) {
                preise.emplace_back(&z, &a);
                volas.push_back(vola);
            }
    }
    const auto start = std::chrono::steady_clock::now();
    double summe = 0;
    for (size_t i = 0; i < preise.size(); ++i) {
        const auto [z, a] = preise[i];
        summe += Margin::Zeilenpreis(u, Margin::preiskontext(u, *z, *a->produkt), *z, volas[i],
                                     a->yWert2);
    }
    benchmark::DoNotOptimize(summe);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double spitzenspeicherMB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& zeile : status.readAll().split('\n'))
        if (zeile.startsWith("VmHWM:"))
            return zeile.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

void BM_Laden(benchmark::State& state) {
    const Portfolio& p = portfolio(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Margin::Berechnungslauf::laden(p.db(), kDatum, "EUR"));
}

void BM_Rechnen(benchmark::State& state) {
    const Portfolio& p = portfolio(int(state.range(0)), state.range(2));
    const auto lauf = Margin::Berechnungslauf::laden(p.db(), kDatum, "EUR");
    const int threads = int(state.range(1));
    double sekunden = 0, kern = 0;
    size_t punkte = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const Margin::Ergebnis e = lauf.rechnen({}, nullptr, threads);
        sekunden += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        kern += kernzeit(e);
        punkte = e.Ausgabe2.size();
        state.ResumeTiming();
    }
    const unsigned kerne = threads > 0 ? unsigned(threads) : std::thread::hardware_concurrency();
    state.counters["Kernanteil"] = kern / (sekunden * kerne);
    state.counters["Positionen*Punkte"] = double(punkte);
    state.counters["Spitzenspeicher_MB"] = spitzenspeicherMB();
}

void BM_Schreiben(benchmark::State& state) {
    const Portfolio& p = portfolio(int(state.range(0)));
    const Margin::Ergebnis e = Margin::Berechnungslauf::laden(p.db(), kDatum, "EUR").rechnen();
    for (auto _ : state) Margin::Berechnungslauf::schreiben(p.db(), e);
    state.counters["Ausgabe2_Zeilen"] = double(e.Ausgabe2.size());
}

// The whole run as a window starts it: load, compute on both cores, write.
void BM_Berechnen(benchmark::State& state) {
    const Portfolio& p = portfolio(int(state.range(0)), state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(Margin::Berechnen(p.db(), kDatum, "EUR"));
    state.counters["Spitzenspeicher_MB"] = spitzenspeicherMB();
}

BENCHMARK(BM_Laden)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rechnen)
    ->ArgsProduct({{100, 1000, 10000}, {1, 0}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_Schreiben)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Berechnen)
    ->ArgsProduct({{100, 1000, 10000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
