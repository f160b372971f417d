#include "margin/KlassenAufbauen.h"

#include "margin/Produktregeln.h"
#include "margin/Vergleiche.h"

#include <algorithm>

namespace Margin {
namespace {

// The class key of a position: text joined to an empty value stays empty.
QString klassenschluessel(const Berechnungszeile& z, const Produktsatz& p) {
    if (!nachLaufzeitMarginiert(p)) return z.MarginKlasse;
    if (z.MarginKlasse.isNull() || z.Laufzeit.isNull()) return {};
    return z.MarginKlasse + ' ' + z.Laufzeit;
}

// SELECT DISTINCT MarginKlasse, MK_Neu, MarginGruppe, Art ... ORDER BY MarginKlasse
std::vector<A_MKlasseZeile> aMKlasse(const std::vector<Berechnungszeile>& eingabe,
                                     const Referenzdaten& referenz) {
    std::vector<A_MKlasseZeile> zeilen;
    for (const Berechnungszeile& z : eingabe)
        if (const Produktsatz* p = referenz.produkt(z.Produkte))
            anhaengenWennNeu(zeilen, A_MKlasseZeile{z.MarginKlasse, klassenschluessel(z, *p),
                                                    z.MarginGruppe, p->Art});
    std::stable_sort(zeilen.begin(), zeilen.end(), [](const auto& a, const auto& b) {
        return textOrdnung(a.MarginKlasse, b.MarginKlasse) < 0;
    });
    return zeilen;
}

struct Klassenzeile {
    QString MarginGruppe, MarginKlasse, MK_neu;
    friend bool operator==(const Klassenzeile&, const Klassenzeile&) = default;
};

// SELECT DISTINCT MarginGruppe, MarginKlasse, MK_neu ... ORDER BY MarginGruppe, MarginKlasse
std::vector<Ausgabe1Zeile> ausgabe1(const std::vector<Berechnungszeile>& berechnung) {
    std::vector<Klassenzeile> klassen;
    for (const Berechnungszeile& z : berechnung)
        if (z.produkt)
            anhaengenWennNeu(klassen, Klassenzeile{z.MarginGruppe, z.MarginKlasse,
                                                   klassenschluessel(z, *z.produkt)});
    std::stable_sort(klassen.begin(), klassen.end(), [](const auto& a, const auto& b) {
        const int gruppe = textOrdnung(a.MarginGruppe, b.MarginGruppe);
        return gruppe != 0 ? gruppe < 0 : textOrdnung(a.MarginKlasse, b.MarginKlasse) < 0;
    });
    std::vector<Ausgabe1Zeile> zeilen;
    for (const Klassenzeile& k : klassen) {
        Ausgabe1Zeile a;
        a.MarginGruppe = k.MarginGruppe;
        a.MarginKlasse = k.MarginKlasse;
        a.MK_neu = k.MK_neu;
        zeilen.push_back(a);
    }
    Ausgabe1Zeile gesamt;
    gesamt.MarginKlasse = kAccountTotal;
    zeilen.push_back(gesamt);
    return zeilen;
}

QStringList klassenListe(const std::vector<A_MKlasseZeile>& klassen) {
    QStringList liste;
    for (const A_MKlasseZeile& k : klassen)
        if (!k.Art.isNull() && !QStringList{"W", "B", "E"}.contains(k.Art, Qt::CaseInsensitive))
            liste << k.MK_neu;
    return liste;
}

QStringList gruppenListe(const std::vector<A_MKlasseZeile>& klassen) {
    QStringList liste;
    for (const A_MKlasseZeile& k : klassen)
        if (!liste.contains(k.MarginGruppe)) liste << k.MarginGruppe;
    return liste;
}

} // namespace

Klassenaufbau KlassenAufbauen(const std::vector<Berechnungszeile>& eingabe,
                              std::vector<Berechnungszeile>& berechnung,
                              const Referenzdaten& referenz) {
    Klassenaufbau k;
    k.A_MKlasse = aMKlasse(eingabe, referenz);
    k.Ausgabe1 = ausgabe1(berechnung);
    for (Berechnungszeile& z : berechnung)
        z.MarginKlasse_NEU = z.produkt ? klassenschluessel(z, *z.produkt) : z.MarginKlasse;
    k.KlassenListe = klassenListe(k.A_MKlasse);
    k.GruppenListe = gruppenListe(k.A_MKlasse);
    return k;
}

} // namespace Margin
