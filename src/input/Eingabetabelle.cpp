#include "input/Eingabetabelle.h"

#include "store/Sql.h"

#include <QSqlRecord>

namespace {

QString spaltenliste() {
    return Position::felder().join(", ");
}

QVariantList werte(const Position& p) {
    QVariantList w;
    for (const QString& feld : Position::felder()) w << p.wert(feld);
    return w;
}

} // namespace

Eingabetabelle::Eingabetabelle(QSqlDatabase db)
    : db_(std::move(db)) {}

void Eingabetabelle::laden() {
    zeilen_.clear();
    QSqlQuery q =
        Sql::ausfuehren(db_, "SELECT rowid, " + spaltenliste() + " FROM Eingabe ORDER BY rowid");
    while (q.next()) {
        Position p;
        p.rowid = q.value(0).toLongLong();
        for (int i = 0; i < Position::felder().size(); ++i)
            p.setzen(Position::felder()[i], q.value(i + 1));
        zeilen_.push_back(p);
    }
}

void Eingabetabelle::buchen(int i) {
    const Position& p = zeile(i);
    QStringList zuweisungen;
    for (const QString& feld : Position::felder()) zuweisungen << feld + " = ?";
    QVariantList w = werte(p);
    w << p.rowid;
    Sql::ausfuehren(db_, "UPDATE Eingabe SET " + zuweisungen.join(", ") + " WHERE rowid = ?", w);
}

int Eingabetabelle::anhaengen(Position p) {
    const QString platzhalter = QStringList(Position::felder().size(), "?").join(", ");
    const QSqlQuery q = Sql::ausfuehren(
        db_, "INSERT INTO Eingabe (" + spaltenliste() + ") VALUES (" + platzhalter + ")", werte(p));
    p.rowid = q.lastInsertId().toLongLong();
    zeilen_.push_back(p);
    return anzahl() - 1;
}

void Eingabetabelle::loeschen(int i) {
    Sql::ausfuehren(db_, "DELETE FROM Eingabe WHERE rowid = ?", {zeile(i).rowid});
    zeilen_.erase(zeilen_.begin() + i);
}

void Eingabetabelle::alleLoeschen() {
    Sql::ausfuehren(db_, "DELETE FROM Eingabe");
    zeilen_.clear();
}
