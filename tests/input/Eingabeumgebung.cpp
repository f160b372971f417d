#include "Eingabeumgebung.h"

#include "shell/Programm.h"
#include "store/Sql.h"

Eingabeumgebung::Eingabeumgebung(const QDate& berechnungsdatum) {
    Programm& p = Programm::instanz();
    p.programmverzeichnis = QString(QUILLMARK_RESSOURCEN) + "/";
    p.labeldatei = p.programmverzeichnis + "Label_d.ini";
    p.sprache = "d";
    p.datumsformatSetzen('.');
    datenbank.ausfuehren(
        "INSERT INTO Feiertage (Dat) VALUES ('2007-12-30'), ('2008-03-21'), ('2008-03-24'), "
        "('2008-05-01'), "
        "('2008-05-12'), ('2008-12-25');"
        "INSERT INTO MarginGruppe VALUES ('G1', 0.5), ('G2', 0);"
        "INSERT INTO MarginKlasse (MarginKlasse, MarginGruppe, MarginParameter, ParameterArt) "
        "VALUES "
        "('DAX', 'G1', 300, 'Points'), ('BAY', 'G1', 10, '%'), ('BUND', 'G2', 2, '%'), ('WET', "
        "'G2', 5, 'Points');"
        "INSERT INTO Produkt (Produkt, Produktbezeichnung, MarginKlasse, Art, O_F, TickSize, "
        "Multiplikator, "
        "OPM, LZB, Laufzeit, AktPreis, Waehrung) VALUES "
        "('ODAX', 'Indexoption', 'DAX', 'I', 'O', 0.1, 5, 'BS', '1', 6, 6500, 'EUR'),"
        "('FDAX', 'Indexfuture', 'DAX', 'I', 'F', 0.5, 25, ' ', 'A', 9, 6500, 'EUR'),"
        "('WXX1', 'Wetter 2005', 'WET', 'W', 'F', 1, 20, ' ', 'S', 2005, 100, 'EUR'),"
        "('WXX2', 'Wetter 2004', 'WET', 'W', 'F', 1, 20, ' ', 'S', 2004, 100, 'EUR'),"
        "('KZR2', 'Strom', 'WET', 'R', 'F', 1, 1, ' ', 'V1', 0, 50, 'EUR'),"
        "('WQT7', 'Strom 2', 'WET', 'R', 'F', 1, 1, ' ', 'V1', 0, 50, 'EUR');"
        "INSERT INTO Produkt (Produkt, Produktbezeichnung, MarginKlasse, Art, AktPreis, Waehrung) "
        "VALUES "
        "('DE0001', 'Aktie', 'BAY', 'E', 50, 'EUR');"
        "INSERT INTO Produkt (Produkt, Produktbezeichnung, MarginKlasse, Art, AktPreis, "
        "Kupontermin, "
        "Kupontermin_e, Kuponhoehe, Waehrung) VALUES "
        "('DE0002', 'Anleihe', 'BUND', 'B', 101, '04.07.', '07/04/', 4, 'EUR'),"
        "('DE0003', 'Anleihe Schalttag', 'BUND', 'B', 100, '29.02.', '02/29/', 6, 'EUR');"
        "INSERT INTO Ampero (PRODUCT_ID, FIRST_TRADING_DATE, LETZTER_HT, CONTRACT_SIZE) VALUES "
        "('KZR2', '2009-01-01', '2009-06-30', 720)");
    logik = std::make_unique<Eingabelogik>(datenbank.db(), dialoge);
    logik->zustand().Berechnungsdatum = berechnungsdatum;
}

Eingabeumgebung::~Eingabeumgebung() {
    logik.reset();
}

std::vector<int> Eingabeumgebung::fehlernummern() const {
    std::vector<int> n;
    QSqlQuery q = Sql::ausfuehren(datenbank.db(), "SELECT Nummer FROM FehlerP ORDER BY LfdNr");
    while (q.next()) n.push_back(q.value(0).toInt());
    return n;
}

void Eingabeumgebung::eingeben(int i,
                               std::initializer_list<std::pair<const char*, QVariant>> felder) {
    for (const auto& [feld, wert] : felder) {
        if (QString(feld) == "Typ") logik->typBearbeitungBeginnt(i);
        logik->feldGeaendert(i, feld, wert);
        logik->Zeile_Anzeigen(i, feld);
    }
}
