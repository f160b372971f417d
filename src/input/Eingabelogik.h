#pragma once

#include "calendar/Kalender.h"
#include "calendar/Laufzeiten.h"
#include "input/Eingabetabelle.h"
#include "input/Eingabezustand.h"
#include "input/Fehlerprotokoll.h"
#include "input/Spaltenlayout.h"
#include "pricing/Meldungsanbindung.h"
#include "pricing/Preiskontext.h"
#include "shell/Arbeitsmappe.h"
#include "store/Referenzdaten.h"

#include <QSqlDatabase>
#include <QStringList>
#include <functional>
#include <memory>

class Dialoge;

// The rules of the position input: every row completion, check and update
// the input window, the import and the command-line tool run. It decides;
// the window only shows and forwards. Questions and messages go through
// Dialoge; quiet operations write error log rows.
class Eingabelogik {
public:
    // Starts the input on the open database: reference data and calendar
    // read once, table Eingabe and the maturity table emptied, one new row,
    // the holiday texts rewritten in the local date order.
    Eingabelogik(QSqlDatabase db, Dialoge& dialoge);

    Eingabezustand& zustand() { return zustand_; }
    const Eingabezustand& zustand() const { return zustand_; }
    Eingabetabelle& tabelle() { return tabelle_; }
    const Referenzdaten& referenz() const { return referenz_; }
    Kalender& kalender() { return *kalender_; }
    Fehlerprotokoll& protokoll() { return protokoll_; }
    Dialoge& dialoge() { return dialoge_; }
    QSqlDatabase db() const { return db_; }

    // --- reference data ---
    // The product of a row (by its code, ignoring case), or nullptr.
    const Produktsatz* produktVon(const Position& p) const;
    const Klassensatz* klasseVon(const Produktsatz* produkt) const;
    // Prices and power contract sizes typed or imported for a product; written to Produkt at
    // once. Fields: "AktPreis", "UnderlyingPrice", "Preis_Faelligkeit_<k>", "Multiplikator",
    // "TickValue".
    void produktfeldSetzen(const QString& produkt, const QString& feld, double wert);
    void Produkte_Neu_Laden();
    void MarginKlassen_Neu_Laden();
    void VolaShifts_Neu_Laden();

    // --- product list ---
    // Restricts the product drop-down; recomputed only when the filter changes.
    void Produktliste_Filtern(const QString& filter);
    const QStringList& produktliste() const { return produktliste_; }
    bool kzr2Handelbar() const;

    // --- rows ---
    int neueZeile();
    // Asks confirmation 1; false when the user keeps the row.
    bool zeileLoeschen(int zeile);
    // 1 when the table was emptied (after confirmation 2 where there was something to lose).
    int Alle_Loeschen();

    // --- row display and column setup ---
    Spaltenlayout Zeile_Anzeigen(int zeile, const QString& spalte);
    Spaltenlayout Spalten_Einrichten(int zeile, const QString& art, const QString& o_f);

    // --- change dispatch ---
    // The user set field `feld` of row `zeile` to `wert`. Applies the value (a wrong LS or
    // ProduktArt is refused with message 65/66 and false) and completes the row; the caller
    // then shows the row again (Zeile_Anzeigen). The product column is "Prod_Neu".
    bool feldGeaendert(int zeile, const QString& feld, const QVariant& wert);
    // The type cell is about to be edited: remembers the row's type.
    void typBearbeitungBeginnt(int zeile);
    void Typ_Uebernehmen(int zeile);
    void Produkt_Uebernehmen(int zeile);
    bool Laufzeit_Uebernehmen(int zeile, bool interaktiv);
    // Builds the maturity list of a product into LaufzeitenEingabe and loads it.
    int maturitaetenAufbauen(const Produktsatz& produkt);
    int Laufzeiten_Fuellen(const Laufzeiten& l);
    const QStringList& laufzeitAuswahl() const { return laufzeitAuswahl_; }

