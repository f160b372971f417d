#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

// Margin groups and margin classes as the imports meet them: looked up by name without regard
// to case, changed when found, appended when not. An empty name names nothing: no row is
// looked up, changed or created, so an import never makes a class or group without a name.
namespace Referenzzeilen {

enum class Tabelle { MarginGruppe, MarginKlasse };
using Werte = std::vector<std::pair<QString, QVariant>>; // column, value

bool vorhanden(const QSqlDatabase& db, Tabelle tabelle, const QString& name);

// The existing row gets the columns of aenderungen (none: it stays as it is); a missing one is
// appended with the name and the columns of neu.
void setzen(const QSqlDatabase& db, Tabelle tabelle, const QString& name, const Werte& aenderungen,
            const Werte& neu);

} // namespace Referenzzeilen
