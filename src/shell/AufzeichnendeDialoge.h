#pragma once

#include "shell/Dialoge.h"

#include <deque>
#include <vector>

// Dialogs without a person: every message is recorded, questions are answered
// from a script of answers, then with the standing answer. Used by the
// command-line tool (standing answer "Yes") and by the tests.
class AufzeichnendeDialoge : public Dialoge {
public:
    explicit AufzeichnendeDialoge(bool stehendeAntwort = true)
        : stehendeAntwort_(stehendeAntwort) {}

    void antworten(std::initializer_list<bool> antworten) {
        skript_.insert(skript_.end(), antworten.begin(), antworten.end());
    }
    const std::vector<Meldung>& meldungen() const { return meldungen_; }
    // The numbers of the recorded messages of one source, in order.
    std::vector<int> nummern(Meldung::Quelle quelle) const;
    void leeren() { meldungen_.clear(); }

protected:
    bool anzeigen(const Meldung& meldung) override;

private:
    bool stehendeAntwort_;
    std::deque<bool> skript_;
    std::vector<Meldung> meldungen_;
};
