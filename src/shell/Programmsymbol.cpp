#include "shell/Programmsymbol.h"

#include <QPainter>
#include <QPixmap>

QIcon programmsymbol() {
    QPixmap bild(64, 64);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setBrush(QColor(24, 78, 110));
    maler.setPen(Qt::NoPen);
    maler.drawRoundedRect(2, 2, 60, 60, 12, 12);
    maler.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    maler.setBrush(Qt::NoBrush);
    maler.drawEllipse(QPointF(30, 30), 16, 16);
    maler.drawLine(QPointF(40, 40), QPointF(52, 52));
    return QIcon(bild);
}
