#include "update/Referenzzeilen.h"

#include "store/Sql.h"

#include <QStringList>

namespace Referenzzeilen {
namespace {

// Table and key column carry the same name.
QString tabellenname(Tabelle t) {
    return t == Tabelle::MarginGruppe ? "MarginGruppe" : "MarginKlasse";
}

void aendern(const QSqlDatabase& db, const QString& tabelle, const QString& name,
             const Werte& werte) {
    QStringList zuweisungen;
    QVariantList parameter;
    for (const auto& [spalte, wert] : werte) {
        zuweisungen << QString("\"%1\" = ?").arg(spalte);
        parameter << wert;
    }
    parameter << name;
    Sql::ausfuehren(
        db, QString("UPDATE \"%1\" SET %2 WHERE \"%1\" = ?").arg(tabelle, zuweisungen.join(", ")),
        parameter);
}

void anhaengen(const QSqlDatabase& db, const QString& tabelle, const QString& name,
               const Werte& werte) {
    QStringList spalten = {QString("\"%1\"").arg(tabelle)};
    QVariantList parameter = {name};
    for (const auto& [spalte, wert] : werte) {
        spalten << QString("\"%1\"").arg(spalte);
        parameter << wert;
    }
    const QString platzhalter = QStringList(spalten.size(), "?").join(", ");
    Sql::ausfuehren(db,
                    QString("INSERT INTO \"%1\" (%2) VALUES (%3)")
                        .arg(tabelle, spalten.join(", "), platzhalter),
                    parameter);
}

} // namespace

bool vorhanden(const QSqlDatabase& db, Tabelle tabelle, const QString& name) {
    if (name.trimmed().isEmpty()) return false;
    const QString t = tabellenname(tabelle);
    return Sql::wert(db, QString("SELECT count(*) FROM \"%1\" WHERE \"%1\" = ?").arg(t), {name})
               .toInt() > 0;
}

void setzen(const QSqlDatabase& db, Tabelle tabelle, const QString& name, const Werte& aenderungen,
            const Werte& neu) {
    if (name.trimmed().isEmpty()) return;
    const QString t = tabellenname(tabelle);
    if (!vorhanden(db, tabelle, name))
        anhaengen(db, t, name, neu);
    else if (!aenderungen.empty())
        aendern(db, t, name, aenderungen);
}

} // namespace Referenzzeilen
