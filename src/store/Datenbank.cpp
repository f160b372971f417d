#include "store/Datenbank.h"

#include "store/DatenbankFehler.h"
#include "store/Schema.h"
#include "store/Sql.h"

#include <QSqlError>

namespace Datenbank {

QSqlDatabase oeffnen(const QString& pfad, const QString& name) {
    schliessen(name);
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
    db.setDatabaseName(pfad);
    if (!db.open()) {
        const QString fehler = db.lastError().text();
        db = QSqlDatabase();
        schliessen(name);
        throw DatenbankFehler(QString("%1\n%2").arg(pfad, fehler));
    }
    try {
        // Fails here (not at open) when the file is not a database.
        Sql::ausfuehren(db, "PRAGMA synchronous = NORMAL");
        Schema::anlegen(db);
    } catch (const DatenbankFehler&) {
        db.close();
        db = QSqlDatabase();
        schliessen(name);
        throw;
    }
    return db;
}

QSqlDatabase verbindung(const QString& name) {
    return QSqlDatabase::database(name, false);
}

void schliessen(const QString& name) {
    if (!QSqlDatabase::contains(name)) return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace Datenbank
