#include "input/Eingabelogik.h"
#include "input/Eingabemodell.h"
#include "input/Spaltenlayout.h"
#include "input/TEingabe.h"
#include "shell/Arbeitsmappenausgabe.h"
#include "shell/Dialoge.h"
#include "shell/Fensterrahmen.h"
#include "shell/Programm.h"
#include "shell/TMain.h"

#include <QApplication>
#include <QDateEdit>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableView>
#include <QTimer>

namespace {

QString preisText(double wert) {
    return QLocale().toString(wert, 'f', 5).remove(QLocale().groupSeparator());
}

std::optional<double> preisAus(const QString& text) {
    bool ok = false;
    double wert = QLocale().toDouble(text, &ok);
    if (!ok) wert = QLocale::c().toDouble(text, &ok);
    return ok ? std::optional(wert) : std::nullopt;
}

} // namespace

int TEingabe::aktuelleZeile() const {
    return gitter_->currentIndex().row();
}

void TEingabe::zeileWaehlen(int zeile) {
    if (modell_->rowCount() == 0) return;
    zeile = std::clamp(zeile, 0, modell_->rowCount() - 1);
    const int spalte = std::max(0, gitter_->currentIndex().column());
    gitter_->setCurrentIndex(modell_->index(zeile, spalte));
    zeileAnzeigen();
}

void TEingabe::zeilenNeuLaden() {
    const int zeile = aktuelleZeile();
    modell_->neuLaden();
    projekt_->setText(logik_->zustand().Projektname);
    datum_->setDate(logik_->zustand().Berechnungsdatum);
    zeileWaehlen(std::max(0, zeile));
}

void TEingabe::zeileAnzeigen() {
    const int zeile = aktuelleZeile();
    if (zeile < 0 || zeile >= logik_->tabelle().anzahl()) {
        produktdaten_->setVisible(false);
        return;
    }
    layoutAnwenden(logik_->Zeile_Anzeigen(zeile, modell_->feld(gitter_->currentIndex().column())));
    kopfFuellen();
}

void TEingabe::layoutAnwenden(const Spaltenlayout& s) {
    for (int spalte = 0; spalte < modell_->columnCount(); ++spalte)
        gitter_->setColumnHidden(spalte, s.versteckt.contains(modell_->feld(spalte)));
    modell_->titelSetzen("TradePrice", s.tradePriceTitel);
    produktdaten_->setVisible(s.produktGefunden);
    for (const char* feld : {"Multiplikator", "TickSize", "TickValue"})
        werte_[feld]->setVisible(s.kennzahlenSichtbar);
    for (const char* label : {"Label9", "Label10", "Label11"})
        labels_[label]->setVisible(s.kennzahlenSichtbar);
    preisLabel_->setText(s.preisLabel);
    laufzeitpreisFeld_ = s.laufzeitpreisFeld;
    laufzeitpreisLabel_->setText(s.laufzeitpreisLabel);
    laufzeitpreisLabel_->setVisible(s.laufzeitpreisSichtbar);
    laufzeitpreis_->setVisible(s.laufzeitpreisSichtbar);
    if (!s.fokusNach.isEmpty())
        gitter_->setCurrentIndex(modell_->index(aktuelleZeile(), modell_->spalteVon(s.fokusNach)));
    // Changed column widths are drawn once the event that changed them is over.
    QTimer::singleShot(50, gitter_->viewport(), qOverload<>(&QWidget::update));
}

void TEingabe::kopfFuellen() {
    const Produktsatz* p = logik_->produktVon(logik_->tabelle().zeile(aktuelleZeile()));
    if (!p) return;
    const Klassensatz* k = logik_->klasseVon(p);
    const QLocale l;
    werte_["Produktbezeichnung"]->setText(p->Produktbezeichnung);
    werte_["Waehrung"]->setText(p->Waehrung);
    werte_["MarginKlasse"]->setText(p->MarginKlasse);
    werte_["MarginGruppe"]->setText(k ? k->MarginGruppe : QString());
    werte_["MarginParameter"]->setText(k ? l.toString(k->MarginParameter, 'f', 3) : QString());
    werte_["ParameterArt"]->setText(k ? k->ParameterArt : QString());
    werte_["Multiplikator"]->setText(l.toString(p->Multiplikator, 'f', 3));
    werte_["TickSize"]->setText(l.toString(p->TickSize, 'f', 4));
    werte_["TickValue"]->setText(l.toString(p->TickValue, 'f', 4));
    if (!preis_->hasFocus()) preis_->setText(preisText(p->AktPreis));
    if (laufzeitpreis_->hasFocus()) return;
    const int k_ = laufzeitpreisFeld_.startsWith("Preis_Faelligkeit_")
                       ? laufzeitpreisFeld_.mid(18).toInt()
                       : 0;
    laufzeitpreis_->setText(
        preisText(k_ > 0 ? p->Preis_Faelligkeit[static_cast<size_t>(k_ - 1)] : p->UnderlyingPrice));
}

