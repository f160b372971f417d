#pragma once

#include <QWidget>

class QLabel;

// A note shown while a calculation with options runs; the user cannot close
// it, the run closes it at its end.
class TBerechnungsInfo : public QWidget {
    Q_OBJECT
public:
    TBerechnungsInfo();
    void freigeben() { freigegeben_ = true; }

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    bool freigegeben_ = false;
};
