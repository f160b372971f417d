#include "shell/AufzeichnendeDialoge.h"

std::vector<int> AufzeichnendeDialoge::nummern(Meldung::Quelle quelle) const {
    std::vector<int> n;
    for (const Meldung& m : meldungen_)
        if (m.quelle == quelle) n.push_back(m.nummer);
    return n;
}

bool AufzeichnendeDialoge::anzeigen(const Meldung& meldung) {
    meldungen_.push_back(meldung);
    if (!meldung.jaNein) return true;
    if (skript_.empty()) return stehendeAntwort_;
    const bool antwort = skript_.front();
    skript_.pop_front();
    return antwort;
}

int AufzeichnendeDialoge::naechsteWahl(const QString& dialog) {
    wahldialoge_.push_back(dialog);
    if (wahlen_.empty()) return 2;
    const int wahl = wahlen_.front();
    wahlen_.pop_front();
    return wahl;
}
