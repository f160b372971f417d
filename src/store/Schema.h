#pragma once

#include <QSqlDatabase>
#include <QString>
#include <vector>

// The tables and columns of the database file. The file is an interface:
// names are exact, types follow one convention (text, real, integer, ISO
// date text, auto number).
namespace Schema {

enum class Typ { Text, Zahl, Ganzzahl, Datum, Autonummer };

struct Spalte {
    QString name;
    Typ typ;
    bool ohneGrossKlein = false; // compared without regard to case
};

struct Tabelle {
    QString name;
    std::vector<Spalte> spalten;
};

const std::vector<Tabelle>& tabellen();

// Creates missing tables, adds missing columns and the look-up indexes.
// Existing tables, columns and rows are never dropped or changed.
void anlegen(const QSqlDatabase& db);

} // namespace Schema
