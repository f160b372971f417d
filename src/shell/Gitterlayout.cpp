#include "shell/Gitterlayout.h"

#include "shell/Konfiguration.h"

namespace Gitterlayout {

bool speichern(const Konfiguration& konfiguration, const Layout& layout) {
    for (int n = 0; n < static_cast<int>(layout.spalten.size()); ++n) {
        const Spalte& s = layout.spalten[static_cast<size_t>(n)];
        if (!konfiguration.gridSpalteSchreiben(n, s.feld, s.breite)) return false;
    }
    return konfiguration.fenstergroesseSchreiben(layout.fenster.height(), layout.fenster.width());
}

Layout laden(const Konfiguration& konfiguration, int spalten) {
    Layout layout;
    for (int n = 0; n < spalten; ++n)
        layout.spalten.push_back({konfiguration.gridFeld(n), konfiguration.gridBreite(n)});
    layout.fenster =
        QSize(konfiguration.breiteEingabefenster(), konfiguration.hoeheEingabefenster());
    return layout;
}

} // namespace Gitterlayout
