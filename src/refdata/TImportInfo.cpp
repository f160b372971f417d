#include "refdata/TImportInfo.h"

#include "shell/IniDatei.h"
#include "shell/Programm.h"
#include "shell/Ueberschrift.h"

#include <QLabel>
#include <QVBoxLayout>

TImportInfo::TImportInfo()
    : ueberschrift_(new QLabel(this))
    , text1_(new QLabel(this))
    , text2_(new QLabel(this)) {
    alsUeberschrift(ueberschrift_, 3);
    text2_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    for (QLabel* l : {ueberschrift_, text1_, text2_}) layout->addWidget(l);
    setFixedWidth(460);
    Beschriften();
}

void TImportInfo::Beschriften() {
    const IniDatei l(Programm::instanz().labeldatei);
    setWindowTitle(l.text("ImportInfo", "L0", "Import Informationen"));
    ueberschrift_->setText(l.text("ImportInfo", "Label1", "Datenimport aus Excel"));
    text1_->setText(l.text("ImportInfo", "Label2", "Ihre Daten werden importiert"));
    text2_->setText(l.text(
        "ImportInfo", "Label3",
        "Bitte beachten Sie, dass das Einlesen der Datei je nach Umfang und Komplexität "
        "unterschiedlich lange dauern kann, da Ihre Daten auf Plausibilität geprüft werden."));
}
