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
    // Answers of the date and price change dialogs, in order; then 2 (new prices).
    void wahlen(std::initializer_list<int> wahlen) {
        wahlen_.insert(wahlen_.end(), wahlen.begin(), wahlen.end());
    }
    int Datumsaenderung_Waehlen() override { return naechsteWahl("Datumsaenderung"); }
    int Preisaenderung_Waehlen() override { return naechsteWahl("Preisaenderung"); }
    // Paths handed out by the file choice, in order; then "" (cancelled).
    void dateien(std::initializer_list<QString> pfade) {
        dateien_.insert(dateien_.end(), pfade.begin(), pfade.end());
    }
    QString Datei_Waehlen(bool, const QString&) override {
        wahldialoge_.push_back("Datei");
        if (dateien_.empty()) return {};
        const QString pfad = dateien_.front();
        dateien_.pop_front();
        return pfad;
    }
    // The choice dialogs shown, by name, in order.
    const std::vector<QString>& wahldialoge() const { return wahldialoge_; }
    const std::vector<Meldung>& meldungen() const { return meldungen_; }
    // The numbers of the recorded messages of one source, in order.
    std::vector<int> nummern(Meldung::Quelle quelle) const;
    void leeren() { meldungen_.clear(); }

protected:
    bool anzeigen(const Meldung& meldung) override;

private:
    int naechsteWahl(const QString& dialog);

    bool stehendeAntwort_;
    std::deque<int> wahlen_;
    std::deque<QString> dateien_;
    std::vector<QString> wahldialoge_;
    std::deque<bool> skript_;
    std::vector<Meldung> meldungen_;
};
