#include "calendar/DatumQt.h"
#include "calendar/LaufzeitenInstanzen.h"
#include "input/Eingabelogik.h"
#include "input/Produkttypen.h"
#include "input/Zeilenupdate.h"
#include "pricing/PreisJeLaufzeit.h"
#include "pricing/Preisdienste.h"

#include <cfenv>
#include <cmath>

double Eingabelogik::aufVierStellen(double wert) {
    // Half to even, as the rounding of the described system does.
    const int vorher = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double gerundet = std::nearbyint(wert * 10000) / 10000;
    std::fesetround(vorher);
    return gerundet;
}

Preiskontext Eingabelogik::preiskontext(int zeile, const Produktsatz& p) {
    const Position& z = tabelle_.zeile(zeile);
    Preiskontext k{Preisfenster::Eingabe, p, referenz_.zinsen(), LaufzeitenAktuell};
    k.LaufzeitIndex = z.LaufzeitIndex;
    k.Berechnungsdatum = ausQDate(zustand_.Berechnungsdatum);
    k.datumsstil = Datumstext::Stil::programm();
    k.meldungen = &meldungsanbindung_;
    k.ZeilenNr = zeile + 1;
    k.Prod_Neu = p.Produkt;
    return k;
}

double Eingabelogik::laufzeitpreis(int zeile, const Produktsatz& p) {
    maturitaetenAufbauen(p);
    return PreisJeLaufzeit(preiskontext(zeile, p), tabelle_.zeile(zeile).LaufzeitIndex,
                           p.UnderlyingPrice, p.AktPreis);
}

double Eingabelogik::basiswertpreis(int zeile, const Produktsatz& p) {
    return Produkttypen::preisNachLaufzeit(p) ? laufzeitpreis(zeile, p) : p.AktPreis;
}

bool Eingabelogik::ImplVola_Berechnen(int zeile, bool interaktiv) {
    Position& z = tabelle_.zeile(zeile);
    const Produktsatz* p = produktVon(z);
    if (!p || !Produkttypen::IstDerivatTyp(p->Art) || p->O_F != "O") return false;
    const Zeilenupdate guard(zustand_.ZeilenUpdate);
    z.Betrag = p->Multiplikator * (z.Anzahl * z.TradePrice);
    const double kurs = basiswertpreis(zeile, *p);
    bool fehlgeschlagen = false;
    const QString art = z.ProduktArt.trimmed().toUpper();
    if (art == "C" || art == "P")
        z.ImplVola = aufVierStellen(
            ImpliziteVola(art == "C" ? Optionsart::Call : Optionsart::Put, p->DividendenTage,
                          p->OPM, interaktiv, fehlgeschlagen, preiskontext(zeile, *p), p->Art,
                          p->Dividende, z.Laufzeit_Tage, z.TradePrice, z.Basispreis, kurs));
    return fehlgeschlagen;
}
