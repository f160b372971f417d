#include "refdata/TFehlerprotokoll.h"

#include "shell/Arbeitsmappe.h"
#include "shell/Arbeitsmappenausgabe.h"
#include "shell/Fensterrahmen.h"
#include "shell/IniDatei.h"
#include "shell/Programm.h"
#include "shell/TMain.h"
#include "shell/Ueberschrift.h"
#include "store/Datenbank.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const char* const kFelder[] = {"ZeilenNr", "ProdName", "Beschreibung"};
}

TFehlerprotokoll::TFehlerprotokoll(TMain& haupt)
    : haupt_(haupt)
    , titel_(new QLabel(this))
    , gitter_(new QTableView(this))
    , modell_(new QSqlQueryModel(this))
    , ausgabe_(new QPushButton(this))
    , schliessen_(new QPushButton(this)) {
    alsUeberschrift(titel_, 3);
    gitter_->setModel(modell_);
    gitter_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gitter_->horizontalHeader()->setStretchLastSection(true);
    gitter_->verticalHeader()->hide();
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(ausgabe_);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titel_);
    layout->addWidget(gitter_, 1);
    layout->addLayout(knoepfe);
    connect(ausgabe_, &QPushButton::clicked, this, &TFehlerprotokoll::exportieren);
    connect(schliessen_, &QPushButton::clicked, this, [this] { fensterSchliessen(this); });
    resize(720, 360);
    neuLaden();
}

void TFehlerprotokoll::neuLaden() {
    modell_->setQuery(
        QSqlQuery("SELECT ZeilenNr, ProdName, Beschreibung FROM FehlerP ORDER BY ZeilenNr, LfdNr",
                  Datenbank::verbindung()));
    while (modell_->canFetchMore()) modell_->fetchMore();
    Beschriften();
    gitter_->resizeColumnToContents(0);
    gitter_->resizeColumnToContents(1);
}

void TFehlerprotokoll::Beschriften() {
    const IniDatei l(Programm::instanz().labeldatei);
    const QString titel = l.text("Fehlerprotokoll", "L0", "Fehlerprotokoll");
    setWindowTitle(titel);
    titel_->setText(titel);
    for (int i = 0; i < 3; ++i)
        modell_->setHeaderData(i, Qt::Horizontal,
                               l.text("Fehlerprotokoll", QString("TAB_") + kFelder[i], kFelder[i]));
    ausgabe_->setText(l.text("Allgemein", "L_Ausgabe", "Ausgabe in Excel"));
    schliessen_->setText(l.text("Allgemein", "L_Schliessen", "Schließen"));
}

void TFehlerprotokoll::exportieren() {
    Arbeitsmappe m;
    m.blattBenennen(titel_->text());
    m.schreiben("A1", titel_->text());
    m.fett("A1:C3");
    for (int s = 0; s < 3; ++s)
        m.schreiben(Zellbezug{2, s}.name(), modell_->headerData(s, Qt::Horizontal).toString());
    for (int z = 0; z < modell_->rowCount(); ++z) {
        m.schreiben(Zellbezug{z + 3, 0}.name(),
                    static_cast<double>(modell_->index(z, 0).data().toInt()));
        m.schreiben(Zellbezug{z + 3, 1}.name(), modell_->index(z, 1).data().toString());
        m.schreiben(Zellbezug{z + 3, 2}.name(), modell_->index(z, 2).data().toString());
    }
    m.spaltenAnpassen("A1:Z1");
    arbeitsmappeAusgeben(m, haupt_.dialoge());
}
