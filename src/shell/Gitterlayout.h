#pragma once

#include <QSize>
#include <QString>
#include <vector>

class Konfiguration;

// The column layout of the position input grid as kept in the configuration
// file: for each column n its field name and width, then the window size.
namespace Gitterlayout {

struct Spalte {
    QString feld;
    int breite = 100;
};

struct Layout {
    std::vector<Spalte> spalten;
    QSize fenster{600, 400};
};

bool speichern(const Konfiguration& konfiguration, const Layout& layout);
// Reads the layout of a grid with the given number of columns; missing keys
// give the field "ERROR", width 100 and a window of 600 x 400.
Layout laden(const Konfiguration& konfiguration, int spalten);

} // namespace Gitterlayout
