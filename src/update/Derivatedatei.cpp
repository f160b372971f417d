#include "update/Derivatedatei.h"

#include "update/Feldleser.h"

namespace {

constexpr int kBreite = 60;

Derivatezeile derivatezeile(QStringView z, Feldpruefung& p) {
    using Feldleser::Spalten;
    Derivatezeile d;
    d.MarginGruppe = Spalten(z, 1, 5).trimmed().toString();
    d.OffsetFaktor = p.zahl(Spalten(z, 6, 9));
    d.MarginKlasse = p.pflichttext(Spalten(z, 10, 14));
    d.BackMonthSpread = p.zahl(Spalten(z, 18, 24));
    d.SpotMonthSpread = p.zahl(Spalten(z, 25, 31));
    d.SOPA_Faktor = p.zahl(Spalten(z, 32, 35));
    d.MATURITY_SWITCH = Spalten(z, 36, 36).toString();
    d.Produkt = p.pflichttext(Spalten(z, 44, 47));
    d.MarginParameter = p.zahl(Spalten(z, 52, 59));
    d.punkte = Spalten(z, 60, 60).trimmed().toString().toUpper() == "A";
    return d;
}

} // namespace

Dateiinhalt<Derivatezeile> Derivatedatei_Lesen(const QStringList& zeilen) {
    Dateiinhalt<Derivatezeile> inhalt;
    for (int i = 0; i + 1 < zeilen.size(); ++i) {
        const QString& z = zeilen[i];
        Feldpruefung p;
        if (z.size() < kBreite || !istTextzeile(z)) p.verwerfen();
        Derivatezeile d = derivatezeile(z, p);
        d.zeile = i + 1;
        if (p.passt())
            inhalt.zeilen.push_back(std::move(d));
        else
            inhalt.fehler.push_back({d.zeile, d.Produkt});
    }
    return inhalt;
}
