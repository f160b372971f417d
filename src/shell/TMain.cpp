#include "shell/TMain.h"

#include "shell/Auffrischbar.h"
#include "shell/Beschriftbar.h"
#include "shell/Dialoge.h"
#include "shell/Eingabefenster.h"
#include "shell/Fensterfabrik.h"
#include "shell/Fensterrahmen.h"
#include "shell/IniDatei.h"
#include "shell/Konfiguration.h"
#include "shell/Menuetexte.h"
#include "shell/Programm.h"
#include "shell/Programmsymbol.h"
#include "shell/THilfe.h"
#include "store/DatenbankFehler.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTimer>

namespace {

// Keeps a window alive when the user closes it: it is only minimised.
class NurMinimieren : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* ziel, QEvent* ereignis) override {
        if (ereignis->type() != QEvent::Close) return false;
        ereignis->ignore();
        static_cast<QWidget*>(ziel)->showMinimized();
        return true;
    }
};

} // namespace

TMain::TMain(const QString& programmverzeichnis, Dialoge& dialoge, QWidget* parent)
    : QMainWindow(parent)
    , dialoge_(dialoge)
    , mdi_(new QMdiArea(this)) {
    setObjectName("Main");
    setCentralWidget(mdi_);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWindowTitle("Sorvant Quillmark 2");
    setWindowIcon(programmsymbol());

    Programm::instanz().initialisieren(programmverzeichnis, Programm::systemDatumstrenner());
    menuesAnlegen();
    auto* zeitgeber = new QTimer(this);
    zeitgeber->setInterval(100);
    connect(zeitgeber, &QTimer::timeout, this, &TMain::zeitgeberTick);
    zeitgeber->start();
    aktion("L_2_9_1")->setChecked(Programm::instanz().sprache == "d");
    aktion("L_2_9_2")->setChecked(Programm::instanz().sprache == "e");
    hilfefilmSichtbarkeit();
    hauptfensterBeschriften();
}

TMain::~TMain() {
    if (hilfe_) hilfe_->close();
}

QAction* TMain::eintrag(QMenu* menue, const QString& schluessel, const QString& fenstername) {
    QAction* a = menue->addAction(eingebauterMenuetext(schluessel));
    a->setObjectName(schluessel);
    aktionen_.insert(schluessel, a);
    if (!fenstername.isEmpty()) {
        a->setEnabled(Fensterfabrik::art(fenstername) != nullptr);
        connect(a, &QAction::triggered, this, [this, fenstername] {
            emit offeneEingabeBuchen();
            zeigen(fenstername);
        });
    }
    return a;
}

