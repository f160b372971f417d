#include "shell/THilfe.h"

#include "shell/IniDatei.h"
#include "shell/Programm.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THilfe::THilfe(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , browser_(new QTextBrowser(this)) {
    setObjectName("Hilfe");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenLinks(true);
    resize(760, 620);
}

QString THilfe::seitenpfad(const QString& hilfedatei, int thema) {
    const QFileInfo datei(hilfedatei);
    const QString ordner = datei.absolutePath() + "/" + datei.completeBaseName() + "/";
    const QString themenseite = ordner + QString::number(thema) + ".html";
    return thema != 0 && QFileInfo::exists(themenseite) ? themenseite : ordner + "index.html";
}

bool THilfe::oeffnen(const QString& hilfedatei, int thema) {
    const QString pfad = hilfedatei.isEmpty() ? QString() : seitenpfad(hilfedatei, thema);
    if (pfad.isEmpty() || !QFileInfo::exists(pfad)) {
        fehlertext_ = IniDatei(Programm::instanz().labeldatei)
                          .text("Allgemein", "L_HilfeFehlt", "Die Hilfe wurde nicht gefunden:") +
                      " " + (pfad.isEmpty() ? hilfedatei : pfad);
        return false;
    }
    browser_->setSource(QUrl::fromLocalFile(pfad));
    setWindowTitle(browser_->documentTitle());
    return true;
}

QString THilfe::seite() const {
    return browser_->source().toLocalFile();
}
