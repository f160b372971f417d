#include "input/Wahldialog.h"

#include "shell/IniDatei.h"
#include "shell/Programm.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Wahldialog::Wahldialog(QWidget* eltern, QString sektion, QString titel, std::vector<Text> texte,
                       std::vector<Knopf> knoepfe)
    : QDialog(eltern, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , sektion_(std::move(sektion))
    , titel_(std::move(titel)) {
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    for (const Text& t : texte) {
        auto* label = new QLabel(this);
        label->setWordWrap(true);
        label->setObjectName(t.schluessel);
        layout->addWidget(label);
        texte_.emplace_back(t, label);
    }
    layout->addSpacing(8);
    for (const Knopf& k : knoepfe) {
        auto* knopf = new QPushButton(this);
        knopf->setObjectName(k.schluessel);
        layout->addWidget(knopf);
        connect(knopf, &QPushButton::clicked, this, [this, wert = k.wert] { done(wert); });
        knoepfe_.emplace_back(k, knopf);
    }
    setMinimumWidth(480);
    Beschriften();
}

void Wahldialog::Beschriften() {
    const IniDatei l(Programm::instanz().labeldatei);
    setWindowTitle(l.text(sektion_, "L0", titel_));
    for (auto& [t, label] : texte_) label->setText(l.text(sektion_, t.schluessel, t.text));
    for (auto& [k, knopf] : knoepfe_) knopf->setText(l.text(sektion_, k.schluessel, k.text));
}
