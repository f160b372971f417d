#pragma once

#include "shell/Dialoge.h"

class QWidget;

// The desktop program's dialogs: standard message boxes over the main window.
class MeldungsDialoge : public Dialoge {
public:
    explicit MeldungsDialoge(QWidget* elternfenster = nullptr)
        : eltern_(elternfenster) {}
    void elternfensterSetzen(QWidget* eltern) { eltern_ = eltern; }

    int Datumsaenderung_Waehlen() override;
    int Preisaenderung_Waehlen() override;
    QString Datei_Waehlen(bool speichern, const QString& filter) override;

protected:
    bool anzeigen(const Meldung& meldung) override;

private:
    QWidget* eltern_;
};
