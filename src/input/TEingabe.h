#pragma once

#include "shell/Beschriftbar.h"
#include "shell/Eingabefenster.h"

#include <QHash>
#include <QWidget>
#include <memory>

class Eingabelogik;
class Eingabemodell;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolBar;
class TMain;
struct Spaltenlayout;

// The position input window. It owns the database connection: creating it
// connects the chosen database file and starts with an empty portfolio. It
// shows the rows and the product of the current row and forwards every edit
// and button to the input logic.
class TEingabe : public QWidget, public Beschriftbar, public Eingabefenster {
    Q_OBJECT
public:
    // Throws DatenbankFehler when the database cannot be opened.
    explicit TEingabe(TMain& haupt);
    ~TEingabe() override;

    void Beschriften() override;
    bool PortfolioVerwerfen() override;
    void gitterlayoutSpeichern() override;
    void Excel_Import() override;
    void Excel_Export() override;

    Eingabelogik& logik() { return *logik_; }
    QTableView* gitter() const { return gitter_; }
    Eingabemodell* modell() const { return modell_; }
    QDateEdit* datum() const { return datum_; }
    QLineEdit* preis() const { return preis_; }
    QLineEdit* laufzeitpreis() const { return laufzeitpreis_; }
    QLineEdit* projekt() const { return projekt_; }

    // Buttons of the window, also reachable from the tests.
    void alleLoeschen();
    void berechnungStarten();
    void eingabenUeberpruefen();
    // The rows changed outside the grid (import, update): show them anew.
    void zeilenNeuLaden();
    // Moves the cursor to a row and shows it.
    void zeileWaehlen(int zeile);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void aufbauen();
    QWidget* kopfAufbauen();
    QToolBar* navigatorAufbauen();
    void gitterEinrichten();
    void zeileAnzeigen();
    void layoutAnwenden(const Spaltenlayout& s);
    void kopfFuellen();
    void datumGewaehlt();
    void preisUebernehmen();
    void offeneBearbeitungBuchen();
    void fehlerprotokollOeffnen();
    int aktuelleZeile() const;

    TMain& haupt_;
    std::unique_ptr<Eingabelogik> logik_;
    Eingabemodell* modell_ = nullptr;
    QTableView* gitter_ = nullptr;
    QLineEdit* projekt_ = nullptr;
    QDateEdit* datum_ = nullptr;
    QLineEdit* preis_ = nullptr;
    QLineEdit* laufzeitpreis_ = nullptr;
    QLabel* preisLabel_ = nullptr;
    QLabel* laufzeitpreisLabel_ = nullptr;
    QPushButton* kursUebernehmen_ = nullptr;
    QWidget* produktdaten_ = nullptr;
    QHash<QString, QLabel*> labels_; // label key → label (texts from the label file)
    QHash<QString, QLabel*> werte_;  // product field → value shown in the header
    QHash<QString, QPushButton*> knoepfe_;
    QString laufzeitpreisFeld_ = "UnderlyingPrice";
};
