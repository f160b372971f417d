#pragma once

#include "pricing/Rechenfehler.h"

#include <QApplication>

// The desktop program's application object. An error that escapes an event
// handler ends only the operation that raised it: the user sees its text and
// the program goes on.
class Anwendung : public QApplication, public Rechenfehleranzeige {
public:
    Anwendung(int& argc, char** argv);
    ~Anwendung() override;
    bool notify(QObject* empfaenger, QEvent* ereignis) override;

    // Model failures ("ErrorNV") on the user-interface thread are shown at
    // once; a calculation on a worker thread reports them when it ends.
    void Rechenfehler_Zeigen(std::string_view text) override;
};
