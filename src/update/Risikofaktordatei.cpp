#include "update/Risikofaktordatei.h"

#include "calendar/Kontraktmonat.h"
#include "update/Feldleser.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int kBreite = 14;

Risikofaktorzeile risikofaktorzeile(QStringView z, Feldpruefung& p) {
    using Feldleser::Spalten;
    Risikofaktorzeile r;
    r.MarginKlasse = p.pflichttext(Spalten(z, 1, 5));
    r.Jahr = p.ganzzahl(Spalten(z, 6, 7));
    r.Monat = p.ganzzahl(Spalten(z, 8, 9));
    r.Faktor = p.zahl(Spalten(z, 11, 14));
    return r;
}

} // namespace

QString Risikofaktorzeile::sMonat() const {
    // The contract month label begins with the month's abbreviation.
    const QString monat = QString::fromStdString(KontraktmonatText(0, Monat)).left(3);
    return (monat + QString::number(Jahr)).left(5);
}

Dateiinhalt<Risikofaktorzeile> Risikofaktordatei_Lesen(const QStringList& zeilen) {
    Dateiinhalt<Risikofaktorzeile> inhalt;
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString& z = zeilen[i];
        Feldpruefung p;
        if (z.size() < kBreite || !istTextzeile(z)) p.verwerfen();
        Risikofaktorzeile r = risikofaktorzeile(z, p);
        r.zeile = i + 1;
        if (p.passt())
            inhalt.zeilen.push_back(std::move(r));
        else
            inhalt.fehler.push_back({r.zeile, r.MarginKlasse});
    }
    LZIndex_Nummerieren(inhalt.zeilen);
    return inhalt;
}

void LZIndex_Nummerieren(std::vector<Risikofaktorzeile>& zeilen) {
    std::vector<size_t> folge(zeilen.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(), [&](size_t a, size_t b) {
        const Risikofaktorzeile& x = zeilen[a];
        const Risikofaktorzeile& y = zeilen[b];
        if (const int k = QString::compare(x.MarginKlasse, y.MarginKlasse, Qt::CaseInsensitive))
            return k < 0;
        return std::pair(x.Jahr, x.Monat) < std::pair(y.Jahr, y.Monat);
    });
    const Risikofaktorzeile* vorige = nullptr;
    for (size_t i : folge) {
        Risikofaktorzeile& r = zeilen[i];
        r.LZIndex = vorige && vorige->MarginKlasse == r.MarginKlasse ? vorige->LZIndex + 1 : 0;
        vorige = &r;
    }
}
