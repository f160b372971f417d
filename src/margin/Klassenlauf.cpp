#include "margin/Klassenlauf.h"

#include "margin/Klassenkontext.h"
#include "margin/Szenariolauf.h"
#include "margin/Vergleiche.h"
#include "store/Referenzdaten.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace Margin {
namespace {

QHash<QString, std::vector<int>> zeilenJe(const std::vector<Berechnungszeile>& berechnung,
                                          QString Berechnungszeile::*spalte) {
    QHash<QString, std::vector<int>> je;
    for (size_t i = 0; i < berechnung.size(); ++i)
        if (!leer(berechnung[i].*spalte)) je[schluessel(berechnung[i].*spalte)].push_back(int(i));
    return je;
}

std::vector<Ausgabe2Zeile> klasseBerechnen(const Rechenumgebung& u, const Klassenauftrag& a,
                                           std::vector<Berechnungszeile>& berechnung,
                                           std::vector<Ausgabe1Zeile>& ausgabe1) {
    static const Klassensatz leereKlasse;
    const Klassensatz* klasse = u.daten.referenz.klasse(a.MarginKlasse);
    const Gruppensatz* gruppe = klasse ? u.daten.referenz.gruppe(klasse->MarginGruppe) : nullptr;
    Klassenkontext k{u,
                     berechnung,
                     a.MK_neu,
                     a.MarginKlasse,
                     klasse ? klasse : &leereKlasse,
                     gruppe ? gruppe->OffsetFaktor : 0,
                     ausgabe1[a.ausgabe1],
                     a.zeilen,
                     {}};
    for (auto schritt :
         {SopaWerteBerechnen, ShortCallsAbdecken, ShortPutsAbdecken, FuturesNetten,
          SpotMonthSpreads, BackMonthSpreads, NonSpreadFutures, OptionenMitFuturesAbdecken})
        schritt(k);
    Szenariolauf lauf(k);
    u.parallelFuer(lauf.bewertungen(), [&lauf](size_t i) { lauf.bewerten(i); });
    lauf.abschliessen();
    if (!a.kassazeilen.empty()) {
        AnleihenMargin(k, a.kassazeilen);
        AktienMargin(k, a.kassazeilen);
    }
    return std::move(k.ausgabe2);
}

} // namespace

std::vector<Klassenauftrag> Klassenauftraege(const std::vector<A_MKlasseZeile>& klassen,
                                             const std::vector<Ausgabe1Zeile>& ausgabe1,
                                             const std::vector<Berechnungszeile>& berechnung) {
    const auto jeSchluessel = zeilenJe(berechnung, &Berechnungszeile::MarginKlasse_NEU);
    const auto jeKlasse = zeilenJe(berechnung, &Berechnungszeile::MarginKlasse);
    QSet<QString> gesehen, kassaklassen;
    std::vector<Klassenauftrag> auftraege;
    for (const A_MKlasseZeile& k : klassen) {
        const QString s = schluessel(k.MK_neu);
        if (leer(k.MK_neu) || gesehen.contains(s)) continue;
        const auto zeile =
            std::find_if(ausgabe1.begin(), ausgabe1.end() - 1,
                         [&](const Ausgabe1Zeile& a) { return gleich(a.MK_neu, k.MK_neu); });
        if (zeile == ausgabe1.end() - 1) continue;
        gesehen.insert(s);
        Klassenauftrag a{
            k.MarginKlasse, k.MK_neu, size_t(zeile - ausgabe1.begin()), jeSchluessel.value(s), {}};
        if (!kassaklassen.contains(schluessel(k.MarginKlasse))) {
            kassaklassen.insert(schluessel(k.MarginKlasse));
            a.kassazeilen = jeKlasse.value(schluessel(k.MarginKlasse));
        }
        auftraege.push_back(std::move(a));
    }
    return auftraege;
}

std::vector<Ausgabe2Zeile> KlassenBerechnen(const Rechenumgebung& u,
                                            const std::vector<Klassenauftrag>& auftraege,
                                            std::vector<Berechnungszeile>& berechnung,
                                            std::vector<Ausgabe1Zeile>& ausgabe1,
                                            const Fortschritt& fortschritt) {
    std::vector<Ausgabe2Zeile> alle;
    for (size_t i = 0; i < auftraege.size(); ++i) {
        u.abbruchPruefen();
        const std::vector<Ausgabe2Zeile> teil =
            klasseBerechnen(u, auftraege[i], berechnung, ausgabe1);
        alle.insert(alle.end(), teil.begin(), teil.end());
        if (fortschritt) fortschritt(int(i) + 1, int(auftraege.size()));
    }
    return alle;
}

} // namespace Margin
