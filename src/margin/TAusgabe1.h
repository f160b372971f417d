#pragma once

#include "shell/Beschriftbar.h"
#include "shell/Eingabefenster.h"

#include <QPointer>
#include <QWidget>
#include <atomic>
#include <memory>
#include <thread>

class Ergebnismodell;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTableView;
class QVBoxLayout;
class TMain;

namespace Margin {
struct Ergebnis;
}

// The margin results window. It runs the calculation when it is created and
// when asked again: the portfolio and reference data are read here, the
// margins computed on a worker thread while a progress bar shows the classes,
// and the result tables written here in one transaction.
class TAusgabe1 : public QWidget, public Beschriftbar, public Ergebnisfenster {
    Q_OBJECT
public:
    explicit TAusgabe1(TMain& haupt);
    ~TAusgabe1() override;

    void Beschriften() override;
    void berechnen() override;
    bool laeuft() const { return arbeiter_.joinable(); }

    QTableView* gitter() const { return gitter_; }
    QGroupBox* klassen() const { return klassen_; }
    QPushButton* exportKnopf() const { return export_; }
    void excelExport();

signals:
    // A run ended; false when it did not finish (its reason was shown).
    void berechnet(bool fertig);

private:
    void rechnenFertig(std::shared_ptr<Margin::Ergebnis> ergebnis, QString fehler);
    void klassenFuellen(const QStringList& liste);
    void klasseGewaehlt(const QString& klasse);
    void infoSchliessen();

    TMain& haupt_;
    QLabel* titel_;
    QLabel* dateiname_;
    QLabel* hinweis_;
    QWidget* rechts_;
    QScrollArea* rolle_;
    QGroupBox* klassen_;
    QVBoxLayout* klassenLayout_;
    QButtonGroup* klassenWahl_;
    QTableView* gitter_;
    Ergebnismodell* modell_;
    QProgressBar* fortschritt_;
    QPushButton* export_;
    QPushButton* eingabemaske_;
    QPushButton* schliessen_;
    std::thread arbeiter_;
    std::atomic<bool> abbruch_{false};
    QPointer<QWidget> info_;
};
