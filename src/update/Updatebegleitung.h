#pragma once

#include <QString>
#include <QtGlobal>

// What an update asks of the windows around it. The update window shows the progress and
// closes the windows that hold reference data open; the position input window reloads what
// the update replaced. Every call does nothing unless overridden, so a caller without windows
// (the command-line tool, the demo data builder, a test) overrides only what it watches.
class Updatebegleitung {
public:
    virtual ~Updatebegleitung() = default;

    virtual void Statustext_Zeigen(const QString& /*text*/) {}
    virtual void Fortschritt_Zeigen(qint64 /*stand*/, qint64 /*ende*/) {}
    // The file an import is about to read.
    virtual void Updatedatei_Melden(const QString& /*pfad*/) {}
    virtual void Abhaengige_Fenster_Schliessen() {}
    virtual void Produkte_Neu_Laden() {}
    virtual void MarginKlassen_Neu_Laden() {}
    virtual void VolaShifts_Neu_Laden() {}
};
