#include "margin/Berechnungslauf.h"

#include "calendar/DatumQt.h"
#include "margin/BerechnungVorbereiten.h"
#include "margin/Berechnungsfehler.h"
#include "margin/Gesamtwerte.h"
#include "margin/KlassenAufbauen.h"
#include "margin/VolaShiftsVorbereiten.h"
#include "pricing/Rechenfehler.h"
#include "shell/Dialoge.h"
#include "shell/Programm.h"

namespace Margin {

Berechnungslauf Berechnungslauf::laden(const QSqlDatabase& db, const QDate& berechnungsdatum,
                                       const QString& ausgabewaehrung) {
    return Berechnungslauf(std::make_shared<const Berechnungsdaten>(
        BerechnungsdatenLesen(db, ausQDate(berechnungsdatum), ausgabewaehrung,
                              Datumstext::Stil::programm(), Programm::instanz().sprache)));
}

Ergebnis Berechnungslauf::rechnen(const Fortschritt& fortschritt, const std::atomic<bool>* abbruch,
                                  int threads) const {
    Ergebnis e;
    e.daten = daten_;
    e.Berechnung = BerechnungVorbereiten(*daten_);
    Klassenaufbau klassen = KlassenAufbauen(daten_->Eingabe, e.Berechnung, daten_->referenz);
    VolaShiftsAuswahl shifts =
        VolaShiftsVorbereiten(e.Berechnung, daten_->vola_shifts, daten_->vola_shifts_index);
    e.A_MKlasse = std::move(klassen.A_MKlasse);
    e.Ausgabe1 = std::move(klassen.Ausgabe1);
    e.KlassenListe = std::move(klassen.KlassenListe);
    e.GruppenListe = std::move(klassen.GruppenListe);
    e.Informationsfenster = shifts.optionen;
    e.vola_shifts_tmp = std::move(shifts.vola_shifts_tmp);
    e.vola_shifts_berechnung = std::move(shifts.vola_shifts_berechnung);
    const Rechenumgebung u(*daten_, e.Berechnung, e.vola_shifts_berechnung, abbruch, threads);
    e.Ausgabe2 = KlassenBerechnen(u, Klassenauftraege(e.A_MKlasse, e.Ausgabe1, e.Berechnung),
                                  e.Berechnung, e.Ausgabe1, fortschritt);
    WaehrungUmrechnen(e.Ausgabe1, *daten_, e.Berechnung);
    Szenariowahl wahl = GruppenUndSummen(e.Ausgabe1, e.GruppenListe);
    e.Szenarien = std::move(wahl.Szenarien);
    e.SzenarioJeKlasse = std::move(wahl.SzenarioJeKlasse);
    return e;
}

Ergebnis Berechnen(const QSqlDatabase& db, const QDate& berechnungsdatum,
                   const QString& ausgabewaehrung, const Fortschritt& fortschritt,
                   const std::atomic<bool>* abbruch) {
    const Berechnungslauf lauf = Berechnungslauf::laden(db, berechnungsdatum, ausgabewaehrung);
    Ergebnis e = lauf.rechnen(fortschritt, abbruch);
    Berechnungslauf::schreiben(db, e);
    return e;
}

std::optional<Ergebnis> Berechnen(const QSqlDatabase& db, const QDate& berechnungsdatum,
                                  const QString& ausgabewaehrung, Dialoge& dialoge,
                                  const Fortschritt& fortschritt,
                                  const std::atomic<bool>* abbruch) {
    try {
        return Berechnen(db, berechnungsdatum, ausgabewaehrung, fortschritt, abbruch);
    } catch (const Berechnungsfehler& f) {
        dialoge.Hinweis_Zeigen(MeldungsArt::Fehler, f.text());
    } catch (const Rechenfehler& f) {
        dialoge.Hinweis_Zeigen(MeldungsArt::Fehler, QString::fromUtf8(f.what()));
    } catch (const Berechnungsabbruch&) {
    }
    return std::nullopt;
}

} // namespace Margin
