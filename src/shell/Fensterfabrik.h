#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class TMain;

// The windows the main window can create, by window name.
namespace Fensterfabrik {

struct Fensterart {
    bool mdiKind = true;       // a child of the main window's work area, else a dialog
    int hilfethema = 0;        // help topic, 0 = the start page
    bool festeGroesse = false; // a fixed frame with a close box only
    std::function<QWidget*(TMain&)> erzeugen;
};

// Nullptr for a window name this build does not have.
const Fensterart* art(const QString& fenstername);

// Every window name this build can create.
QStringList namen();

// The order in which a language switch re-labels the open windows.
const QStringList& beschriftungsreihenfolge();

} // namespace Fensterfabrik