    // Implied volatility and amount of an option row; true when the pricing failed.
    bool ImplVola_Berechnen(int zeile, bool interaktiv);
    void Kontraktgroesse_Setzen(int zeile);
    void Valuta_Setzen(int zeile, int geschaeftstage);
    int Anleihe_Laufzeit_Tage() const;
    // Quietly, a bond without coupon date gets an error log row instead of message 69.
    void Anleihe_Zinstage(int zeile, bool interaktiv);
    int Kuponjahr_Tage(const Position& p) const;
    void Stueckzinsen_Berechnen(int zeile);

    // --- whole-table checks (input validation) ---
    bool Eingaben_Pruefen(const QString& modus);
    // The check button: message 72 or the error log report; true when all rows are correct.
    bool Eingaben_Ueberpruefen();
    // True when the calculation may start; otherwise the error log has been reported.
    bool Berechnung_Starten();
    // The error log by count (message 40 or 2); true when the error log window should open.
    bool Fehleranzahl_Melden();

    // --- calculation date and prices ---
    void Datum_Uebernehmen(bool interaktiv, const QDate& neuesDatum);
    // The date picker was closed on a date: the error log is emptied before and reported
    // after the update; true when the error log window should open.
    bool Datumswahl(const QDate& neuesDatum);
    void Preis_Uebernehmen(bool interaktiv, int zeile);

    // --- spreadsheets ---
    // Replaces the rows by the positions of a workbook or CSV grid and completes them
    // quietly. The caller has emptied the input (Alle_Loeschen) and reports the error log
    // afterwards. False (message 76, 75 or 74) when the file cannot be read.
    bool Excel_Import(const QString& pfad);
    void Klassenpreise_Angleichen(const QStringList& klassen, const QStringList& codes);
    // The workbook of the export: the positions sheet first, the margin results sheet after
    // it when results are to be included.
    Arbeitsmappe Excel_Export(bool mitErgebnissen, const QString& fenstertitel);

    // The underlying price of row i: the price of its maturity for products priced by
    // maturity, else the product's current price.
    double basiswertpreis(int zeile, const Produktsatz& produkt);
    // The price of the row's maturity (the maturity price lookup of the input).
    double laufzeitpreis(int zeile, const Produktsatz& produkt);
    // What the pricing services read of row i.
    Preiskontext preiskontext(int zeile, const Produktsatz& produkt);
    // Half to even to four decimals, the rounding of volatilities and option prices.
    static double aufVierStellen(double wert);
    // Is the date a holiday of the exchange, or a Saturday or Sunday?
    bool istFeiertag(const QDate& d) const;
    bool istWochenende(const QDate& d) const;

    // The shared maturity lists of the input.
    Laufzeiten& laufzeitenEingabe();
    Laufzeiten& laufzeitenAktuell();

private:
    std::optional<Arbeitsmappe> importmappeOeffnen(const QString& pfad);
    void exportzeile(Arbeitsmappe& m, int i, const QString& r);
    int preisModus(bool interaktiv, const Produktsatz& p, bool klasseMitOptionen);
    void optionszeileNeuBewerten(int i, int modus, bool interaktiv);
    void klasseNeuBewerten(bool interaktiv, const Produktsatz& p);
    enum class Zeilenausgang { Behalten, Loeschen };
    Zeilenausgang zeileAufDatum(int i, bool interaktiv, bool neueVolatilitaeten);
    Zeilenausgang derivatAufDatum(int i, const Produktsatz& p, bool interaktiv,
                                  bool neueVolatilitaeten);
    Zeilenausgang kasseAufDatum(int i, const Produktsatz& p, bool interaktiv);
    void Feiertagstexte_Setzen();
    void referenzLaden();
    void zeileLeeren(Position& p);
    void datumsfeldGeaendert(int zeile, const QString& feld);
    void betraegeBerechnen(int zeile);
    void laufzeitpreisEinrichten(Spaltenlayout& s, const Produktsatz& p, const Position& z);

    QSqlDatabase db_;
    Dialoge& dialoge_;
    Referenzdaten referenz_;
    std::unique_ptr<Kalender> kalender_;
    Fehlerprotokoll protokoll_;
    Meldungsanbindung meldungsanbindung_;
    Eingabetabelle tabelle_;
    Eingabezustand zustand_;
    QString filterSchluessel_;
    QStringList produktliste_;
    QStringList laufzeitAuswahl_;
};
