#include "store/Referenzdaten.h"

#include "store/Sql.h"

#include <QSqlRecord>

namespace {

QString text(const QSqlRecord& s, const char* feld) {
    return s.value(feld).toString();
}
double zahl(const QSqlRecord& s, const char* feld) {
    return s.value(feld).toDouble();
}
QString schluessel(const QString& code) {
    return code.trimmed().toUpper();
}

Klassensatz klasseAus(const QSqlRecord& s) {
    return {text(s, "MarginKlasse"),     text(s, "MarginGruppe"),    zahl(s, "MarginParameter"),
            text(s, "ParameterArt"),     zahl(s, "SpotMonthSpread"), zahl(s, "BackMonthSpread"),
            zahl(s, "Basispreisabstand")};
}

} // namespace

Produktsatz Referenzdaten::produktAus(const QSqlRecord& s) {
    Produktsatz p;
    p.Produkt = text(s, "Produkt");
    p.ISIN = text(s, "ISIN");
    p.Produktbezeichnung = text(s, "Produktbezeichnung");
    p.MarginKlasse = text(s, "MarginKlasse");
    p.Art = text(s, "Art");
    p.O_F = text(s, "O_F");
    p.TickSize = zahl(s, "TickSize");
    p.TickValue = zahl(s, "TickValue");
    p.Multiplikator = zahl(s, "Multiplikator");
    p.OPM = text(s, "OPM").trimmed();
    p.LZB = text(s, "LZB").trimmed();
    p.Laufzeit = s.value("Laufzeit").toLongLong();
    p.DaysUntilSettelment = zahl(s, "DaysUntilSettelment");
    p.Kupontermin = text(s, "Kupontermin");
    p.Kupontermin_e = text(s, "Kupontermin_e");
    p.Faelligkeit = text(s, "Faelligkeit");
    p.Kuponhoehe = zahl(s, "Kuponhoehe");
    p.Waehrung = text(s, "Waehrung");
    p.SOPA_Faktor = zahl(s, "SOPA_Faktor");
    p.Underlying = text(s, "Underlying");
    p.AktPreis = zahl(s, "AktPreis");
    p.UnderlyingPrice = zahl(s, "UnderlyingPrice");
    p.Dividende = zahl(s, "Dividende");
    p.DividendenTage = text(s, "DividendenTage");
    for (int k = 0; k < 20; ++k)
        p.Preis_Faelligkeit[static_cast<size_t>(k)] =
            s.value(QString("Preis_Faelligkeit_%1").arg(k + 1)).toDouble();
    p.Sonderfall = s.value("Sonderfall").toInt() != 0;
    p.Geloescht = text(s, "Geloescht");
    p.MATURITY_SWITCH = text(s, "MATURITY_SWITCH");
    return p;
}

Referenzdaten Referenzdaten::laden(const QSqlDatabase& db) {
    Referenzdaten r;
    QSqlQuery produkte = Sql::ausfuehren(db, "SELECT * FROM Produkt ORDER BY Produkt");
    while (produkte.next()) {
        r.produktIndex_.insert(schluessel(produkte.value("Produkt").toString()),
                               static_cast<int>(r.produkte_.size()));
        r.produkte_.push_back(produktAus(produkte.record()));
    }
    QSqlQuery klassen = Sql::ausfuehren(db, "SELECT * FROM MarginKlasse");
    while (klassen.next()) {
        const Klassensatz k = klasseAus(klassen.record());
        r.klassen_.insert(schluessel(k.MarginKlasse), k);
    }
    QSqlQuery gruppen = Sql::ausfuehren(db, "SELECT MarginGruppe, OffsetFaktor FROM MarginGruppe");
    while (gruppen.next())
        r.gruppen_.insert(schluessel(gruppen.value(0).toString()),
                          {gruppen.value(0).toString(), gruppen.value(1).toDouble()});
    QSqlQuery zinsen = Sql::ausfuehren(db, "SELECT * FROM Zinsen");
    if (zinsen.next()) {
        for (int k = 0; k < 17; ++k)
            r.zinsen_.Zinssatz[static_cast<size_t>(k)] =
                zinsen.value(QString("Zinssatz_%1").arg(k + 1)).toDouble();
        r.zinsen_.Zinssatz_EONIA = zinsen.value("Zinssatz_EONIA").toDouble();
        r.zinsen_.Zinssatz_RAIRU = zinsen.value("Zinssatz_RAIRU").toDouble();
        r.zinsen_.Zinssatz_RAIRD = zinsen.value("Zinssatz_RAIRD").toDouble();
    }
    QSqlQuery kurse = Sql::ausfuehren(db, "SELECT * FROM Waehrung");
    if (kurse.next()) {
        const QSqlRecord satz = kurse.record();
        for (int i = 0; i < satz.count(); ++i)
            if (!satz.isNull(i))
                r.waehrungen_.insert(satz.fieldName(i).toUpper(), satz.value(i).toDouble());
    }
    return r;
}

const Produktsatz* Referenzdaten::produkt(const QString& code) const {
    const auto it = produktIndex_.constFind(schluessel(code));
    return it == produktIndex_.constEnd() ? nullptr : &produkte_[static_cast<size_t>(*it)];
}

Produktsatz* Referenzdaten::produktAendern(const QString& code) {
    return const_cast<Produktsatz*>(std::as_const(*this).produkt(code));
}

const Klassensatz* Referenzdaten::klasse(const QString& code) const {
    const auto it = klassen_.constFind(schluessel(code));
    return it == klassen_.constEnd() ? nullptr : &*it;
}

const Gruppensatz* Referenzdaten::gruppe(const QString& code) const {
    const auto it = gruppen_.constFind(schluessel(code));
    return it == gruppen_.constEnd() ? nullptr : &*it;
}

std::optional<double> Referenzdaten::waehrungskurs(const QString& waehrung) const {
    const auto it = waehrungen_.constFind(schluessel(waehrung));
    if (it == waehrungen_.constEnd()) return std::nullopt;
    return *it;
}
