#include "TestUmgebung.h"

#include "store/Datenbank.h"
#include "store/DatenbankFehler.h"
#include "store/Sql.h"

#include <QFile>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

QStringList spaltenVon(const QSqlDatabase& db, const QString& tabelle) {
    QStringList namen;
    QSqlQuery q = Sql::ausfuehren(db, QString("PRAGMA table_info(\"%1\")").arg(tabelle));
    while (q.next()) namen << q.value(1).toString();
    return namen;
}

QStringList reihe(const QString& stamm, int von, int bis) {
    QStringList s;
    for (int i = von; i <= bis; ++i) s << stamm + QString::number(i);
    return s;
}

QStringList szenarien(const QString& name) {
    return {name, name + "_vsup", name + "_vsneutral", name + "_vsdown"};
}

// Every table and column the program and the exchange's files rely on,
// written out independently of the schema code.
const std::vector<std::pair<QString, QStringList>>& erwartet() {
    static const QStringList volaShifts = {"typ",     "marginklasse", "c_p",
                                           "days",    "Mnes",         "PriceMove",
                                           "Vola_Up", "Vola_Neutral", "Vola_Down"};
    static const std::vector<std::pair<QString, QStringList>> tabellen = {
        {"Produkt", QStringList{"Produkt",
                                "ISIN",
                                "Produktbezeichnung",
                                "MarginKlasse",
                                "Art",
                                "O_F",
                                "TickSize",
                                "TickValue",
                                "Multiplikator",
                                "OPM",
                                "LZB",
                                "Laufzeit",
                                "DaysUntilSettelment",
                                "Kupontermin",
                                "Kupontermin_e",
                                "Kuponhoehe",
                                "Waehrung",
                                "SOPA_Faktor",
                                "Underlying",
                                "AktPreis",
                                "UnderlyingPrice",
                                "Dividende",
                                "DividendenTage"} +
                        reihe("Preis_Faelligkeit_", 1, 20) +
                        QStringList{"Sonderfall", "Geloescht", "MATURITY_SWITCH"}},
        {"MarginKlasse",
         {"MarginKlasse", "MarginGruppe", "MarginParameter", "ParameterArt", "SpotMonthSpread",
          "BackMonthSpread", "Basispreisabstand"}},
        {"MarginGruppe", {"MarginGruppe", "OffsetFaktor"}},
        {"Zinsen", reihe("Zinssatz_", 1, 17) +
                       QStringList{"Zinssatz_EONIA", "Zinssatz_RAIRU", "Zinssatz_RAIRD"}},
        {"Waehrung",
         {"EUR", "AUD", "CHF", "DEM", "DKK", "GBP", "HKG", "JPY", "NOK", "SEK", "SGD", "USD"}},
        {"Feiertage", {"Index", "Dat", "Datum", "Beschreibung"}},
        {"Inflationsderivate_Termine", {"Termin", "O_F"}},
        {"Ampero",
         {"MARKET", "PRODUCT_ID", "EXPIRY_YEAR", "EXPIRY_MONTH", "FIRST_TRADING_DATE",
          "EXPIRY_DATE", "FIRST_DELIVERY_DATE", "LAST_DELIVERY_DATE", "BEGIN_BOM_SETTLEMENT",
          "DELIVERY_DAYS", "CONTRACT_SIZE", "BEGIN_EMF", "DELIVERY_WEEK", "UL_PRODUCT_ID",
          "UL_EXPIRY_YEAR", "UL_EXPIRY_MONTH", "LETZTER_HT", "Anzeigetext"}},
        {"vola_shifts", volaShifts},
        {"vola_shifts_index", volaShifts},
        {"vola_shifts_berechnung", volaShifts},
        {"vola_shifts_berechnung2", volaShifts},
        {"FPPARA", {"MarginKlasse", "Jahr", "Monat", "sMonat", "Faktor", "LZIndex"}},
        {"Eingabe",
         {"LfdNr",
          "Typ",
          "EAIBXZ",
          "Produkte",
          "Prod_Bezeichnung",
          "MarginGruppe",
          "MarginKlasse",
          "O_F",
          "LS",
          "ProduktArt",
          "Laufzeit",
          "Laufzeit_Tage",
          "Laufzeit_Tage_2",
          "Laufzeit_Tage_3",
          "LaufzeitIndex",
          "letzterHT",
          "Basispreis",
          "Anzahl",
          "TradePrice",
          "AktuellerPreis",
          "ImplVola",
          "Handelstag",
          "SettlementDays",
          "BruttoNetto",
          "Stueckzinsen",
          "Betrag",
          "OffenePositionen"}},
        {"Speichern_1", {"Name", "Datum"}},
        {"Speichern_2", QStringList{"SpeicherName",
                                    "LfdNr",
                                    "Produkte",
                                    "MarginGruppe",
                                    "MarginKlasse",
                                    "Typ",
                                    "O_F",
                                    "LS",
                                    "ProduktArt",
                                    "TradePrice",
                                    "ImplVola",
                                    "SettlementDays",
                                    "Handelstag",
                                    "Laufzeit",
                                    "Laufzeit_Tage",
                                    "Basispreis",
                                    "Anzahl",
                                    "BruttoNetto",
                                    "Stueckzinsen",
                                    "Betrag",
                                    "AktuellerPreis",
                                    "OffenePositionen",
                                    "EAIBXZ",
                                    "LaufzeitIndex",
                                    "Laufzeit_Tage_2",
                                    "Laufzeit_Tage_3"} +
                            reihe("Preis_Faelligkeit_", 1, 20) + QStringList{"UnderlyingPrice"}},
        {"FehlerP", {"LfdNr", "ZeilenNr", "ProdName", "Beschreibung"}},
        {"Berechnung",
         {"LfdNr",
          "MarginGruppe",
          "MarginKlasse",
          "TradePrice",
          "AktuellerPreis",
          "ProduktArt",
          "O_F",
          "LS",
          "Produkte",
          "Laufzeit",
          "Laufzeit_Tage",
          "Laufzeit_Tage_2",
          "Laufzeit_Tage_3",
          "Basispreis",
          "Anzahl",
          "ImplVola",
          "BruttoNetto",
          "Stueckzinsen",
          "Betrag",
          "Typ",
          "SettlementDays",
          "OffenePositionen",
          "LaufzeitIndex",
          "letzterHT",
          "Prod_Neu",
          "Akt_Preis_Neu",
          "MarginKlasse_NEU",
          "SopaWert",
          "SopaWert_up",
          "SopaWert_neutral",
          "SopaWert_down"}},
        {"Long",
         {"Nr", "LfdNr", "OffenePositionen", "Laufzeit_Tage", "Basispreis", "Basispreis_String",
          "Laufzeit"}},
        {"Short",
         {"Nr", "LfdNr", "OffenePositionen", "Laufzeit_Tage", "Basispreis", "Basispreis_String",
          "Laufzeit"}},
        {"A_MKlasse", {"MarginKlasse", "MK_neu", "MarginGruppe", "Art"}},
        {"Ausgabe1",
         QStringList{"LfdNr", "MarginGruppe", "MarginKlasse", "MK_neu", "AnzSpot", "AnzBack",
                     "AnzNonSpread", "SummeSpot", "SummeBAck", "D_LVA_Long", "D_LVA_Short",
                     "PremiumMargin", "CurrentLiquidatingMargin", "FutureSpreadMargin",
                     "AdditionalMargin_Future", "TotalMargin_Gruppe"} +
             szenarien("AdditionalMargin_UP") + szenarien("AdditionalMargin_Down") +
             szenarien("AdditionalMargin") + szenarien("TotalMargin") +
             szenarien("AdditionalMargin_Gruppe")},
        {"Ausgabe2",
         {"Klasse",
          "Zaehler",
          "IntervallZaehler",
          "MarginGruppe",
          "MarginKlasse",
          "MarginKlasse_NEU",
          "Prod_Neu",
          "Bezeichnung",
          "Art",
          "O_F",
          "LS",
          "ProduktArt",
          "Laufzeit",
          "Akt_Preis_Neu",
          "Basispreis",
          "Rechenkurs",
          "Rechenkurs2",
          "xWert",
          "xWert_up",
          "xWert_neutral",
          "xWert_down",
          "yWert",
          "yWert2",
          "SopaWert",
          "SopaWert_up",
          "SopaWert_neutral",
          "SopaWert_down",
          "Szenario",
          "Vola_Up_neu",
          "Vola_Neutral_neu",
          "Vola_Down_neu",
          "MATURITY_SWITCH",
          "MATURITY_Factor",
          "LZIndex"}},
        {"Szenarien", {"Margingruppe", "Szenario", "Summe"}},
        {"vola_shifts_tmp", {"typ", "marginklasse", "ProduktArt", "laufzeit_tage", "days"}},
        {"Laufzeiten",
         {"LZB", "Gruppe", "LZIndex", "VerfallDatum", "VerfallMonatTxt", "Tag", "Monat", "Jahr",
          "LZ_Tage"}},
        {"U_Produkt_Bonds",
         {"MarginGruppe", "PlusMinus", "OffSetFaktor", "MarginKlasse", "ISIN", "ParameterArt",
          "Parameter", "Waehrung", "DCML", "ExchangeRate", "DataBond", "STL_Period"}},
        {"Konfigurationslisten", {"Liste", "Wert"}},
    };
    return tabellen;
}

