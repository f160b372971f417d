#include "margin/Zeilenwerte.h"

#include "input/Produkttypen.h"
#include "margin/Produktregeln.h"
#include "pricing/PreisJeLaufzeit.h"
#include "pricing/Preisdienste.h"

namespace Margin {

double Laufzeitfaktor(const Berechnungsdaten& daten, const Produktsatz& produkt,
                      const QString& klasse, int laufzeitIndex) {
    if (!nachLaufzeitMarginiert(produkt)) return 1;
    const double f =
        daten.FPPARA.value(Berechnungsdaten::FPPARASchluessel(klasse, laufzeitIndex), 0.0);
    return f > 0 ? f : 1;
}

double AmperoKontraktgroesse(const Kalenderdaten& kalender, const QString& produkt,
                             Datum letzterHT) {
    for (const Amperotermin& t : kalender.amperoVon(produkt.trimmed().toStdString()))
        if (letzterHT.gueltig() && t.LETZTER_HT == letzterHT) return double(t.CONTRACT_SIZE);
    return 0;
}

bool inPunkten(const QString& parameterArt) {
    const QString art = parameterArt.trimmed().toUpper();
    return art == "PUNKTE" || art == "POINTS";
}

Preiskontext preiskontext(const Rechenumgebung& u, const Berechnungszeile& z,
                          const Produktsatz& p) {
    return {.fenster = Preisfenster::Ausgabe1,
            .produkt = p,
            .zinsen = u.daten.referenz.zinsen(),
            .laufzeiten = u.werte(p).laufzeiten,
            .LaufzeitIndex = z.LaufzeitIndex,
            .Berechnungsdatum = u.daten.Berechnungsdatum,
            .datumsstil = u.daten.Datumsstil};
}

double Zeilenpreis(const Rechenumgebung& u, const Preiskontext& k, const Berechnungszeile& z,
                   double vola, double kurs) {
    const Produktsatz& p = k.produkt;
    return Optionspreis(z.call ? Optionsart::Call : Optionsart::Put, u.werte(p).dividendenTage,
                        p.OPM, p.Art, k, p.TickSize, p.Dividende, z.Laufzeit_Tage, vola,
                        z.Basispreis, kurs);
}

double Multiplikator(const Rechenumgebung& u, const Berechnungszeile& z, const Produktsatz& p) {
    return istStromkontrakt(p)
               ? AmperoKontraktgroesse(u.daten.kalender, z.Prod_Neu, z.letzterHandelstag)
               : p.Multiplikator;
}

double Basiskurs(const Rechenumgebung& u, const Berechnungszeile& z, const Produktsatz& p) {
    if (!Produkttypen::preisNachLaufzeit(p)) return z.Akt_Preis_Neu;
    return PreisJeLaufzeit(preiskontext(u, z, p), z.LaufzeitIndex, p.UnderlyingPrice,
                           z.Akt_Preis_Neu);
}

double Intervall(const Rechenumgebung& u, const Klassensatz& klasse, const Berechnungszeile& z,
                 const Produktsatz& p) {
    const double basis = inPunkten(klasse.ParameterArt)
                             ? klasse.MarginParameter
                             : klasse.MarginParameter * z.Akt_Preis_Neu / 100;
    return basis * Laufzeitfaktor(u.daten, p, z.MarginKlasse, z.LaufzeitIndex);
}

} // namespace Margin
