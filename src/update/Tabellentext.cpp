#include "update/Tabellentext.h"

#include "store/Schema.h"
#include "store/Sql.h"
#include "update/Demodatenfehler.h"
#include "update/Feldleser.h"
#include "update/Updatedatei.h"

#include <QFileInfo>
#include <algorithm>

namespace {

const Schema::Tabelle& schemaTabelle(const QString& name) {
    for (const Schema::Tabelle& t : Schema::tabellen())
        if (t.name == name) return t;
    throw Demodatenfehler("No table " + name);
}

// The cells as the columns' types want them; a text where a number belongs stops the build.
QVariantList werte(const Tabellentext& t, const Schema::Tabelle& tabelle, int zeile) {
    QVariantList ergebnis;
    for (int i = 0; i < t.spalten.size(); ++i) {
        const QString& zelle = t.zeilen[zeile][i];
        Schema::Typ typ = Schema::Typ::Text;
        for (const Schema::Spalte& s : tabelle.spalten)
            if (s.name == t.spalten[i]) typ = s.typ;
        if (zelle.isEmpty()) {
            ergebnis << QVariant();
        } else if (typ == Schema::Typ::Zahl || typ == Schema::Typ::Ganzzahl) {
            const auto zahl = Feldleser::Zahl(zelle);
            if (!zahl)
                throw Demodatenfehler(QString("%1:%2: %3 is not a number")
                                          .arg(QFileInfo(t.pfad).fileName())
                                          .arg(zeile + 2)
                                          .arg(zelle));
            ergebnis << *zahl;
        } else {
            ergebnis << zelle;
        }
    }
    return ergebnis;
}

// Column names are written into the statements; only names of the schema get there.
const QString& bekannteSpalte(const Tabellentext& t, const Schema::Tabelle& tabelle,
                              const QString& name) {
    const bool bekannt = std::any_of(tabelle.spalten.begin(), tabelle.spalten.end(),
                                     [&](const Schema::Spalte& s) { return s.name == name; });
    if (!bekannt) throw Demodatenfehler(t.pfad + ": no column " + name + " in " + tabelle.name);
    return name;
}

QString spaltenliste(const Tabellentext& t, const Schema::Tabelle& tabelle, const QString& muster) {
    QStringList teile;
    for (const QString& name : t.spalten) teile << muster.arg(bekannteSpalte(t, tabelle, name));
    return teile.join(", ");
}

} // namespace

Tabellentext Tabellentext::lesen(const QString& pfad) {
    const auto zeilen = Updatedatei_Lesen(pfad);
    if (!zeilen || zeilen->isEmpty()) throw Demodatenfehler("Cannot read " + pfad);
    Tabellentext t{pfad, {}, {}};
    for (const QString& name : zeilen->first().split(';')) t.spalten << name.trimmed();
    for (int i = 1; i < zeilen->size(); ++i) {
        QStringList zellen = (*zeilen)[i].split(';');
        if (zellen.size() != t.spalten.size())
            throw Demodatenfehler(QString("%1:%2: %3 cells, the header names %4")
                                      .arg(pfad)
                                      .arg(i + 1)
                                      .arg(zellen.size())
                                      .arg(t.spalten.size()));
        for (QString& z : zellen) z = z.trimmed();
        t.zeilen.push_back(zellen);
    }
    return t;
}

void Tabellentext::anhaengen(const QSqlDatabase& db, const QString& tabelle) const {
    const Schema::Tabelle& s = schemaTabelle(tabelle);
    const QString sql = QString("INSERT INTO \"%1\" (%2) VALUES (%3)")
                            .arg(tabelle, spaltenliste(*this, s, "\"%1\""),
                                 QStringList(spalten.size(), "?").join(", "));
    for (int i = 0; i < static_cast<int>(zeilen.size()); ++i)
        Sql::ausfuehren(db, sql, werte(*this, s, i));
}

void Tabellentext::nachSchluesselSetzen(const QSqlDatabase& db, const QString& tabelle) const {
    const Schema::Tabelle& s = schemaTabelle(tabelle);
    Tabellentext rest = *this;
    const QString schluessel = bekannteSpalte(*this, s, rest.spalten.takeFirst());
    const QString sql = QString("UPDATE \"%1\" SET %2 WHERE \"%3\" = ? COLLATE NOCASE")
                            .arg(tabelle, spaltenliste(rest, s, "\"%1\" = ?"), schluessel);
    for (int i = 0; i < static_cast<int>(zeilen.size()); ++i) {
        rest.zeilen[i].removeFirst();
        QVariantList parameter = werte(rest, s, i);
        parameter << zeilen[i].first();
        Sql::ausfuehren(db, sql, parameter);
    }
}
