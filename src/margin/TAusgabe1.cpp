#include "margin/TAusgabe1.h"

#include "margin/Berechnungsfehler.h"
#include "margin/Berechnungslauf.h"
#include "margin/Ergebnismodell.h"
#include "margin/Rechenumgebung.h"
#include "margin/TBerechnungsInfo.h"
#include "shell/Auffrischbar.h"
#include "shell/Dialoge.h"
#include "shell/Eingabefenster.h"
#include "shell/Fensterrahmen.h"
#include "shell/IniDatei.h"
#include "shell/Programm.h"
#include "shell/TMain.h"
#include "shell/Ueberschrift.h"
#include "store/Datenbank.h"
#include "store/Sql.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

TAusgabe1::TAusgabe1(TMain& haupt)
    : haupt_(haupt)
    , titel_(new QLabel(this))
    , dateiname_(new QLabel(this))
    , hinweis_(new QLabel(this))
    , rechts_(new QWidget(this))
    , rolle_(new QScrollArea(rechts_))
    , klassen_(new QGroupBox(this))
    , klassenLayout_(new QVBoxLayout(klassen_))
    , klassenWahl_(new QButtonGroup(this))
    , gitter_(new QTableView(this))
    , modell_(new Ergebnismodell(this))
    , fortschritt_(new QProgressBar(this))
    , export_(new QPushButton("Pemby-Excel-Export", this))
    , eingabemaske_(new QPushButton(this))
    , schliessen_(new QPushButton(this)) {
    alsUeberschrift(titel_, 3, Auszeichnung::Unterstrichen);
    hinweis_->setWordWrap(true);
    klassenLayout_->setSpacing(0);
    klassenLayout_->setAlignment(Qt::AlignTop);
    rolle_->setWidget(klassen_);
    rolle_->setWidgetResizable(true);
    rolle_->setMinimumHeight(100);
    auto* rechtsLayout = new QVBoxLayout(rechts_);
    rechtsLayout->setContentsMargins(0, 0, 0, 0);
    rechtsLayout->addWidget(hinweis_);
    rechtsLayout->addWidget(rolle_, 1);
    rechts_->setFixedWidth(126 + 40);

    gitter_->setModel(modell_);
    gitter_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gitter_->verticalHeader()->hide();
    for (const auto& [spalte, breite] : {std::pair{0, 90}, {1, 80}, {2, 72}, {6, 90}, {7, 90}})
        gitter_->setColumnWidth(spalte, breite);

    auto* mitte = new QHBoxLayout;
    mitte->addWidget(gitter_, 1);
    mitte->addWidget(rechts_);
    auto* unten = new QHBoxLayout;
    unten->addWidget(export_);
    unten->addWidget(fortschritt_, 1);
    unten->addStretch();
    unten->addWidget(eingabemaske_);
    unten->addWidget(schliessen_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titel_);
    layout->addWidget(dateiname_);
    layout->addLayout(mitte, 1);
    layout->addLayout(unten);

    export_->setVisible(Programm::instanz().wartung);
    eingabemaske_->setDefault(true);
    fortschritt_->setVisible(false);
    fortschritt_->setFormat("%v / %m");
    connect(export_, &QPushButton::clicked, this, &TAusgabe1::excelExport);
    connect(eingabemaske_, &QPushButton::clicked, this, [this] { haupt_.zeigen("Eingabe"); });
    connect(schliessen_, &QPushButton::clicked, this, [this] {
        if (QWidget* details = haupt_.fenster("Ausgabe2")) fensterSchliessen(details);
        fensterSchliessen(this);
    });
    connect(klassenWahl_, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton* knopf) { klasseGewaehlt(knopf->text()); });
    resize(826 + 60, 503);
    Beschriften();
    modell_->laden();
    berechnen();
}

// A run still going when the window is closed is cancelled between two
// classes; it writes nothing.
TAusgabe1::~TAusgabe1() {
    abbruch_ = true;
    if (arbeiter_.joinable()) arbeiter_.join();
    infoSchliessen();
}

void TAusgabe1::Beschriften() {
    const IniDatei l(Programm::instanz().labeldatei);
    setWindowTitle(l.text("Ausgabe1", "L0", "Margin-Anforderungen"));
    titel_->setText(l.text("Ausgabe1", "Label3", "Margin-Anforderungen"));
    hinweis_->setText(
        l.text("Ausgabe1", "Label1",
               "Bitte klicken Sie die Margin-Klasse an, für Sie eine detailierte Darstellung "
               "sehen möchten."));
    klassen_->setTitle(l.text("Allgemein", "L_MarginKlasse", "Margin-Klasse"));
    eingabemaske_->setText(l.text("Ausgabe1", "BitBtn1", "Eingabemaske"));
    schliessen_->setText(l.text("Allgemein", "L_Schliessen", "Schließen"));
    for (int i = 0; i < Ergebnismodell::felder().size(); ++i) {
        const QString& feld = Ergebnismodell::felder()[i];
        modell_->setHeaderData(i, Qt::Horizontal, l.text("Ausgabe1", "TAB_" + feld, feld));
    }
}

