#include "store/Sql.h"

#include "store/DatenbankFehler.h"

#include <QSqlError>

namespace Sql {

QSqlQuery ausfuehren(const QSqlDatabase& db, const QString& sql, const QVariantList& werte) {
    QSqlQuery abfrage(db);
    abfrage.setForwardOnly(true);
    if (!abfrage.prepare(sql)) throw DatenbankFehler(sql + "\n" + abfrage.lastError().text());
    for (const QVariant& w : werte) abfrage.addBindValue(w);
    if (!abfrage.exec()) throw DatenbankFehler(sql + "\n" + abfrage.lastError().text());
    return abfrage;
}

QVariant wert(const QSqlDatabase& db, const QString& sql, const QVariantList& werte) {
    QSqlQuery abfrage = ausfuehren(db, sql, werte);
    return abfrage.next() ? abfrage.value(0) : QVariant();
}

QVariant datum(const QDate& d) {
    return d.isValid() ? QVariant(d.toString(Qt::ISODate))
                       : QVariant(QMetaType(QMetaType::QString));
}

QDate datumAus(const QVariant& v) {
    if (v.isNull()) return {};
    if (v.typeId() == QMetaType::QDate) return v.toDate();
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}

} // namespace Sql

Transaktion::Transaktion(QSqlDatabase db)
    : db_(std::move(db)) {
    if (!db_.transaction()) throw DatenbankFehler("BEGIN\n" + db_.lastError().text());
    offen_ = true;
}

Transaktion::~Transaktion() {
    if (offen_) db_.rollback();
}

void Transaktion::bestaetigen() {
    if (!db_.commit()) throw DatenbankFehler("COMMIT\n" + db_.lastError().text());
    offen_ = false;
}
