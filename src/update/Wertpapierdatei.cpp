#include "update/Wertpapierdatei.h"

#include "update/Feldleser.h"

namespace {

constexpr int kBreite = 44;

Wertpapierzeile wertpapierzeile(QStringView z, Feldpruefung& p) {
    using Feldleser::Spalten;
    Wertpapierzeile w;
    w.MarginGruppe = Spalten(z, 1, 5).trimmed().toString();
    w.OffSetFaktor = p.zahl(Spalten(z, 6, 9));
    w.MarginKlasse = Spalten(z, 10, 14).trimmed().toString();
    w.ISIN = p.pflichttext(Spalten(z, 15, 26));
    w.Parameter = p.zahl(Spalten(z, 27, 33));
    w.ParameterArt = Spalten(z, 41, 41).trimmed().toString();
    w.Waehrung = Spalten(z, 42, 44).trimmed().toString();
    return w;
}

} // namespace

Dateiinhalt<Wertpapierzeile> Wertpapierdatei_Lesen(const QStringList& zeilen) {
    Dateiinhalt<Wertpapierzeile> inhalt;
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString& z = zeilen[i];
        if (Feldleser::Spalten(z, 1, 5).trimmed() == u"*EOF*") continue;
        Feldpruefung p;
        if (z.size() < kBreite || !istTextzeile(z)) p.verwerfen();
        Wertpapierzeile w = wertpapierzeile(z, p);
        w.zeile = i + 1;
        if (p.passt())
            inhalt.zeilen.push_back(std::move(w));
        else
            inhalt.fehler.push_back({w.zeile, w.ISIN});
    }
    return inhalt;
}
