#pragma once

#include <QSqlDatabase>
#include <QString>

// The database connection. Every query of the program goes through the
// connection named "QuilM".
namespace Datenbank {

inline const QString kVerbindung = "QuilM";

// Opens the file under the connection name, replacing an earlier connection of
// that name. A missing file is created with the full schema; the schema of an
// existing file is completed, never dropped. Throws DatenbankFehler when the
// file cannot be opened or is not a database.
QSqlDatabase oeffnen(const QString& pfad, const QString& verbindung = kVerbindung);

// The open connection of that name.
QSqlDatabase verbindung(const QString& name = kVerbindung);

void schliessen(const QString& verbindung = kVerbindung);

} // namespace Datenbank
