#pragma once

#include "shell/Beschriftbar.h"

#include <QWidget>

class QLabel;

// A note shown while a spreadsheet import reads its rows.
class TImportInfo : public QWidget, public Beschriftbar {
    Q_OBJECT
public:
    TImportInfo();
    void Beschriften() override;

private:
    QLabel* ueberschrift_;
    QLabel* text1_;
    QLabel* text2_;
};
