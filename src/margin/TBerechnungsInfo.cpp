#include "margin/TBerechnungsInfo.h"

#include "shell/Programm.h"
#include "shell/Ueberschrift.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

TBerechnungsInfo::TBerechnungsInfo() {
    const bool englisch = Programm::instanz().sprache == "e";
    setWindowTitle("Information");
    auto* titel = new QLabel(englisch ? "Calculation" : "Berechnung", this);
    alsUeberschrift(titel, 4, Auszeichnung::Unterstrichen);
    auto* hinweis = new QLabel(
        englisch ? "Please note that the calculation of margin requirements for option "
                   "positions due to the consideration of volatility shifts may take "
                   "some time."
                 : "Bitte beachten Sie, dass die Berechnung von Margin-Anforderungen für "
                   "Optionspositionen aufgrund der Berücksichtigung von "
                   "Volatilitätsverschiebungen unterschiedlich lange dauern kann.",
        this);
    hinweis->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(titel);
    layout->addWidget(hinweis);
    setFixedSize(471, 145);
}

void TBerechnungsInfo::closeEvent(QCloseEvent* ereignis) {
    if (freigegeben_)
        ereignis->accept();
    else
        ereignis->ignore();
}
