#include "input/TEingabe.h"

#include "shell/Dialoge.h"
#include "shell/Fensterrahmen.h"
#include "shell/Gitterlayout.h"
#include "shell/IniDatei.h"
#include "shell/Konfiguration.h"
#include "shell/Programm.h"
#include "shell/TMain.h"
#include "store/Datenbank.h"
#include "store/DatenbankFehler.h"
#include "store/Sql.h"

#include <QHeaderView>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>
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
};

} // namespace

TEingabe::TEingabe(TMain& haupt)
    : haupt_(haupt)
    , gitter_(new Eingabegitter(this)) {
    datenbankVerbinden();
    modell_ = new QSqlTableModel(this, Datenbank::verbindung());
    modell_->setTable("Eingabe");
    modell_->setEditStrategy(QSqlTableModel::OnFieldChange);
    modell_->select();
    gitter_->setModel(modell_);
    gitter_->horizontalHeader()->setSectionsMovable(true);
    gitter_->setAlternatingRowColors(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(gitter_);
    connect(&haupt_, &TMain::offeneEingabeBuchen, this, &TEingabe::offeneBearbeitungBuchen);
    gitterlayoutLaden();
    Beschriften();
}

// The window owns the connection: it goes when the window goes.
TEingabe::~TEingabe() {
    gitter_->setModel(nullptr);
    delete modell_;
    Datenbank::schliessen();
}

void TEingabe::datenbankVerbinden() {
    const QSqlDatabase db = Datenbank::oeffnen(Programm::instanz().datenbankpfad());
    try {
        Sql::ausfuehren(db, "SELECT * FROM MarginKlasse");
    } catch (const DatenbankFehler&) {
        haupt_.dialoge().Fehlermeldung_Zeigen(8);
    }
    Sql::ausfuehren(db, "DELETE FROM Eingabe");
    Sql::ausfuehren(db, "DELETE FROM Laufzeiten");
    Programm::instanz().Berechnungsdatum = QDate::currentDate();
}

void TEingabe::Beschriften() {
    const IniDatei l(Programm::instanz().labeldatei);
    setWindowTitle(l.text("Eingabe", "L0", "x"));
    const QSqlRecord felder = modell_->record();
    for (int i = 0; i < felder.count(); ++i)
        modell_->setHeaderData(
            i, Qt::Horizontal,
            l.text("Eingabe-Tabelle", "TAB_" + felder.fieldName(i), felder.fieldName(i)));
}

bool TEingabe::PortfolioVerwerfen() {
    offeneBearbeitungBuchen();
    const QSqlDatabase db = Datenbank::verbindung();
    if (Sql::wert(db, "SELECT count(*) FROM Eingabe").toInt() == 0) return true;
    if (!haupt_.dialoge().Bestaetigung_Fragen(2)) return false;
    Sql::ausfuehren(db, "DELETE FROM Eingabe");
    modell_->select();
    return true;
}

void TEingabe::offeneBearbeitungBuchen() {
    static_cast<Eingabegitter*>(gitter_)->bearbeitungBuchen();
}

void TEingabe::gitterlayoutSpeichern() {
    const QHeaderView* kopf = gitter_->horizontalHeader();
    Gitterlayout::Layout layout;
    for (int sichtbar = 0; sichtbar < kopf->count(); ++sichtbar) {
        const int spalte = kopf->logicalIndex(sichtbar);
        layout.spalten.push_back({modell_->record().fieldName(spalte), kopf->sectionSize(spalte)});
    }
    layout.fenster = fensterrahmen(this)->size();
    if (!Gitterlayout::speichern(Konfiguration(Programm::instanz().konfigurationsdatei), layout))
        haupt_.dialoge().Hinweis_Zeigen(MeldungsArt::Fehler,
                                        Programm::instanz().konfigurationsdatei);
}

// Columns named in the configuration take their place and width; a name
// that is not a field of the table leaves that column as designed.
void TEingabe::gitterlayoutLaden() {
    QHeaderView* kopf = gitter_->horizontalHeader();
    const Gitterlayout::Layout layout =
        Gitterlayout::laden(Konfiguration(Programm::instanz().konfigurationsdatei), kopf->count());
    for (int n = 0; n < static_cast<int>(layout.spalten.size()); ++n) {
        const int spalte = modell_->fieldIndex(layout.spalten[static_cast<size_t>(n)].feld);
        if (spalte < 0) continue;
        kopf->moveSection(kopf->visualIndex(spalte), n);
        kopf->resizeSection(spalte, layout.spalten[static_cast<size_t>(n)].breite);
    }
    resize(layout.fenster);
}
