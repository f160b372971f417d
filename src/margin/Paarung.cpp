#include "margin/Paarung.h"

#include "margin/Vergleiche.h"

namespace Margin {

Beinliste Beine(const Klassenkontext& k, const std::vector<int>& zeilen, double faktor) {
    Beinliste liste;
    for (int i : zeilen) {
        const Berechnungszeile& z = k.zeile(i);
        liste.push_back({i, z.LfdNr, ganzzahl(faktor * z.OffenePositionen), z.Laufzeit_Tage,
                         z.Basispreis, BasispreisText(z.Basispreis)});
    }
    return liste;
}

long long Paaren(long long& bedient, long long& kandidat) {
    if (kandidat < bedient) {
        const long long paare = kandidat;
        bedient -= kandidat;
        kandidat = 0;
        return paare;
    }
    const long long paare = bedient;
    kandidat -= bedient;
    bedient = 0;
    return paare;
}

void Rueckschreiben(Klassenkontext& k, const Beinliste& liste) {
    for (const Bein& b : liste) {
        if (b.LfdNr <= 0) continue;
        Berechnungszeile& z = k.zeile(b.zeile);
        z.OffenePositionen = double(b.OffenePositionen);
        z.setzeLeer(Zahlfeld::OffenePositionen, false);
    }
}

QString BasispreisText(double x) {
    QString text = QString::number(x, 'g', 15);
    if (!text.contains('.')) text += '.';
    const qsizetype punkt = text.indexOf('.');
    const QString ganz = text.left(punkt);
    QString bruch = text.mid(punkt + 1);
    if (bruch.size() < 5) bruch += QString(5 - bruch.size(), '0');
    return QString(std::max<qsizetype>(0, 7 - ganz.size()), '0') + ganz + '.' + bruch;
}

} // namespace Margin
