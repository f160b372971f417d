#include "update/VolaShiftdatei.h"

#include "update/Feldleser.h"

namespace {

constexpr int kBreite = 52;

VolaShiftzeile volaShiftzeile(QStringView z, Feldpruefung& p) {
    using Feldleser::Spalten;
    VolaShiftzeile v;
    v.typ = VolaShiftTyp(Spalten(z, 1, 5).trimmed());
    v.marginklasse = Spalten(z, 6, 10).trimmed().toString();
    v.c_p = Spalten(z, 11, 12).trimmed().left(1).toString();
    v.days = p.ganzzahl(Spalten(z, 13, 16));
    v.Mnes = p.zahl(Spalten(z, 17, 24));
    v.PriceMove = p.zahl(Spalten(z, 25, 31));
    v.Vola_Up = p.zahl(Spalten(z, 32, 38));
    v.Vola_Neutral = p.zahl(Spalten(z, 39, 45));
    v.Vola_Down = p.zahl(Spalten(z, 46, 52));
    return v;
}

} // namespace

QString VolaShiftTyp(QStringView code) {
    if (code.isEmpty()) return {};
    if (code == u"OSTK") return "A";
    if (code == u"OINX") return "I";
    if (code == u"OFBD") return "Z";
    if (code == u"OFEN") return "S";
    return "0";
}

Dateiinhalt<VolaShiftzeile> VolaShiftdatei_Lesen(const QStringList& zeilen) {
    Dateiinhalt<VolaShiftzeile> inhalt;
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString& z = zeilen[i];
        Feldpruefung p;
        if (z.size() < kBreite || !istTextzeile(z)) p.verwerfen();
        VolaShiftzeile v = volaShiftzeile(z, p);
        v.zeile = i + 1;
        if (p.passt())
            inhalt.zeilen.push_back(std::move(v));
        else
            inhalt.fehler.push_back({v.zeile, v.marginklasse});
    }
    return inhalt;
}