TEST(Schema, EveryTableHasEveryColumnByItsExactName) {
    TestDatenbank t;
    for (const auto& [tabelle, spalten] : erwartet()) {
        const QStringList vorhanden = spaltenVon(t.db(), tabelle);
        ASSERT_FALSE(vorhanden.isEmpty()) << tabelle.toStdString();
        for (const QString& spalte : spalten)
            EXPECT_TRUE(vorhanden.contains(spalte)) << (tabelle + "." + spalte).toStdString();
    }
}

TEST(Schema, VolaShiftColumnsKeepTheirOrderForPlainInserts) {
    TestDatenbank t;
    EXPECT_EQ(spaltenVon(t.db(), "vola_shifts"),
              (QStringList{"typ", "marginklasse", "c_p", "days", "Mnes", "PriceMove", "Vola_Up",
                           "Vola_Neutral", "Vola_Down"}));
}

TEST(Schema, KeyLookupsIgnoreCaseAndProductCodesAreUnique) {
    TestDatenbank t;
    t.ausfuehren("INSERT INTO Produkt (Produkt, Art) VALUES ('ODAX', 'I')");
    EXPECT_EQ(Sql::wert(t.db(), "SELECT Art FROM Produkt WHERE Produkt = ?", {"odax"}).toString(),
              "I");
    EXPECT_THROW(t.ausfuehren("INSERT INTO Produkt (Produkt) VALUES ('Odax')"), DatenbankFehler);
}

