#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <vector>

// A small table kept as text: ";"-separated, a header line of column names, then one row per
// line. Cells are trimmed; an empty cell is NULL.
struct Tabellentext {
    QString pfad;
    QStringList spalten;
    std::vector<QStringList> zeilen;

    // Throws Demodatenfehler when the file cannot be read or a row has the wrong number of cells.
    static Tabellentext lesen(const QString& pfad);

    // Appends every row to the table of the same columns.
    void anhaengen(const QSqlDatabase& db, const QString& tabelle) const;
    // Sets the other columns of the row whose first column equals each row's first cell
    // (without regard to case); a row without a match is passed over.
    void nachSchluesselSetzen(const QSqlDatabase& db, const QString& tabelle) const;
};
