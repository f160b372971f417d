#pragma once

#include "input/Position.h"

#include <QSqlDatabase>
#include <vector>

// The position table Eingabe in memory, in the order of its rows. Every
// change is written to the table at once (one statement per row), so the
// file always holds what the grid shows.
class Eingabetabelle {
public:
    explicit Eingabetabelle(QSqlDatabase db);

    void laden();
    int anzahl() const { return static_cast<int>(zeilen_.size()); }
    const Position& zeile(int i) const { return zeilen_[static_cast<size_t>(i)]; }
    Position& zeile(int i) { return zeilen_[static_cast<size_t>(i)]; }
    const std::vector<Position>& zeilen() const { return zeilen_; }

    // Writes row i to the table ("post").
    void buchen(int i);
    // Appends a row to the table and to the list; returns its index.
    int anhaengen(Position p);
    void loeschen(int i);
    void alleLoeschen();

private:
    QSqlDatabase db_;
    std::vector<Position> zeilen_;
};
