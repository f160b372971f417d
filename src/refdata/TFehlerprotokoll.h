#pragma once

#include "shell/Auffrischbar.h"
#include "shell/Beschriftbar.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QSqlQueryModel;
class QTableView;
class TMain;

// The error log of the last check, import or update, by row number.
class TFehlerprotokoll : public QWidget, public Beschriftbar, public Auffrischbar {
    Q_OBJECT
public:
    explicit TFehlerprotokoll(TMain& haupt);
    void Beschriften() override;
    void neuLaden() override;
    QTableView* gitter() const { return gitter_; }
    void exportieren();

private:
    TMain& haupt_;
    QLabel* titel_;
    QTableView* gitter_;
    QSqlQueryModel* modell_;
    QPushButton* ausgabe_;
    QPushButton* schliessen_;
};
