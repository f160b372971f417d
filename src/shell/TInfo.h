#pragma once

#include "shell/Beschriftbar.h"

#include <QWidget>

class QLabel;
class QPushButton;

// The info window: program title and version of the product data.
class TInfo : public QWidget, public Beschriftbar {
    Q_OBJECT
public:
    TInfo();
    void Beschriften() override;

private:
    QLabel* titel_;
    QLabel* version_;
    QPushButton* schliessen_;
};
