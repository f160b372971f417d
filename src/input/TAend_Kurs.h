#pragma once

#include "input/Wahldialog.h"

// The price change dialog: new implied volatilities (1) or new option prices (2).
class TAend_Kurs : public Wahldialog {
    Q_OBJECT
public:
    explicit TAend_Kurs(QWidget* eltern = nullptr);
};