TEST(Schema, OpeningAnExistingFileKeepsRowsAndCompletesMissingColumns) {
    TestOrdner ordner;
    const QString pfad = ordner.datei("alt.abs");
    {
        // A file from an older build: one table with fewer columns and a row.
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "alt");
        db.setDatabaseName(pfad);
        ASSERT_TRUE(db.open());
        Sql::ausfuehren(db, "CREATE TABLE MarginGruppe (MarginGruppe TEXT)");
        Sql::ausfuehren(db, "INSERT INTO MarginGruppe VALUES ('G1')");
        db.close();
    }
    QSqlDatabase::removeDatabase("alt");

    QSqlDatabase db = Datenbank::oeffnen(pfad);
    EXPECT_EQ(Sql::wert(db, "SELECT count(*) FROM MarginGruppe").toInt(), 1);
    EXPECT_TRUE(spaltenVon(db, "MarginGruppe").contains("OffsetFaktor"));
    EXPECT_FALSE(spaltenVon(db, "Produkt").isEmpty());
    Datenbank::schliessen();

    // A second opening changes nothing.
    db = Datenbank::oeffnen(pfad);
    EXPECT_EQ(Sql::wert(db, "SELECT MarginGruppe FROM MarginGruppe").toString(), "G1");
    Datenbank::schliessen();
}

TEST(Schema, AFileThatIsNotADatabaseIsRefusedAndLeftAlone) {
    TestOrdner ordner;
    ordner.schreiben("kaputt.abs", QString(3000, 'x'));
    EXPECT_THROW(Datenbank::oeffnen(ordner.datei("kaputt.abs")), DatenbankFehler);
    EXPECT_EQ(ordner.lesen("kaputt.abs"), QString(3000, 'x'));
    EXPECT_FALSE(Datenbank::verbindung().isValid());
}

TEST(Sql, DatesAreIsoTextAndEmptyDatesAreNull) {
    EXPECT_EQ(Sql::datum(QDate(2008, 3, 7)).toString(), "2008-03-07");
    EXPECT_TRUE(Sql::datum(QDate()).isNull());
    EXPECT_EQ(Sql::datumAus(QString("2008-03-07")), QDate(2008, 3, 7));
    EXPECT_FALSE(Sql::datumAus(QVariant()).isValid());
}

} // namespace