void TMain::menuesAnlegen() {
    auto neuesMenue = [this](const QString& schluessel) {
        QMenu* m = menuBar()->addMenu(eingebauterMenuetext(schluessel));
        m->setObjectName(schluessel);
        menues_.insert(schluessel, m);
        connect(m, &QMenu::aboutToShow, this, &TMain::offeneEingabeBuchen);
        return m;
    };

    QMenu* datei = neuesMenue("L_1");
    eintrag(datei, "L_1_1")->setShortcut(QKeySequence("Ctrl+N"));
    eintrag(datei, "L_1_2", "Oeffnen")->setShortcut(QKeySequence("Ctrl+O"));
    eintrag(datei, "L_1_3", "Speichern")->setShortcut(QKeySequence("Ctrl+S"));
    datei->addSeparator();
    eintrag(datei, "L_1_5");
    eintrag(datei, "L_1_6");
    connect(aktion("L_1_5"), &QAction::triggered, this, [this] {
        auto* eingabe = dynamic_cast<Eingabefenster*>(fenster("Eingabe"));
        if (eingabe && eingabe->PortfolioVerwerfen()) eingabe->Excel_Import();
    });
    connect(aktion("L_1_6"), &QAction::triggered, this, [this] {
        if (auto* eingabe = dynamic_cast<Eingabefenster*>(fenster("Eingabe")))
            eingabe->Excel_Export();
    });
    datei->addSeparator();
    eintrag(datei, "L_1_11");
    connect(aktion("L_1_1"), &QAction::triggered, this, &TMain::neu);
    connect(aktion("L_1_11"), &QAction::triggered, qApp, &QApplication::quit, Qt::QueuedConnection);

    QMenu* einstellungen = neuesMenue("L_2");
    eintrag(einstellungen, "L_2_1", "Einstellungen_Produkte");
    eintrag(einstellungen, "L_2_2", "Einstellungen_MarginKlasse");
    eintrag(einstellungen, "L_2_3", "Einstellungen_MarginGruppe");
    einstellungen->addSeparator();
    eintrag(einstellungen, "L_2_12", "Update");
    einstellungen->addSeparator();
    eintrag(einstellungen, "L_2_5", "Zins");
    eintrag(einstellungen, "L_2_6", "Waehrung");
    eintrag(einstellungen, "L_2_7", "Einstellungen_Feiertage");
    einstellungen->addSeparator();
    QMenu* sprache = einstellungen->addMenu(eingebauterMenuetext("L_2_9"));
    sprache->setObjectName("L_2_9");
    menues_.insert("L_2_9", sprache);
    for (const auto& [schluessel, code] :
         {std::pair<QString, QString>{"L_2_9_1", "d"}, {"L_2_9_2", "e"}}) {
        QAction* a = eintrag(sprache, schluessel);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, a, code = code] {
            SwitchLanguage(code);
            a->setChecked(Programm::instanz().sprache == code);
        });
    }
    eintrag(einstellungen, "L_2_11");
    connect(aktion("L_2_11"), &QAction::triggered, this, &TMain::gitterlayoutSpeichern);
    einstellungen->addSeparator();
    eintrag(einstellungen, "Export1", "Pemby_Export");
    connect(einstellungen, &QMenu::aboutToShow, this,
            [this] { aktion("Export1")->setVisible(Programm::instanz().wartung); });
    aktion("Export1")->setVisible(Programm::instanz().wartung);

    QMenu* hilfe = neuesMenue("L_3");
    eintrag(hilfe, "L_3_1")->setShortcut(QKeySequence(Qt::Key_F1));
    eintrag(hilfe, "L_3_3", "Info");
    filmTrenner_ = hilfe->addSeparator();
    eintrag(hilfe, "L_3_4");
    connect(aktion("L_3_1"), &QAction::triggered, this, &TMain::hilfeZeigen);
    connect(aktion("L_3_4"), &QAction::triggered, this, &TMain::hilfefilmStarten);
    connect(hilfe, &QMenu::aboutToShow, this, &TMain::hilfefilmSichtbarkeit);
}

QAction* TMain::aktion(const QString& schluessel) const {
    return aktionen_.value(schluessel);
}

QMenu* TMain::menue(const QString& schluessel) const {
    return menues_.value(schluessel);
}

void TMain::hauptfensterBeschriften() {
    const Programm& p = Programm::instanz();
    const IniDatei labels(p.labeldatei);
    setWindowTitle(labels.text("Allgemein", "Programmname", "x") + " " +
                   Konfiguration(p.konfigurationsdatei).dbVersion());
    for (auto it = menues_.cbegin(); it != menues_.cend(); ++it)
        it.value()->setTitle(labels.text("Menue", it.key(), eingebauterMenuetext(it.key())));
    for (auto it = aktionen_.cbegin(); it != aktionen_.cend(); ++it)
        it.value()->setText(labels.text("Menue", it.key(), eingebauterMenuetext(it.key())));
}

void TMain::hilfefilmSichtbarkeit() {
    const bool vorhanden = QFileInfo::exists(Programm::instanz().hilfefilm);
    aktion("L_3_4")->setVisible(vorhanden);
    filmTrenner_->setVisible(vorhanden);
}

void TMain::zeitgeberTick() {
    Programm& p = Programm::instanz();
    if (!p.startflag) return;
    p.startflag = false;
    zeigen("DBWahl");
}

void TMain::menuesFreigeben(bool frei) {
    for (const char* schluessel : {"L_1", "L_2", "L_3"})
        menue(schluessel)->menuAction()->setEnabled(frei);
}

void TMain::SwitchLanguage(const QString& code) {
    Programm& p = Programm::instanz();
    if (code == p.sprache) return;
    p.spracheSetzen(code);
    aktion("L_2_9_1")->setChecked(code == "d");
    aktion("L_2_9_2")->setChecked(code == "e");
    hilfefilmSichtbarkeit();
    Konfiguration(p.konfigurationsdatei).spracheSchreiben(code);
    hauptfensterBeschriften();
    for (const QString& name : Fensterfabrik::beschriftungsreihenfolge())
        if (auto* b = dynamic_cast<Beschriftbar*>(fenster(name))) b->Beschriften();
}

