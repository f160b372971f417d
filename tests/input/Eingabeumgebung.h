#pragma once

#include "TestUmgebung.h"

#include "input/Eingabelogik.h"
#include "shell/AufzeichnendeDialoge.h"

#include <memory>

// A small market for the position input: an index class with options and
// futures, an equity, a bond, weather products, a power future that is not
// tradable, holidays around Easter and Whit Monday 2008 and on a Sunday; the real label
// files; date style "d" with ".".
struct Eingabeumgebung {
    explicit Eingabeumgebung(const QDate& berechnungsdatum = QDate(2008, 3, 7));
    ~Eingabeumgebung();

    Eingabelogik& e() { return *logik; }
    Position& zeile(int i) { return logik->tabelle().zeile(i); }
    // Error numbers of the error log in order.
    std::vector<int> fehlernummern() const;
    std::vector<int> meldungen(Meldung::Quelle q = Meldung::Quelle::Fehlermeldung) const {
        return dialoge.nummern(q);
    }
    // Sets the fields of row i through the change dispatch, in order.
    void eingeben(int i, std::initializer_list<std::pair<const char*, QVariant>> felder);

    TestDatenbank datenbank;
    AufzeichnendeDialoge dialoge;
    std::unique_ptr<Eingabelogik> logik;
};
