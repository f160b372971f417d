#include "shell/TStart.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TStart::TStart(int anzeigedauerMs, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Dialog) {
    setObjectName("Start");
    setFixedSize(320, 240);
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        move(bildschirm->availableGeometry().center() - rect().center());
    QTimer::singleShot(anzeigedauerMs, this, &QDialog::accept);
}

void TStart::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, 0, height());
    verlauf.setColorAt(0, QColor(18, 52, 86));
    verlauf.setColorAt(1, QColor(36, 110, 140));
    maler.fillRect(rect(), verlauf);

    maler.setPen(QPen(QColor(255, 255, 255, 60), 2));
    for (int i = 0; i < 6; ++i) maler.drawLine(20, 190 - i * 22, 300, 150 - i * 30 + (i % 2) * 18);

    maler.setPen(Qt::white);
    QFont titel = font();
    titel.setPointSize(26);
    titel.setBold(true);
    maler.setFont(titel);
    maler.drawText(QRect(0, 60, width(), 50), Qt::AlignCenter, "Quillmark 2");
    QFont unter = font();
    unter.setPointSize(10);
    maler.setFont(unter);
    maler.drawText(QRect(0, 110, width(), 30), Qt::AlignCenter, "Risk Based Margining");
    maler.drawText(QRect(0, 200, width(), 24), Qt::AlignCenter, "Sorvant");
}

void TStart::mousePressEvent(QMouseEvent*) {
    accept();
}