bool TMain::IsChildOpen(const QString& fenstername) const {
    return fenster(fenstername) != nullptr;
}

QWidget* TMain::fenster(const QString& fenstername) const {
    return fenster_.value(fenstername).data();
}

QWidget* TMain::zeigen(const QString& fenstername) {
    QWidget* offen = fenster(fenstername);
    if (!offen) return erzeugen(fenstername);
    if (auto* auffrischbar = dynamic_cast<Auffrischbar*>(offen)) auffrischbar->neuLaden();
    QWidget* rahmen = fensterrahmen(offen);
    rahmen->setVisible(true);
    rahmen->showNormal();
    rahmen->raise();
    if (auto* kind = qobject_cast<QMdiSubWindow*>(rahmen)) mdi_->setActiveSubWindow(kind);
    offen->activateWindow();
    return offen;
}

QWidget* TMain::erzeugen(const QString& fenstername) {
    const Fensterfabrik::Fensterart* art = Fensterfabrik::art(fenstername);
    if (!art) return nullptr;
    QWidget* neu = nullptr;
    try {
        neu = art->erzeugen(*this);
    } catch (const DatenbankFehler& f) {
        dialoge_.Hinweis_Zeigen(MeldungsArt::Fehler, f.text());
        return nullptr;
    }
    neu->setObjectName(fenstername);
    neu->setProperty("hilfethema", art->hilfethema);
    fenster_.insert(fenstername, neu);
    if (art->mdiKind) {
        // A window that chose its size (the input window restores the saved
        // one) keeps it as the size of its frame.
        const bool eigeneGroesse = neu->testAttribute(Qt::WA_Resized);
        const QSize groesse = neu->size();
        QMdiSubWindow* rahmen = mdi_->addSubWindow(
            neu, art->festeGroesse ? Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                                   : Qt::SubWindow);
        if (eigeneGroesse) rahmen->resize(groesse);
        if (art->festeGroesse) rahmen->setFixedSize(rahmen->sizeHint());
        rahmen->setObjectName(fenstername);
        rahmen->setAttribute(Qt::WA_DeleteOnClose);
        if (dynamic_cast<Eingabefenster*>(neu))
            rahmen->installEventFilter(new NurMinimieren(rahmen));
        rahmen->show();
    } else {
        neu->setAttribute(Qt::WA_DeleteOnClose);
        neu->show();
    }
    return neu;
}

void TMain::neu() {
    auto* eingabe = dynamic_cast<Eingabefenster*>(fenster("Eingabe"));
    if (eingabe) eingabe->PortfolioVerwerfen();
    Programm::instanz().Berechnungsdatum = QDate::currentDate();
    zeigen("Eingabe");
}

void TMain::ergebnisseBerechnen() {
    auto* offen = dynamic_cast<Ergebnisfenster*>(fenster("Ausgabe1"));
    zeigen("Ausgabe1");
    if (offen) offen->berechnen();
}

void TMain::gitterlayoutSpeichern() {
    if (auto* eingabe = dynamic_cast<Eingabefenster*>(fenster("Eingabe")))
        eingabe->gitterlayoutSpeichern();
}

void TMain::hilfeZeigen() {
    Programm& p = Programm::instanz();
    p.hilfedateiLesen();
    int thema = 0;
    if (QMdiSubWindow* aktiv = mdi_->activeSubWindow(); aktiv && aktiv->widget())
        thema = aktiv->widget()->property("hilfethema").toInt();
    if (!hilfe_) hilfe_ = new THilfe(this);
    if (!hilfe_->oeffnen(p.hilfedatei, thema)) {
        dialoge_.Hinweis_Zeigen(MeldungsArt::Warnung, hilfe_->fehlertext());
        return;
    }
    hilfe_->show();
    hilfe_->raise();
}

void TMain::hilfefilmStarten() {
    const QString film = Programm::instanz().hilfefilm;
    if (!QFileInfo::exists(film) || !QProcess::startDetached(film, {}))
        dialoge_.Fehlermeldung_Zeigen(80);
}
