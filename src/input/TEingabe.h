#pragma once

#include "shell/Beschriftbar.h"
#include "shell/Eingabefenster.h"

#include <QWidget>

class QSqlTableModel;
class QTableView;
class TMain;

// The position input window. It owns the database connection: creating it
// connects the chosen database file and starts with an empty portfolio.
class TEingabe : public QWidget, public Beschriftbar, public Eingabefenster {
    Q_OBJECT
public:
    // Throws DatenbankFehler when the database cannot be opened.
    explicit TEingabe(TMain& haupt);
    ~TEingabe() override;

    void Beschriften() override;
    bool PortfolioVerwerfen() override;
    void gitterlayoutSpeichern() override;

    QTableView* gitter() const { return gitter_; }
    QSqlTableModel* modell() const { return modell_; }

private:
    void datenbankVerbinden();
    void gitterlayoutLaden();
    void offeneBearbeitungBuchen();

    TMain& haupt_;
    QSqlTableModel* modell_ = nullptr;
    QTableView* gitter_;
};