void TAusgabe1::berechnen() {
    if (laeuft()) return; // one calculation at a time
    const Programm& p = Programm::instanz();
    const QSqlDatabase db = Datenbank::verbindung();
    std::shared_ptr<const Margin::Berechnungslauf> lauf;
    try {
        lauf = std::make_shared<const Margin::Berechnungslauf>(
            Margin::Berechnungslauf::laden(db, p.Berechnungsdatum, p.Ausgabewaehrung));
    } catch (const std::exception& f) {
        haupt_.dialoge().Hinweis_Zeigen(MeldungsArt::Fehler, QString::fromUtf8(f.what()));
        emit berechnet(false);
        return;
    }
    if (Sql::wert(db, "SELECT count(*) FROM Eingabe WHERE upper(O_F) = 'O'").toInt() > 0)
        info_ = haupt_.zeigen("BerechnungsInfo");
    if (auto* eingabe = haupt_.fenster("Eingabe"))
        if (auto* name = eingabe->findChild<QLineEdit*>("Projektname"))
            dateiname_->setText(name->text());
    fortschritt_->setRange(0, 0);
    fortschritt_->setVisible(true);
    abbruch_ = false;
    arbeiter_ = std::thread([this, lauf] {
        std::shared_ptr<Margin::Ergebnis> ergebnis;
        QString fehler;
        const auto melden = [this](int erledigt, int gesamt) {
            QMetaObject::invokeMethod(this, [this, erledigt, gesamt] {
                fortschritt_->setRange(0, gesamt);
                fortschritt_->setValue(erledigt);
            });
        };
        try {
            ergebnis = std::make_shared<Margin::Ergebnis>(lauf->rechnen(melden, &abbruch_));
        } catch (const Margin::Berechnungsabbruch&) {
        } catch (const std::exception& f) {
            fehler = QString::fromUtf8(f.what());
        }
        QMetaObject::invokeMethod(this,
                                  [this, ergebnis, fehler] { rechnenFertig(ergebnis, fehler); });
    });
}

void TAusgabe1::rechnenFertig(std::shared_ptr<Margin::Ergebnis> ergebnis, QString fehler) {
    if (arbeiter_.joinable()) arbeiter_.join();
    fortschritt_->setVisible(false);
    infoSchliessen();
    if (ergebnis) {
        try {
            Margin::Berechnungslauf::schreiben(Datenbank::verbindung(), *ergebnis);
        } catch (const std::exception& f) {
            fehler = QString::fromUtf8(f.what());
            ergebnis.reset();
        }
    }
    if (!fehler.isEmpty()) haupt_.dialoge().Hinweis_Zeigen(MeldungsArt::Fehler, fehler);
    modell_->laden();
    Beschriften();
    gitter_->resizeColumnsToContents();
    if (ergebnis) klassenFuellen(ergebnis->KlassenListe);
    emit berechnet(ergebnis != nullptr);
}

void TAusgabe1::klassenFuellen(const QStringList& liste) {
    for (QAbstractButton* knopf : klassenWahl_->buttons()) {
        klassenWahl_->removeButton(knopf);
        delete knopf;
    }
    for (const QString& klasse : liste) {
        auto* knopf = new QRadioButton(klasse, klassen_);
        knopf->setFixedHeight(20);
        klassenWahl_->addButton(knopf);
        klassenLayout_->addWidget(knopf);
    }
    klassen_->setTitle(Programm::instanz().sprache == "d" ? "Margin-Klassen" : "Margin Classes");
    klassen_->setMinimumHeight(20 * static_cast<int>(liste.size()) + 24);
    rechts_->setVisible(!liste.isEmpty());
}

void TAusgabe1::klasseGewaehlt(const QString& klasse) {
    Programm& p = Programm::instanz();
    p.AusgewaehlteKlasse = klasse;
    p.KlasseGewechselt = true;
    if (auto* details = dynamic_cast<Auffrischbar*>(haupt_.fenster("Ausgabe2")))
        details->neuLaden();
    haupt_.zeigen("Ausgabe2");
}

void TAusgabe1::infoSchliessen() {
    if (auto* info = qobject_cast<TBerechnungsInfo*>(info_.data())) {
        info->freigeben();
        fensterSchliessen(info);
    }
}
