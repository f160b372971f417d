#include "shell/Fensterrahmen.h"

#include <QMdiSubWindow>

QWidget* fensterrahmen(QWidget* fenster) {
    auto* kind = qobject_cast<QMdiSubWindow*>(fenster->parentWidget());
    return kind ? static_cast<QWidget*>(kind) : fenster;
}

void fensterSchliessen(QWidget* fenster) {
    fensterrahmen(fenster)->close();
}
