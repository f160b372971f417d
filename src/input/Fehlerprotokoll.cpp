#include "input/Fehlerprotokoll.h"

#include "shell/Dialoge.h"
#include "shell/IniDatei.h"
#include "shell/Meldungstexte.h"
#include "shell/Programm.h"
#include "store/Sql.h"

Fehlerprotokoll::Fehlerprotokoll(QSqlDatabase db)
    : db_(std::move(db)) {}

QString Fehlerprotokoll::zeilentext(int nummer, QChar art, const QString& zusatz) {
    const IniDatei labels(Programm::instanz().labeldatei);
    if (art.toUpper() != 'S') return Meldungstexte::fehlertext(labels, nummer);
    // Unlike the special message box, any arrangement up to 1 puts the
    // extra text first, so the row never loses the value it reports.
    const QString sektion = "Fehlermeldung_Spezial";
    const QString teil1 = labels.text(sektion, QString("F%1_1").arg(nummer));
    if (labels.zahl(sektion, QString("A%1").arg(nummer), 0) <= 1) return zusatz + " " + teil1;
    return teil1 + " " + zusatz + " " + labels.text(sektion, QString("F%1_2").arg(nummer));
}

void Fehlerprotokoll::Fehlerzeile_Anhaengen(int zeilenNr, const QString& produkt, int nummer,
                                            QChar art, const QString& zusatz) {
    Sql::ausfuehren(db_,
                    "INSERT INTO FehlerP (ZeilenNr, ProdName, Beschreibung, Nummer, Art, Zusatz) "
                    "VALUES (?, ?, ?, ?, ?, ?)",
                    {zeilenNr, produkt.left(20), zeilentext(nummer, art, zusatz).left(500), nummer,
                     QString(art.toUpper()), zusatz});
}

void Fehlerprotokoll::Fehlerprotokoll_Leeren() {
    Sql::ausfuehren(db_, "DELETE FROM FehlerP");
}

int Fehlerprotokoll::anzahl() const {
    return Sql::wert(db_, "SELECT count(*) FROM FehlerP").toInt();
}

bool Fehlerprotokoll::Fehleranzahl_Melden(Dialoge& dialoge) const {
    const int n = anzahl();
    if (n == 0) return false;
    if (n == 1)
        dialoge.Fehlermeldung_Zeigen(40);
    else
        dialoge.Spezialfehler_Zeigen(2, QString::number(n));
    return true;
}
