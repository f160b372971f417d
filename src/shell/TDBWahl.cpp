#include "shell/TDBWahl.h"

#include "shell/IniDatei.h"
#include "shell/Programm.h"
#include "shell/TMain.h"
#include "shell/Ueberschrift.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TDBWahl::TDBWahl(TMain& haupt)
    : QWidget(&haupt, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , haupt_(haupt)
    , willkommen_(new QLabel(this))
    , erklaerung1_(new QLabel(this))
    , erklaerung2_(new QLabel(this))
    , derivate_(new QPushButton(this))
    , alles_(new QPushButton(this))
    , sprache_(new QPushButton(this)) {
    setWindowModality(Qt::ApplicationModal);
    alsUeberschrift(willkommen_, 6);
    for (QLabel* l : {erklaerung1_, erklaerung2_}) l->setWordWrap(true);
    derivate_->setObjectName("BT_Derivate");
    alles_->setObjectName("BT_Alles");
    sprache_->setObjectName("BT_Sprache");

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(derivate_);
    knoepfe->addWidget(alles_);
    knoepfe->addStretch();
    knoepfe->addWidget(sprache_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(12);
    for (QLabel* l : {willkommen_, erklaerung1_, erklaerung2_}) layout->addWidget(l);
    layout->addLayout(knoepfe);
    setFixedWidth(520);

    connect(derivate_, &QPushButton::clicked, this,
            [this] { datenbankWaehlen("Quilm_Derivate.abs"); });
    connect(alles_, &QPushButton::clicked, this, [this] { datenbankWaehlen("Quilm.abs"); });
    connect(sprache_, &QPushButton::clicked, this,
            [this] { haupt_.SwitchLanguage(Programm::instanz().sprache != "d" ? "d" : "e"); });
    alles_->setDefault(true);
    haupt_.menuesFreigeben(false);
    Beschriften();
}

void TDBWahl::Beschriften() {
    const IniDatei l(Programm::instanz().labeldatei);
    const QString s = "DBWahl";
    setWindowTitle(l.text(s, "L0", "Datenbankauswahl"));
    willkommen_->setText(l.text(s, "Label1", "Herzlich willkommen!"));
    erklaerung1_->setText(
        l.text(s, "Label2",
               "Quillmark Derivate: nur die Derivate; die kleinere Datenbank rechnet schneller."));
    erklaerung2_->setText(
        l.text(s, "Label3", "Quillmark Alle Produkte: Derivate, Aktien und Anleihen."));
    derivate_->setText(l.text(s, "BT_Derivate", "Quillmark Derivate"));
    alles_->setText(l.text(s, "BT_Alles", "Quillmark Alle Produkte"));
    sprache_->setText(l.text(s, "BT_Sprache", "English"));
    adjustSize();
}

void TDBWahl::datenbankWaehlen(const QString& datei) {
    Programm::instanz().datenbankdatei = datei;
    if (!haupt_.zeigen("Eingabe")) return; // the reason was shown; the user may choose again
    gewaehlt_ = true;
    close();
}

void TDBWahl::closeEvent(QCloseEvent* ereignis) {
    if (!gewaehlt_) {
        ereignis->ignore();
        return;
    }
    haupt_.menuesFreigeben(true);
    ereignis->accept();
}
