#include "shell/TInfo.h"

#include "shell/Fensterrahmen.h"
#include "shell/IniDatei.h"
#include "shell/Konfiguration.h"
#include "shell/Programm.h"
#include "shell/Ueberschrift.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TInfo::TInfo()
    : titel_(new QLabel(this))
    , version_(new QLabel(this))
    , schliessen_(new QPushButton(this)) {
    alsUeberschrift(titel_, 4);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addWidget(titel_, 0, Qt::AlignHCenter);
    layout->addWidget(version_, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(schliessen_, 0, Qt::AlignHCenter);
    connect(schliessen_, &QPushButton::clicked, this, [this] { fensterSchliessen(this); });
    Beschriften();
}

void TInfo::Beschriften() {
    const Programm& p = Programm::instanz();
    const IniDatei l(p.labeldatei);
    setWindowTitle(l.text("Info", "L0", "Info"));
    titel_->setText(l.text("Info", "L30", "Sorvant-Quillmark"));
    version_->setText("Version " + Konfiguration(p.konfigurationsdatei).dbVersion() + " / " +
                      l.text("Info", "L1", "Stand März 2006"));
    schliessen_->setText(l.text("Allgemein", "L_Schliessen", "Schließen"));
}
