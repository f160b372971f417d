#pragma once

#include "input/Wahldialog.h"

// The date change dialog: keep the date (0), new implied volatilities (1),
// new option prices (2, also "no option positions").
class TAend_Dat : public Wahldialog {
    Q_OBJECT
public:
    explicit TAend_Dat(QWidget* eltern = nullptr);
};
