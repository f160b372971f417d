#pragma once

#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>

struct sqlite3_stmt;

// Inserts many rows into one table through one prepared statement, bound
// straight on the database's own handle: a calculation writes a hundred
// thousand chart rows, and the generic binding of the SQL layer would cost
// more than the calculation itself. Values are numbers, texts or null.
// Throws DatenbankFehler.
class Masseneinfuegung {
public:
    Masseneinfuegung(const QSqlDatabase& db, const QString& tabelle, const QStringList& spalten);
    ~Masseneinfuegung();
    Masseneinfuegung(const Masseneinfuegung&) = delete;
    Masseneinfuegung& operator=(const Masseneinfuegung&) = delete;

    void zeile(const QVariantList& werte);

private:
    void binden(int stelle, const QVariant& wert);

    sqlite3_stmt* anweisung_ = nullptr;
    QString sql_;
};
