#include "store/Masseneinfuegung.h"

#include "store/DatenbankFehler.h"

#include <QSqlDriver>
#include <sqlite3.h>

namespace {

sqlite3* handle(const QSqlDatabase& db) {
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

} // namespace

Masseneinfuegung::Masseneinfuegung(const QSqlDatabase& db, const QString& tabelle,
                                   const QStringList& spalten) {
    QStringList namen;
    for (const QString& s : spalten) namen << "\"" + s + "\"";
    sql_ = QString("INSERT INTO \"%1\" (%2) VALUES (%3)")
               .arg(tabelle, namen.join(", "), QStringList(spalten.size(), "?").join(", "));
    sqlite3* h = handle(db);
    if (!h) throw DatenbankFehler(sql_ + "\nkein SQLite-Handle");
    if (sqlite3_prepare_v2(h, sql_.toUtf8().constData(), -1, &anweisung_, nullptr) != SQLITE_OK)
        throw DatenbankFehler(sql_ + "\n" + QString::fromUtf8(sqlite3_errmsg(h)));
}

Masseneinfuegung::~Masseneinfuegung() {
    sqlite3_finalize(anweisung_);
}

void Masseneinfuegung::binden(int stelle, const QVariant& wert) {
    if (wert.isNull()) {
        sqlite3_bind_null(anweisung_, stelle);
        return;
    }
    switch (wert.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(anweisung_, stelle, wert.toDouble());
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        sqlite3_bind_int64(anweisung_, stelle, wert.toLongLong());
        break;
    default: {
        const QByteArray text = wert.toString().toUtf8();
        sqlite3_bind_text(anweisung_, stelle, text.constData(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
    }
    }
}

void Masseneinfuegung::zeile(const QVariantList& werte) {
    for (int i = 0; i < werte.size(); ++i) binden(i + 1, werte[i]);
    const int ergebnis = sqlite3_step(anweisung_);
    sqlite3_reset(anweisung_);
    sqlite3_clear_bindings(anweisung_);
    if (ergebnis != SQLITE_DONE)
        throw DatenbankFehler(sql_ + "\n" +
                              QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(anweisung_))));
}
