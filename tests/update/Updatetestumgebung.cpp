#include "Updatetestumgebung.h"

#include "shell/Programm.h"
#include "store/Sql.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Places text into positions von..bis of a line, padded with blanks.
void setzen(QString& zeile, int von, int bis, const QString& text, bool rechts) {
    const int breite = bis - von + 1;
    const QString feld = rechts ? text.rightJustified(breite) : text.leftJustified(breite);
    if (zeile.size() < bis) zeile = zeile.leftJustified(bis);
    zeile.replace(von - 1, breite, feld.left(breite));
}

} // namespace

QString MpZeile::text() const {
    QString z;
    setzen(z, 1, 5, gruppe, false);
    setzen(z, 6, 9, offset, true);
    setzen(z, 10, 14, klasse, false);
    setzen(z, 15, 17, "EUR", false);
    setzen(z, 18, 24, back, true);
    setzen(z, 25, 31, spot, true);
    setzen(z, 32, 35, sopa, true);
    setzen(z, 36, 36, schalter, false);
    setzen(z, 37, 43, "1.00", true);
    setzen(z, 44, 47, produkt, false);
    setzen(z, 48, 51, "", false);
    setzen(z, 52, 59, parameter, true);
    setzen(z, 60, 60, art, false);
    return z;
}

QString MsZeile::text() const {
    QString z;
    setzen(z, 1, 5, gruppe, false);
    setzen(z, 6, 9, offset, false);
    setzen(z, 10, 14, klasse, false);
    setzen(z, 15, 26, isin, false);
    setzen(z, 27, 33, parameter, true);
    setzen(z, 34, 40, "", false);
    setzen(z, 41, 41, art, false);
    setzen(z, 42, 44, waehrung, false);
    return z;
}

QString VeZeile::text() const {
    QString z;
    setzen(z, 1, 5, typ, false);
    setzen(z, 6, 10, klasse, false);
    setzen(z, 11, 12, cp, false);
    setzen(z, 13, 16, days, true);
    setzen(z, 17, 24, mnes, true);
    setzen(z, 25, 31, move, true);
    setzen(z, 32, 38, up, true);
    setzen(z, 39, 45, neutral, true);
    setzen(z, 46, 52, down, true);
    return z;
}

QString PaZeile::text() const {
    QString z;
    setzen(z, 1, 5, klasse, false);
    setzen(z, 6, 7, jahr, true);
    setzen(z, 8, 9, monat, true);
    setzen(z, 10, 10, "", false);
    setzen(z, 11, 14, faktor, true);
    return z;
}

QString produktzeile(const QMap<int, QString>& felder) {
    QStringList f = {"PRD1", "QS0000000001", "Testprodukt", "KL1",  "A",    "O",
                     "0.01", "CRA",          "1",           "0",    "",     "0",
                     "EUR",  "0.25",         "PRD1",        "0",    "",     "0",
                     "36",   "100",          "KL1",         "GRP1", "12.5", "%",
                     "100",  "50",           "1",           "GRP1", "80"};
    for (auto it = felder.begin(); it != felder.end(); ++it) f[it.key() - 1] = it.value();
    return f.join(';');
}

QString datei(const QStringList& zeilen) {
    QString text;
    for (const QString& z : zeilen) text += z + "\n";
    return text;
}

UpdateTest::UpdateTest() {
    Programm::instanz().programmverzeichnis = QString(QUILLMARK_RESSOURCEN) + "/";
    Programm::instanz().spracheSetzen("d");
}

QString UpdateTest::schreiben(const QString& name, const QStringList& zeilen) {
    ordner.schreiben(name, datei(zeilen));
    return ordner.datei(name);
}

QStringList UpdateTest::zeilen(const QString& sql) const {
    QStringList ergebnis;
    QSqlQuery q = Sql::ausfuehren(datenbank.db(), sql);
    while (q.next()) {
        QStringList spalten;
        for (int i = 0; i < q.record().count(); ++i)
            spalten << (q.value(i).isNull() ? "-" : q.value(i).toString());
        ergebnis << spalten.join('|');
    }
    return ergebnis;
}

std::vector<int> UpdateTest::fehlermeldungen() const {
    return dialoge.nummern(Meldung::Quelle::Fehlermeldung);
}

std::vector<int> UpdateTest::spezialfehler() const {
    return dialoge.nummern(Meldung::Quelle::Spezialfehler);
}
