#pragma once

#include "shell/Beschriftbar.h"

#include <QWidget>

class QLabel;
class QPushButton;
class TMain;

// The database choice at start: all products or derivatives only, and the
// language. Only its buttons close it; the menus are disabled while it is open.
class TDBWahl : public QWidget, public Beschriftbar {
    Q_OBJECT
public:
    explicit TDBWahl(TMain& haupt);
    void Beschriften() override;

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void datenbankWaehlen(const QString& datei);

    TMain& haupt_;
    QLabel* willkommen_;
    QLabel* erklaerung1_;
    QLabel* erklaerung2_;
    QPushButton* derivate_;
    QPushButton* alles_;
    QPushButton* sprache_;
    bool gewaehlt_ = false;
};
