#include "shell/MeldungsDialoge.h"

#include "input/TAend_Dat.h"
#include "input/TAend_Kurs.h"

#include <QApplication>
#include <QFileDialog>
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

int MeldungsDialoge::Datumsaenderung_Waehlen() {
    return TAend_Dat(eltern_).exec();
}

// Closing the dialog without a choice keeps the traded prices.
int MeldungsDialoge::Preisaenderung_Waehlen() {
    return std::max(1, TAend_Kurs(eltern_).exec());
}

QString MeldungsDialoge::Datei_Waehlen(bool speichern, const QString& filter) {
    return speichern ? QFileDialog::getSaveFileName(eltern_, QString(), QString(), filter)
                     : QFileDialog::getOpenFileName(eltern_, QString(), QString(), filter);
}
