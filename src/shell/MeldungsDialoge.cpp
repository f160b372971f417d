#include "shell/MeldungsDialoge.h"

#include "shell/Programm.h"

#include <QApplication>
#include <QMessageBox>

bool MeldungsDialoge::anzeigen(const Meldung& meldung) {
    const QString titel = QApplication::applicationName();
    if (meldung.jaNein)
        return QMessageBox::question(eltern_, titel, meldung.text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    switch (meldung.art) {
    case MeldungsArt::Fehler:
        QMessageBox::critical(eltern_, titel, meldung.text);
        break;
    case MeldungsArt::Information:
        QMessageBox::information(eltern_, titel, meldung.text);
        break;
    default:
        QMessageBox::warning(eltern_, titel, meldung.text);
        break;
    }
    return true;
}
