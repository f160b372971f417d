#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

// Small helpers over Qt SQL: every value is bound, every failure throws
// DatenbankFehler with the statement and the engine's text.
namespace Sql {

QSqlQuery ausfuehren(const QSqlDatabase& db, const QString& sql, const QVariantList& werte = {});
// The first column of the first row, or an invalid QVariant when there is no row.
QVariant wert(const QSqlDatabase& db, const QString& sql, const QVariantList& werte = {});

// Dates are stored as ISO text (YYYY-MM-DD); an empty or invalid date is NULL.
QVariant datum(const QDate& d);
QDate datumAus(const QVariant& v);

} // namespace Sql

// Begins a transaction; rolls it back on destruction unless committed.
class Transaktion {
public:
    explicit Transaktion(QSqlDatabase db);
    ~Transaktion();
    Transaktion(const Transaktion&) = delete;
    Transaktion& operator=(const Transaktion&) = delete;
    void bestaetigen();

private:
    QSqlDatabase db_;
    bool offen_ = false;
};
