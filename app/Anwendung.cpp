#include "Anwendung.h"

#include <QMessageBox>
#include <QThread>

Anwendung::Anwendung(int& argc, char** argv)
    : QApplication(argc, argv) {
    RechenfehleranzeigeSetzen(this);
}

Anwendung::~Anwendung() {
    RechenfehleranzeigeSetzen(nullptr);
}

bool Anwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const Rechenfehler&) {
        // Its text was shown when it arose.
    } catch (const std::exception& f) {
        QMessageBox::critical(activeWindow(), applicationName(), QString::fromUtf8(f.what()));
    }
    return false;
}

void Anwendung::Rechenfehler_Zeigen(std::string_view text) {
    if (QThread::currentThread() != thread()) return;
    QMessageBox::critical(activeWindow(), applicationName(),
                          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
