#pragma once

#include <QWidget>

class QTextBrowser;

// The help window: the program's HTML help pages, opened at a topic.
// A help file path "…/hlp/QUILM2.HLP" names the folder "…/hlp/QUILM2/" whose
// pages are index.html (start page) and <topic>.html.
class THilfe : public QWidget {
    Q_OBJECT
public:
    explicit THilfe(QWidget* parent = nullptr);

    // Shows the topic's page (the start page for topic 0 or an unknown topic).
    // False when the help pages are missing; fehlertext() then says which.
    bool oeffnen(const QString& hilfedatei, int thema);
    QString fehlertext() const { return fehlertext_; }
    QString seite() const;

    static QString seitenpfad(const QString& hilfedatei, int thema);

private:
    QTextBrowser* browser_;
    QString fehlertext_;
};
