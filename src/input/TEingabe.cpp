#include "input/TEingabe.h"

#include "input/Eingabedelegate.h"
#include "input/Eingabelogik.h"
#include "input/Eingabemodell.h"
#include "shell/Fensterrahmen.h"
#include "shell/Gitterlayout.h"
#include "shell/IniDatei.h"
#include "shell/Konfiguration.h"
#include "shell/Programm.h"
#include "shell/TMain.h"
#include "store/Datenbank.h"
#include "store/DatenbankFehler.h"
#include "update/Demodaten.h"

#include <QDir>
#include <QFileInfo>

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// Commits the value of an open cell editor, as a menu or button expects.
class Eingabegitter : public QTableView {
public:
    using QTableView::QTableView;
    void bearbeitungBuchen() {
        if (state() != EditingState) return;
        if (QWidget* editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    void bearbeitungVerwerfen() {
        if (state() != EditingState) return;
        if (QWidget* editor = indexWidget(currentIndex()))
            closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
};

// The configured fields of the grid columns; a missing key keeps the
// designed field of that column.
QStringList gitterfelder() {
    const Konfiguration k(Programm::instanz().konfigurationsdatei);
    QStringList felder;
    const QStringList& standard = Eingabemodell::standardfelder();
    for (int n = 0; n < standard.size(); ++n) {
        const QString feld = k.gridFeld(n);
        felder << (feld == "ERROR" ? standard[n] : feld);
    }
    return felder;
}

// A database file that is not there yet is built from the demo reference
// data shipped beside the program; without that folder it starts empty.
void datenbankBereitstellen() {
    const Programm& p = Programm::instanz();
    const QString pfad = p.datenbankpfad();
    const QString daten = Demodaten::ordner(p.programmverzeichnis);
    if (QFileInfo::exists(pfad) || !QDir(daten).exists()) return;
    try {
        Demodaten::anlegen(pfad, p.datenbankdatei == "Quilm_Derivate.abs", daten);
    } catch (const std::exception& f) {
        throw DatenbankFehler(QString::fromUtf8(f.what()));
    }
}

} // namespace

TEingabe::TEingabe(TMain& haupt)
    : haupt_(haupt) {
    datenbankBereitstellen();
    const QSqlDatabase db = Datenbank::oeffnen(Programm::instanz().datenbankpfad());
    logik_ = std::make_unique<Eingabelogik>(db, haupt_.dialoge());
    Programm::instanz().Berechnungsdatum = logik_->zustand().Berechnungsdatum;
    aufbauen();
    connect(&haupt_, &TMain::offeneEingabeBuchen, this, &TEingabe::offeneBearbeitungBuchen);
    Beschriften();
    zeileWaehlen(0);
}

// The window owns the connection: it goes when the window goes.
TEingabe::~TEingabe() {
    gitter_->setModel(nullptr);
    delete modell_;
    logik_.reset();
    Datenbank::schliessen();
}

void TEingabe::aufbauen() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(kopfAufbauen());
    gitter_ = new Eingabegitter(this);
    gitterEinrichten();
    layout->addWidget(gitter_, 1);
    auto* unten = new QHBoxLayout;
    unten->addWidget(navigatorAufbauen());
    unten->addStretch();
    for (const char* name : {"BitBtn1", "BitBtn3", "BitBtn2"}) {
        auto* knopf = new QPushButton(this);
        knopf->setObjectName(name);
        knoepfe_.insert(name, knopf);
        unten->addWidget(knopf);
    }
    layout->addLayout(unten);
    connect(knoepfe_["BitBtn1"], &QPushButton::clicked, this, &TEingabe::alleLoeschen);
    connect(knoepfe_["BitBtn2"], &QPushButton::clicked, this, &TEingabe::berechnungStarten);
    connect(knoepfe_["BitBtn3"], &QPushButton::clicked, this, &TEingabe::eingabenUeberpruefen);
    const Gitterlayout::Layout l =
        Gitterlayout::laden(Konfiguration(Programm::instanz().konfigurationsdatei), 0);
    resize(l.fenster.expandedTo(QSize(900, 480)));
}

QWidget* TEingabe::kopfAufbauen() {
    auto* kopf = new QWidget(this);
    auto* raster = new QGridLayout(kopf);
    raster->setContentsMargins(0, 0, 0, 0);
    const auto label = [&](const QString& schluessel) {
        auto* l = new QLabel(kopf);
        labels_.insert(schluessel, l);
        return l;
    };
    projekt_ = new QLineEdit(kopf);
    projekt_->setObjectName("Projektname");
    datum_ = new QDateEdit(kopf);
    datum_->setObjectName("Datum");
    datum_->setCalendarPopup(true);
    datum_->setMinimumDate(QDate(2000, 1, 1));
    const Programm& p = Programm::instanz();
    datum_->setDisplayFormat(p.datumsstil == "e" ? QString("MM%1dd%1yyyy").arg(p.datumstrenner)
                                                 : QString("dd%1MM%1yyyy").arg(p.datumstrenner));
    datum_->setDate(logik_->zustand().Berechnungsdatum);
    raster->addWidget(label("Label1"), 0, 0);
    raster->addWidget(projekt_, 0, 1, 1, 3);
    raster->addWidget(label("Label2"), 0, 4);
    raster->addWidget(datum_, 0, 5);
    connect(projekt_, &QLineEdit::textEdited, this,
            [this](const QString& t) { logik_->zustand().Projektname = t; });
    connect(datum_, &QDateEdit::editingFinished, this, &TEingabe::datumGewaehlt);

    produktdaten_ = new QWidget(kopf);
    auto* daten = new QGridLayout(produktdaten_);
    daten->setContentsMargins(0, 4, 0, 4);
    const std::pair<const char*, const char*> felder[] = {
        {"Label3", "Produktbezeichnung"}, {"Label4", "Waehrung"},        {"Label5", "MarginKlasse"},
        {"Label6", "MarginGruppe"},       {"Label7", "MarginParameter"}, {"Label8", "ParameterArt"},
        {"Label9", "Multiplikator"},      {"Label10", "TickSize"},       {"Label11", "TickValue"}};
    int n = 0;
    for (const auto& [schluessel, feld] : felder) {
        auto* wert = new QLabel(produktdaten_);
        wert->setObjectName(QString("Wert_") + feld);
        wert->setTextInteractionFlags(Qt::TextSelectableByMouse);
        werte_.insert(feld, wert);
        daten->addWidget(label(schluessel), n / 3, (n % 3) * 2);
        daten->addWidget(wert, n / 3, (n % 3) * 2 + 1);
        ++n;
    }
    preisLabel_ = label("Label12");
    preis_ = new QLineEdit(produktdaten_);
    preis_->setObjectName("AktPreis");
    kursUebernehmen_ = new QPushButton(produktdaten_);
    kursUebernehmen_->setObjectName("KursUebernehmen");
    laufzeitpreisLabel_ = label("Label13");
    laufzeitpreis_ = new QLineEdit(produktdaten_);
    laufzeitpreis_->setObjectName("Laufzeitpreis");
    daten->addWidget(preisLabel_, 3, 0);
    daten->addWidget(preis_, 3, 1);
    daten->addWidget(kursUebernehmen_, 3, 2);
    daten->addWidget(laufzeitpreisLabel_, 3, 3);
    daten->addWidget(laufzeitpreis_, 3, 4);
    raster->addWidget(produktdaten_, 1, 0, 1, 6);
    for (QLineEdit* e : {preis_, laufzeitpreis_}) e->installEventFilter(this);
    connect(preis_, &QLineEdit::textEdited, this,
            [this] { logik_->zustand().AktPreisGeaendert = true; });
    connect(laufzeitpreis_, &QLineEdit::textEdited, this,
            [this] { logik_->zustand().UnderlyingPriceGeaendert = true; });
    for (QLineEdit* e : {preis_, laufzeitpreis_})
        connect(e, &QLineEdit::editingFinished, this, &TEingabe::preisUebernehmen);
    connect(kursUebernehmen_, &QPushButton::clicked, this, &TEingabe::preisUebernehmen);
    produktdaten_->setVisible(false);
    return kopf;
}

void TEingabe::gitterEinrichten() {
    modell_ = new Eingabemodell(*logik_, gitterfelder(), this);
    gitter_->setModel(modell_);
    gitter_->setItemDelegate(new Eingabedelegate(*logik_, gitter_));
    gitter_->setObjectName("DBGrid_Eingabe");
    gitter_->horizontalHeader()->setSectionsMovable(true);
    gitter_->setSelectionBehavior(QAbstractItemView::SelectItems);
    gitter_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    gitter_->verticalHeader()->setDefaultSectionSize(gitter_->fontMetrics().height() + 8);
    gitter_->installEventFilter(this);
    const Konfiguration k(Programm::instanz().konfigurationsdatei);
    for (int n = 0; n < modell_->columnCount(); ++n) gitter_->setColumnWidth(n, k.gridBreite(n));
    connect(gitter_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { zeileAnzeigen(); });
    connect(modell_, &Eingabemodell::feldUebernommen, this, [this] { zeileAnzeigen(); });
}

QToolBar* TEingabe::navigatorAufbauen() {
    auto* leiste = new QToolBar(this);
    leiste->setObjectName("Navigator");
    const auto aktion = [&](const QString& text, auto&& handlung) {
        QAction* a = leiste->addAction(text);
        a->setObjectName("Navigator_" + QString::number(leiste->actions().size() - 1));
        connect(a, &QAction::triggered, this, handlung);
    };
    aktion("|<", [this] { zeileWaehlen(0); });
    aktion("<", [this] { zeileWaehlen(aktuelleZeile() - 1); });
    aktion(">", [this] { zeileWaehlen(aktuelleZeile() + 1); });
    aktion(">|", [this] { zeileWaehlen(modell_->rowCount() - 1); });
    aktion("+", [this] {
        offeneBearbeitungBuchen();
        const int neu = logik_->neueZeile();
        zeilenNeuLaden();
        zeileWaehlen(neu);
    });
    aktion("−", [this] {
        static_cast<Eingabegitter*>(gitter_)->bearbeitungVerwerfen();
        if (!logik_->zeileLoeschen(aktuelleZeile())) return;
        if (logik_->tabelle().anzahl() == 0) logik_->neueZeile();
        zeilenNeuLaden();
    });
    aktion("✎", [this] { gitter_->edit(gitter_->currentIndex()); });
    aktion("✓", [this] { offeneBearbeitungBuchen(); });
    aktion("✗", [this] { static_cast<Eingabegitter*>(gitter_)->bearbeitungVerwerfen(); });
    aktion("⟳", [this] { zeilenNeuLaden(); });
    return leiste;
}

void TEingabe::offeneBearbeitungBuchen() {
    static_cast<Eingabegitter*>(gitter_)->bearbeitungBuchen();
}

void TEingabe::Beschriften() {
    const IniDatei l(Programm::instanz().labeldatei);
    setWindowTitle(l.text("Eingabe", "L0", "x"));
    for (auto it = labels_.begin(); it != labels_.end(); ++it)
        it.value()->setText(l.text("Eingabe", it.key(), it.key()));
    for (auto it = knoepfe_.begin(); it != knoepfe_.end(); ++it)
        it.value()->setText(l.text("Eingabe", it.key(), it.key()));
    kursUebernehmen_->setText(l.text("Eingabe", "BitBtn4H", "Kurs übernehmen"));
    for (const QString& feld : modell_->felder())
        modell_->titelSetzen(feld, l.text("Eingabe-Tabelle", "TAB_" + feld, feld));
    if (auto* navigator = findChild<QToolBar*>("Navigator"))
        for (QAction* a : navigator->actions())
            a->setToolTip(l.text("Allgemein", a->objectName(), QString()));
    zeileAnzeigen();
}

bool TEingabe::PortfolioVerwerfen() {
    offeneBearbeitungBuchen();
    const bool verworfen = logik_->Alle_Loeschen() == 1;
    projekt_->clear();
    zeilenNeuLaden();
    return verworfen;
}

void TEingabe::gitterlayoutSpeichern() {
    offeneBearbeitungBuchen();
    const QHeaderView* kopf = gitter_->horizontalHeader();
    Gitterlayout::Layout layout;
    for (int sichtbar = 0; sichtbar < kopf->count(); ++sichtbar) {
        const int spalte = kopf->logicalIndex(sichtbar);
        // A column hidden for the current row keeps its width only while shown.
        const bool versteckt = gitter_->isColumnHidden(spalte);
        gitter_->setColumnHidden(spalte, false);
        layout.spalten.push_back({modell_->feld(spalte), kopf->sectionSize(spalte)});
        gitter_->setColumnHidden(spalte, versteckt);
    }
    layout.fenster = fensterrahmen(this)->size();
    Gitterlayout::speichern(Konfiguration(Programm::instanz().konfigurationsdatei), layout);
}
