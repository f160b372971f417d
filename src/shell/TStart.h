#pragma once

#include <QDialog>

// The start picture: borderless, on top, centred; it closes itself after
// three seconds or when clicked.
class TStart : public QDialog {
    Q_OBJECT
public:
    explicit TStart(int anzeigedauerMs = 3000, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