void TEingabe::datumGewaehlt() {
    const QDate gewaehlt = datum_->date();
    if (gewaehlt == logik_->zustand().Berechnungsdatum) return;
    offeneBearbeitungBuchen();
    const bool protokoll = logik_->Datumswahl(gewaehlt);
    Programm::instanz().Berechnungsdatum = logik_->zustand().Berechnungsdatum;
    zeilenNeuLaden();
    if (protokoll) fehlerprotokollOeffnen();
}

// A typed price belongs to the product: it is stored first, then the option
// rows of the product's margin class are brought up to date.
void TEingabe::preisUebernehmen() {
    const int zeile = aktuelleZeile();
    if (zeile < 0) return;
    const Position& z = logik_->tabelle().zeile(zeile);
    const Produktsatz* p = logik_->produktVon(z);
    Eingabezustand& st = logik_->zustand();
    if (p && st.AktPreisGeaendert)
        if (const auto wert = preisAus(preis_->text()))
            logik_->produktfeldSetzen(p->Produkt, "AktPreis", *wert);
    if (p && st.UnderlyingPriceGeaendert)
        if (const auto wert = preisAus(laufzeitpreis_->text()))
            logik_->produktfeldSetzen(p->Produkt, laufzeitpreisFeld_, *wert);
    logik_->Preis_Uebernehmen(true, zeile);
    modell_->neuLaden();
    zeileWaehlen(zeile);
}

// Entering a price edit remembers the price before the change.
bool TEingabe::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusIn && (objekt == preis_ || objekt == laufzeitpreis_)) {
        offeneBearbeitungBuchen();
        if (const Produktsatz* p =
                logik_->produktVon(logik_->tabelle().zeile(std::max(0, aktuelleZeile())))) {
            logik_->zustand().AlterAktPreis = p->AktPreis;
            logik_->zustand().AlterUnderlyingPrice = p->UnderlyingPrice;
        }
    }
    // Moving down from the last row appends a new one, as in a data grid.
    if (objekt == gitter_ && ereignis->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Down &&
        !gitter_->indexWidget(gitter_->currentIndex()) &&
        aktuelleZeile() == modell_->rowCount() - 1 &&
        !logik_->tabelle().zeile(aktuelleZeile()).Produkte.trimmed().isEmpty()) {
        const int neu = logik_->neueZeile();
        modell_->neuLaden();
        zeileWaehlen(neu);
        return true;
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void TEingabe::alleLoeschen() {
    offeneBearbeitungBuchen();
    if (logik_->Alle_Loeschen() != 1) return;
    projekt_->clear();
    for (const char* fenster : {"Ausgabe1", "Ausgabe2"})
        if (QWidget* offen = haupt_.fenster(fenster)) fensterSchliessen(offen);
    zeilenNeuLaden();
}

void TEingabe::berechnungStarten() {
    offeneBearbeitungBuchen();
    const bool gueltig = logik_->Berechnung_Starten();
    zeilenNeuLaden();
    if (!gueltig) return fehlerprotokollOeffnen();
    if (QWidget* details = haupt_.fenster("Ausgabe2")) fensterSchliessen(details);
    haupt_.ergebnisseBerechnen();
}

void TEingabe::eingabenUeberpruefen() {
    offeneBearbeitungBuchen();
    const bool gueltig = logik_->Eingaben_Ueberpruefen();
    zeilenNeuLaden();
    if (!gueltig) fehlerprotokollOeffnen();
}

void TEingabe::fehlerprotokollOeffnen() {
    haupt_.zeigen("Fehlerprotokoll");
}

void TEingabe::Excel_Import() {
    const QString pfad = haupt_.dialoge().Datei_Waehlen(false, "Excel (*.xlsx *.xls);;CSV (*.csv)");
    if (pfad.isEmpty()) return;
    for (const char* fenster : {"Ausgabe2", "Ausgabe1"})
        if (QWidget* offen = haupt_.fenster(fenster)) fensterSchliessen(offen);
    QWidget* info = haupt_.zeigen("ImportInfo");
    QApplication::processEvents();
    const bool gelesen = logik_->Excel_Import(pfad);
    if (info) fensterSchliessen(info);
    Programm::instanz().Berechnungsdatum = logik_->zustand().Berechnungsdatum;
    zeilenNeuLaden();
    zeileWaehlen(0);
    if (gelesen && logik_->Fehleranzahl_Melden()) fehlerprotokollOeffnen();
}

void TEingabe::Excel_Export() {
    offeneBearbeitungBuchen();
    arbeitsmappeAusgeben(logik_->Excel_Export(haupt_.IsChildOpen("Ausgabe1"), windowTitle()),
                         haupt_.dialoge());
    zeileAnzeigen();
}
