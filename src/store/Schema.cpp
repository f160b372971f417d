#include "store/Schema.h"

#include "store/DatenbankFehler.h"
#include "store/Sql.h"

#include <QSet>
#include <QSqlQuery>

namespace Schema {
namespace {

using T = Typ;

std::vector<Spalte> nummeriert(const QString& stamm, int von, int bis, Typ typ) {
    std::vector<Spalte> s;
    for (int i = von; i <= bis; ++i) s.push_back({stamm + QString::number(i), typ});
    return s;
}

// The plain column and its three volatility scenario columns.
std::vector<Spalte> mitSzenarien(const QString& name) {
    return {{name, T::Zahl},
            {name + "_vsup", T::Zahl},
            {name + "_vsneutral", T::Zahl},
            {name + "_vsdown", T::Zahl}};
}

std::vector<Spalte> verbunden(std::initializer_list<std::vector<Spalte>> teile) {
    std::vector<Spalte> alle;
    for (const auto& teil : teile) alle.insert(alle.end(), teil.begin(), teil.end());
    return alle;
}

std::vector<Spalte> volaShiftSpalten() {
    return {{"typ", T::Text},      {"marginklasse", T::Text}, {"c_p", T::Text},
            {"days", T::Ganzzahl}, {"Mnes", T::Zahl},         {"PriceMove", T::Zahl},
            {"Vola_Up", T::Zahl},  {"Vola_Neutral", T::Zahl}, {"Vola_Down", T::Zahl}};
}

std::vector<Tabelle> aufbauen() {
    std::vector<Tabelle> t;
    t.push_back({"Produkt", verbunden({{{"Produkt", T::Text, true},
                                        {"ISIN", T::Text},
                                        {"Produktbezeichnung", T::Text},
                                        {"MarginKlasse", T::Text, true},
                                        {"Art", T::Text},
                                        {"O_F", T::Text},
                                        {"TickSize", T::Zahl},
                                        {"TickValue", T::Zahl},
                                        {"Multiplikator", T::Zahl},
                                        {"OPM", T::Text},
                                        {"LZB", T::Text},
                                        {"Laufzeit", T::Ganzzahl},
                                        {"DaysUntilSettelment", T::Zahl},
                                        {"Kupontermin", T::Text},
                                        {"Kupontermin_e", T::Text},
                                        {"Faelligkeit", T::Text},
                                        {"Kuponhoehe", T::Zahl},
                                        {"Waehrung", T::Text},
                                        {"SOPA_Faktor", T::Zahl},
                                        {"Underlying", T::Text},
                                        {"AktPreis", T::Zahl},
                                        {"UnderlyingPrice", T::Zahl},
                                        {"Dividende", T::Zahl},
                                        {"DividendenTage", T::Text}},
                                       nummeriert("Preis_Faelligkeit_", 1, 20, T::Zahl),
                                       {{"Sonderfall", T::Ganzzahl},
                                        {"Geloescht", T::Text},
                                        {"MATURITY_SWITCH", T::Text}}})});
    t.push_back({"MarginKlasse",
                 {{"MarginKlasse", T::Text, true},
                  {"MarginGruppe", T::Text, true},
                  {"MarginParameter", T::Zahl},
                  {"ParameterArt", T::Text},
                  {"SpotMonthSpread", T::Zahl},
                  {"BackMonthSpread", T::Zahl},
                  {"Basispreisabstand", T::Zahl}}});
    t.push_back({"MarginGruppe", {{"MarginGruppe", T::Text, true}, {"OffsetFaktor", T::Zahl}}});
    t.push_back({"Zinsen", verbunden({nummeriert("Zinssatz_", 1, 17, T::Zahl),
                                      {{"Zinssatz_EONIA", T::Zahl},
                                       {"Zinssatz_RAIRU", T::Zahl},
                                       {"Zinssatz_RAIRD", T::Zahl}}})});
    {
        std::vector<Spalte> w;
        for (const char* c :
             {"EUR", "AUD", "CHF", "DEM", "DKK", "GBP", "HKG", "JPY", "NOK", "SEK", "SGD", "USD"})
            w.push_back({c, T::Zahl});
        t.push_back({"Waehrung", w});
    }
    t.push_back({"Feiertage",
                 {{"Index", T::Autonummer},
                  {"Dat", T::Datum},
                  {"Datum", T::Text},
                  {"Beschreibung", T::Text}}});
    t.push_back({"Inflationsderivate_Termine", {{"Termin", T::Datum}, {"O_F", T::Text}}});
    t.push_back({"Ampero",
                 {{"MARKET", T::Text},
                  {"PRODUCT_ID", T::Text, true},
                  {"EXPIRY_YEAR", T::Ganzzahl},
                  {"EXPIRY_MONTH", T::Ganzzahl},
                  {"FIRST_TRADING_DATE", T::Datum},
                  {"EXPIRY_DATE", T::Datum},
                  {"FIRST_DELIVERY_DATE", T::Datum},
                  {"LAST_DELIVERY_DATE", T::Datum},
                  {"BEGIN_BOM_SETTLEMENT", T::Datum},
                  {"DELIVERY_DAYS", T::Ganzzahl},
                  {"CONTRACT_SIZE", T::Ganzzahl},
                  {"BEGIN_EMF", T::Datum},
                  {"DELIVERY_WEEK", T::Text},
                  {"UL_PRODUCT_ID", T::Text},
                  {"UL_EXPIRY_YEAR", T::Ganzzahl},
                  {"UL_EXPIRY_MONTH", T::Ganzzahl},
                  {"LETZTER_HT", T::Datum},
                  {"Anzeigetext", T::Text}}});
    t.push_back({"vola_shifts", volaShiftSpalten()});
    t.push_back({"vola_shifts_index", volaShiftSpalten()});
    t.push_back({"FPPARA",
                 {{"MarginKlasse", T::Text, true},
                  {"Jahr", T::Ganzzahl},
                  {"Monat", T::Ganzzahl},
                  {"sMonat", T::Text},
                  {"Faktor", T::Zahl},
                  {"LZIndex", T::Ganzzahl}}});

    const std::vector<Spalte> eingabe = {{"LfdNr", T::Ganzzahl},
                                         {"Typ", T::Text},
                                         {"EAIBXZ", T::Text},
                                         {"Produkte", T::Text, true},
                                         {"Prod_Bezeichnung", T::Text},
                                         {"MarginGruppe", T::Text},
                                         {"MarginKlasse", T::Text},
                                         {"O_F", T::Text},
                                         {"LS", T::Text},
                                         {"ProduktArt", T::Text},
                                         {"Laufzeit", T::Text},
                                         {"Laufzeit_Tage", T::Zahl},
                                         {"Laufzeit_Tage_2", T::Zahl},
                                         {"Laufzeit_Tage_3", T::Zahl},
                                         {"LaufzeitIndex", T::Ganzzahl},
                                         {"letzterHT", T::Datum},
                                         {"Basispreis", T::Zahl},
                                         {"Anzahl", T::Zahl},
                                         {"TradePrice", T::Zahl},
                                         {"AktuellerPreis", T::Zahl},
                                         {"ImplVola", T::Zahl},
                                         {"Handelstag", T::Text},
                                         {"SettlementDays", T::Text},
                                         {"BruttoNetto", T::Text},
                                         {"Stueckzinsen", T::Zahl},
                                         {"Betrag", T::Zahl},
                                         {"OffenePositionen", T::Zahl}};
    t.push_back({"Eingabe", eingabe});
    t.push_back({"Speichern_1", {{"Name", T::Text, true}, {"Datum", T::Datum}}});
    t.push_back({"Speichern_2", verbunden({{{"SpeicherName", T::Text, true},
                                            {"LfdNr", T::Ganzzahl},
                                            {"Produkte", T::Text, true},
                                            {"MarginGruppe", T::Text},
                                            {"MarginKlasse", T::Text},
                                            {"Typ", T::Text},
                                            {"O_F", T::Text},
                                            {"LS", T::Text},
                                            {"ProduktArt", T::Text},
                                            {"TradePrice", T::Zahl},
                                            {"ImplVola", T::Zahl},
                                            {"SettlementDays", T::Text},
                                            {"Handelstag", T::Text},
                                            {"Laufzeit", T::Text},
                                            {"Laufzeit_Tage", T::Zahl},
                                            {"Basispreis", T::Zahl},
                                            {"Anzahl", T::Zahl},
                                            {"BruttoNetto", T::Text},
                                            {"Stueckzinsen", T::Zahl},
                                            {"Betrag", T::Zahl},
                                            {"AktuellerPreis", T::Zahl},
                                            {"OffenePositionen", T::Zahl},
                                            {"EAIBXZ", T::Text},
                                            {"LaufzeitIndex", T::Ganzzahl},
                                            {"Laufzeit_Tage_2", T::Zahl},
                                            {"Laufzeit_Tage_3", T::Zahl}},
                                           nummeriert("Preis_Faelligkeit_", 1, 20, T::Zahl),
                                           {{"UnderlyingPrice", T::Zahl}}})});
    // Nummer, Art and Zusatz keep what produced a row, beside its text.
    t.push_back({"FehlerP",
                 {{"LfdNr", T::Autonummer},
                  {"ZeilenNr", T::Ganzzahl},
                  {"ProdName", T::Text},
                  {"Beschreibung", T::Text},
                  {"Nummer", T::Ganzzahl},
                  {"Art", T::Text},
                  {"Zusatz", T::Text}}});

    t.push_back({"Berechnung",
                 {{"LfdNr", T::Ganzzahl},
                  {"MarginGruppe", T::Text},
                  {"MarginKlasse", T::Text},
                  {"TradePrice", T::Zahl},
                  {"AktuellerPreis", T::Zahl},
                  {"ProduktArt", T::Text},
                  {"O_F", T::Text},
                  {"LS", T::Text},
                  {"Produkte", T::Text},
                  {"Laufzeit", T::Text},
                  {"Laufzeit_Tage", T::Zahl},
                  {"Laufzeit_Tage_2", T::Zahl},
                  {"Laufzeit_Tage_3", T::Zahl},
                  {"Basispreis", T::Zahl},
                  {"Anzahl", T::Zahl},
                  {"ImplVola", T::Zahl},
                  {"BruttoNetto", T::Text},
                  {"Stueckzinsen", T::Zahl},
                  {"Betrag", T::Zahl},
                  {"Typ", T::Text},
                  {"SettlementDays", T::Text},
                  {"OffenePositionen", T::Zahl},
                  {"LaufzeitIndex", T::Ganzzahl},
                  {"letzterHT", T::Datum},
                  {"Prod_Neu", T::Text},
                  {"Akt_Preis_Neu", T::Zahl},
                  {"MarginKlasse_NEU", T::Text},
                  {"SopaWert", T::Zahl},
                  {"SopaWert_up", T::Zahl},
                  {"SopaWert_neutral", T::Zahl},
                  {"SopaWert_down", T::Zahl}}});
    const std::vector<Spalte> bein = {
        {"Nr", T::Autonummer},      {"LfdNr", T::Ganzzahl},  {"OffenePositionen", T::Ganzzahl},
        {"Laufzeit_Tage", T::Zahl}, {"Basispreis", T::Zahl}, {"Basispreis_String", T::Text},
        {"Laufzeit", T::Text}};
    t.push_back({"Long", bein});
    t.push_back({"Short", bein});
    t.push_back({"A_MKlasse",
                 {{"MarginKlasse", T::Text},
                  {"MK_neu", T::Text},
                  {"MarginGruppe", T::Text},
                  {"Art", T::Text}}});
    t.push_back({"Ausgabe1", verbunden({{{"LfdNr", T::Autonummer},
                                         {"MarginGruppe", T::Text},
                                         {"MarginKlasse", T::Text},
                                         {"MK_neu", T::Text},
                                         {"AnzSpot", T::Ganzzahl},
                                         {"AnzBack", T::Ganzzahl},
                                         {"AnzNonSpread", T::Ganzzahl},
                                         {"AnzSOPA", T::Ganzzahl},
                                         {"SummeSpot", T::Zahl},
                                         {"SummeBAck", T::Zahl},
                                         {"D_LVA_Long", T::Zahl},
                                         {"D_LVA_Short", T::Zahl},
                                         {"PremiumMargin", T::Zahl},
                                         {"CurrentLiquidatingMargin", T::Zahl},
                                         {"FutureSpreadMargin", T::Zahl},
                                         {"AdditionalMargin_Future", T::Zahl}},
                                        mitSzenarien("AdditionalMargin_UP"),
                                        mitSzenarien("AdditionalMargin_Down"),
                                        mitSzenarien("AdditionalMargin"),
                                        mitSzenarien("TotalMargin"),
                                        mitSzenarien("AdditionalMargin_Gruppe"),
                                        {{"TotalMargin_Gruppe", T::Zahl}}})});
    t.push_back({"Ausgabe2",
                 {{"Klasse", T::Text},
                  {"Zaehler", T::Ganzzahl},
                  {"IntervallZaehler", T::Zahl},
                  {"MarginGruppe", T::Text},
                  {"MarginKlasse", T::Text},
                  {"MarginKlasse_NEU", T::Text},
                  {"Prod_Neu", T::Text},
                  {"Bezeichnung", T::Text},
                  {"Art", T::Text},
                  {"O_F", T::Text},
                  {"LS", T::Text},
                  {"ProduktArt", T::Text},
                  {"Laufzeit", T::Text},
                  {"Akt_Preis_Neu", T::Zahl},
                  {"Basispreis", T::Zahl},
                  {"Rechenkurs", T::Zahl},
                  {"Rechenkurs2", T::Zahl},
                  {"xWert", T::Zahl},
                  {"xWert_up", T::Zahl},
                  {"xWert_neutral", T::Zahl},
                  {"xWert_down", T::Zahl},
                  {"yWert", T::Zahl},
                  {"yWert2", T::Zahl},
                  {"SopaWert", T::Zahl},
                  {"SopaWert_up", T::Zahl},
                  {"SopaWert_neutral", T::Zahl},
                  {"SopaWert_down", T::Zahl},
                  {"Szenario", T::Text},
                  {"Vola_Up_neu", T::Zahl},
                  {"Vola_Neutral_neu", T::Zahl},
                  {"Vola_Down_neu", T::Zahl},
                  {"MATURITY_SWITCH", T::Text},
                  {"MATURITY_Factor", T::Zahl},
                  {"LZIndex", T::Ganzzahl}}});
    t.push_back(
        {"Szenarien", {{"Margingruppe", T::Text}, {"Szenario", T::Text}, {"Summe", T::Zahl}}});
    t.push_back({"vola_shifts_tmp",
                 {{"typ", T::Text},
                  {"marginklasse", T::Text},
                  {"ProduktArt", T::Text},
                  {"laufzeit_tage", T::Ganzzahl},
                  {"days", T::Ganzzahl}}});
    t.push_back({"vola_shifts_berechnung", volaShiftSpalten()});
    t.push_back({"vola_shifts_berechnung2", volaShiftSpalten()});
    t.push_back({"Laufzeiten",
                 {{"LZB", T::Text},
                  {"Gruppe", T::Zahl},
                  {"LZIndex", T::Ganzzahl},
                  {"VerfallDatum", T::Datum},
                  {"VerfallMonatTxt", T::Text},
                  {"Tag", T::Ganzzahl},
                  {"Monat", T::Ganzzahl},
                  {"Jahr", T::Ganzzahl},
                  {"LZ_Tage", T::Zahl}}});
    t.push_back({"U_Produkt_Bonds",
                 {{"MarginGruppe", T::Text},
                  {"PlusMinus", T::Text},
                  {"OffSetFaktor", T::Zahl},
                  {"MarginKlasse", T::Text},
                  {"ISIN", T::Text},
                  {"ParameterArt", T::Text},
                  {"Parameter", T::Zahl},
                  {"Waehrung", T::Text},
                  {"DCML", T::Text},
                  {"ExchangeRate", T::Zahl},
                  {"DataBond", T::Text},
                  {"STL_Period", T::Zahl}}});
    t.push_back({"Konfigurationslisten", {{"Liste", T::Text}, {"Wert", T::Text}}});
    return t;
}

QString spaltenDefinition(const Spalte& s) {
    QString typ;
    switch (s.typ) {
    case T::Text:
        typ = "TEXT";
        break;
    case T::Datum:
        typ = "TEXT";
        break;
    case T::Zahl:
        typ = "REAL";
        break;
    case T::Ganzzahl:
        typ = "INTEGER";
        break;
    case T::Autonummer:
        typ = "INTEGER PRIMARY KEY AUTOINCREMENT";
        break;
    }
    return QString("\"%1\" %2%3").arg(s.name, typ, s.ohneGrossKlein ? " COLLATE NOCASE" : "");
}

QSet<QString> vorhandeneSpalten(const QSqlDatabase& db, const QString& tabelle) {
    QSet<QString> namen;
    QSqlQuery info = Sql::ausfuehren(db, QString("PRAGMA table_info(\"%1\")").arg(tabelle));
    while (info.next()) namen.insert(info.value(1).toString().toLower());
    return namen;
}

void tabelleAnlegen(const QSqlDatabase& db, const Tabelle& t) {
    QStringList spalten;
    for (const Spalte& s : t.spalten) spalten << spaltenDefinition(s);
    Sql::ausfuehren(db, QString("CREATE TABLE \"%1\" (%2)").arg(t.name, spalten.join(", ")));
}

void tabelleVervollstaendigen(const QSqlDatabase& db, const Tabelle& t,
                              const QSet<QString>& vorhanden) {
    for (const Spalte& s : t.spalten) {
        if (vorhanden.contains(s.name.toLower())) continue;
        Spalte neu = s;
        if (neu.typ == T::Autonummer) neu.typ = T::Ganzzahl; // SQLite adds no key columns later
        Sql::ausfuehren(
            db, QString("ALTER TABLE \"%1\" ADD COLUMN %2").arg(t.name, spaltenDefinition(neu)));
    }
}

// A unique index that existing duplicate rows prevent becomes a plain one:
// completing a schema never fails on data it did not write.
void indexAnlegen(const QSqlDatabase& db, const QString& name, const QString& tabelle,
                  const QString& spalten, bool eindeutig) {
    const QString sql = QString("CREATE %1INDEX IF NOT EXISTS \"%2\" ON \"%3\" (%4)");
    if (eindeutig) {
        try {
            Sql::ausfuehren(db, sql.arg("UNIQUE ", name, tabelle, spalten));
            return;
        } catch (const DatenbankFehler&) {
        }
    }
    Sql::ausfuehren(db, sql.arg("", name, tabelle, spalten));
}

void indexeAnlegen(const QSqlDatabase& db) {
    indexAnlegen(db, "idxProdukt", "Produkt", "\"Produkt\" COLLATE NOCASE", true);
    indexAnlegen(db, "idxMarginKlasse", "MarginKlasse", "\"MarginKlasse\" COLLATE NOCASE", true);
    indexAnlegen(db, "idxMarginGruppe", "MarginGruppe", "\"MarginGruppe\" COLLATE NOCASE", true);
    indexAnlegen(db, "idxSpeichern_1", "Speichern_1", "\"Name\" COLLATE NOCASE", true);
    indexAnlegen(db, "idxSpeichern_2", "Speichern_2", "\"SpeicherName\" COLLATE NOCASE", false);
    indexAnlegen(db, "idxBy_HT", "Ampero", "\"PRODUCT_ID\" COLLATE NOCASE, \"LETZTER_HT\"", false);
    indexAnlegen(db, "idxFeiertage", "Feiertage", "\"Dat\"", false);
    indexAnlegen(db, "idxFPPARA", "FPPARA", "\"MarginKlasse\" COLLATE NOCASE", false);
}

} // namespace

const std::vector<Tabelle>& tabellen() {
    static const std::vector<Tabelle> alle = aufbauen();
    return alle;
}

void anlegen(const QSqlDatabase& db) {
    Transaktion transaktion(db);
    for (const Tabelle& t : tabellen()) {
        const QSet<QString> vorhanden = vorhandeneSpalten(db, t.name);
        if (vorhanden.isEmpty())
            tabelleAnlegen(db, t);
        else
            tabelleVervollstaendigen(db, t, vorhanden);
    }
    indexeAnlegen(db);
    transaktion.bestaetigen();
}

} // namespace Schema
