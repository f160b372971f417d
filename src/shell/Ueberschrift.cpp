#include "shell/Ueberschrift.h"

#include <QLabel>

void alsUeberschrift(QLabel* label, int groesser, Auszeichnung art) {
    QFont schrift = label->font();
    schrift.setPointSize(schrift.pointSize() + groesser);
    schrift.setBold(art == Auszeichnung::Fett);
    schrift.setUnderline(art == Auszeichnung::Unterstrichen);
    label->setFont(schrift);
}
