#include "update/Produktdatei.h"

#include "update/Feldleser.h"

#include <QSet>
#include <cmath>

namespace {

constexpr int kFelder = 29;

Produktzeile produktzeile(const QStringList& f, Feldpruefung& p) {
    Produktzeile z;
    z.Produkt = p.pflichttext(f[0]);
    z.ISIN = f[1];
    z.Produktbezeichnung = f[2];
    z.MarginKlasse = f[3];
    z.Art = f[4];
    z.O_F = f[5];
    z.TickSize = p.zahl(f[6]);
    z.OPM = f[7];
    z.LZB = f[8];
    z.DaysUntilSettelment = p.zahl(f[9]);
    z.Kupontermin = f[10];
    z.Kuponhoehe = p.zahl(f[11]);
    z.Waehrung = f[12];
    z.SOPA_Faktor = p.zahl(f[13]);
    z.Underlying = f[14];
    z.Dividende = p.zahl(f[15]);
    z.DividendenTage = f[16];
    z.Sonderfall = f[17] == "1";
    z.Laufzeit = std::trunc(p.zahl(f[18]));
    z.Multiplikator = std::trunc(p.zahl(f[19]));
    z.Klasse = f[20];
    z.KlasseGruppe = f[21];
    z.MarginParameter = p.zahl(f[22]);
    z.ParameterArt = f[23];
    z.SpotMonthSpread = p.zahl(f[24]);
    z.BackMonthSpread = p.zahl(f[25]);
    z.Basispreisabstand = p.zahl(f[26]);
    z.Gruppe = f[27];
    z.OffsetFaktor = p.zahl(f[28]);
    return z;
}

} // namespace

QString Produktzeile::Kupontermin_e() const {
    return Kupontermin.mid(3, 2) + "/" + Kupontermin.mid(0, 2) + "/";
}

Produktdatei Produktdatei_Lesen(const QStringList& zeilen) {
    Produktdatei datei;
    if (zeilen.isEmpty()) return datei;
    datei.version = zeilen.first().trimmed();
    const auto nummer = Feldleser::Zahl(datei.version);
    datei.versionGelesen = !datei.version.isEmpty() && nummer.has_value();
    datei.versionsnummer = nummer.value_or(0.0);
    if (!datei.versionGelesen) datei.inhalt.fehler.push_back({1, {}});

    QSet<QString> codes;
    for (int i = 1; i < zeilen.size(); ++i) {
        // The last field runs to the end of the line, ";" included.
        QStringList f = zeilen[i].split(';');
        if (f.size() > kFelder) f[kFelder - 1] = f.mid(kFelder - 1).join(';');
        for (QString& feld : f) feld = feld.trimmed();
        Feldpruefung p;
        if (f.size() < kFelder || !istTextzeile(zeilen[i])) p.verwerfen();
        f.resize(kFelder);
        Produktzeile z = produktzeile(f, p);
        z.zeile = i + 1;
        const QString code = z.Produkt.toUpper();
        if (codes.contains(code)) p.verwerfen();
        if (!p.passt()) {
            datei.inhalt.fehler.push_back({z.zeile, z.Produkt});
            continue;
        }
        codes.insert(code);
        datei.inhalt.zeilen.push_back(std::move(z));
    }
    return datei;
}
