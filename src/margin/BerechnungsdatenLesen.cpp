#include "margin/Berechnungsdaten.h"

#include "calendar/KalenderdatenLesen.h"
#include "margin/Vergleiche.h"
#include "store/Sql.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace Margin {
namespace {

double zahl(const QSqlQuery& q, const char* feld, Berechnungszeile& z, Zahlfeld f) {
    const QVariant v = q.value(feld);
    z.setzeLeer(f, v.isNull());
    return v.toDouble();
}

Berechnungszeile eingabezeile(const QSqlQuery& q) {
    Berechnungszeile z;
    const auto text = [&q](const char* feld) { return q.value(feld).toString(); };
    z.LfdNr = static_cast<int>(zahl(q, "LfdNr", z, Zahlfeld::LfdNr));
    z.MarginGruppe = text("MarginGruppe");
    z.MarginKlasse = text("MarginKlasse");
    z.TradePrice = zahl(q, "TradePrice", z, Zahlfeld::TradePrice);
    z.AktuellerPreis = zahl(q, "AktuellerPreis", z, Zahlfeld::AktuellerPreis);
    z.ProduktArt = text("ProduktArt");
    z.O_F = text("O_F");
    z.LS = text("LS");
    z.Produkte = text("Produkte");
    z.Laufzeit = text("Laufzeit");
    z.Laufzeit_Tage = zahl(q, "Laufzeit_Tage", z, Zahlfeld::Laufzeit_Tage);
    z.Laufzeit_Tage_2 = zahl(q, "Laufzeit_Tage_2", z, Zahlfeld::Laufzeit_Tage_2);
    z.Laufzeit_Tage_3 = zahl(q, "Laufzeit_Tage_3", z, Zahlfeld::Laufzeit_Tage_3);
    z.Basispreis = zahl(q, "Basispreis", z, Zahlfeld::Basispreis);
    z.Anzahl = zahl(q, "Anzahl", z, Zahlfeld::Anzahl);
    z.ImplVola = zahl(q, "ImplVola", z, Zahlfeld::ImplVola);
    z.BruttoNetto = text("BruttoNetto");
    z.Stueckzinsen = zahl(q, "Stueckzinsen", z, Zahlfeld::Stueckzinsen);
    z.Betrag = zahl(q, "Betrag", z, Zahlfeld::Betrag);
    z.Typ = text("Typ");
    z.SettlementDays = text("SettlementDays");
    z.OffenePositionen = zahl(q, "OffenePositionen", z, Zahlfeld::OffenePositionen);
    z.LaufzeitIndex = static_cast<int>(zahl(q, "LaufzeitIndex", z, Zahlfeld::LaufzeitIndex));
    z.letzterHT = text("letzterHT");
    return z;
}

std::vector<VolaShiftZeile> volaShiftsLesen(const QSqlDatabase& db, const QString& tabelle) {
    std::vector<VolaShiftZeile> zeilen;
    QSqlQuery q = Sql::ausfuehren(db, QString("SELECT typ, marginklasse, c_p, days, Mnes, "
                                              "PriceMove, Vola_Up, Vola_Neutral, Vola_Down "
                                              "FROM \"%1\" ORDER BY rowid")
                                          .arg(tabelle));
    while (q.next())
        zeilen.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                          q.value(3).toInt(), q.value(4).toDouble(), q.value(5).toDouble(),
                          q.value(6).toDouble(), q.value(7).toDouble(), q.value(8).toDouble()});
    return zeilen;
}

QHash<QString, double> fpparaLesen(const QSqlDatabase& db) {
    QHash<QString, double> faktoren;
    QSqlQuery q =
        Sql::ausfuehren(db, "SELECT MarginKlasse, LZIndex, Faktor FROM FPPARA ORDER BY rowid");
    while (q.next()) {
        const QString s =
            Berechnungsdaten::FPPARASchluessel(q.value(0).toString(), q.value(1).toInt());
        if (!faktoren.contains(s)) faktoren.insert(s, q.value(2).toDouble());
    }
    return faktoren;
}

QSet<QString> listeLesen(const QSqlDatabase& db, const QString& liste) {
    QSet<QString> werte;
    QSqlQuery q = Sql::ausfuehren(
        db, "SELECT Wert FROM Konfigurationslisten WHERE Liste = ? COLLATE NOCASE", {liste});
    while (q.next()) werte.insert(schluessel(q.value(0).toString()));
    return werte;
}

} // namespace

QString Berechnungsdaten::FPPARASchluessel(const QString& klasse, int lzIndex) {
    return schluessel(klasse) + '\x1f' + QString::number(lzIndex);
}

Berechnungsdaten BerechnungsdatenLesen(const QSqlDatabase& db, Datum berechnungsdatum,
                                       const QString& ausgabewaehrung,
                                       const Datumstext::Stil& datumsstil, const QString& sprache) {
    Berechnungsdaten d;
    d.Sprache = sprache;
    d.Berechnungsdatum = berechnungsdatum;
    d.Ausgabewaehrung = ausgabewaehrung;
    d.Datumsstil = datumsstil;
    QSqlQuery eingabe = Sql::ausfuehren(db, "SELECT * FROM Eingabe ORDER BY rowid");
    while (eingabe.next()) d.Eingabe.push_back(eingabezeile(eingabe));
    d.referenz = Referenzdaten::laden(db);
    d.kalender = KalenderdatenLesen(db);
    d.vola_shifts = volaShiftsLesen(db, "vola_shifts");
    d.vola_shifts_index = volaShiftsLesen(db, "vola_shifts_index");
    d.FPPARA = fpparaLesen(db);
    d.Sonderklassenliste1 = listeLesen(db, "Sonderklassen-Liste-1");
    d.Sonderklassenliste2 = listeLesen(db, "Sonderklassen-Liste-2");
    return d;
}

} // namespace Margin
