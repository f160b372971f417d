#include "input/Eingabelogik.h"
#include "input/Produkttypen.h"
#include "shell/Datumstext.h"
#include "shell/IniDatei.h"
#include "shell/Programm.h"
#include "store/Sql.h"

namespace {

bool englisch() {
    return Programm::instanz().sprache == "e";
}

QString sprachtext(const char* deutsch, const char* english) {
    return englisch() ? english : deutsch;
}

// Products whose maturity price the sheet carries in column M.
bool hatLaufzeitpreis(const Produktsatz& p) {
    return (p.Art.size() == 1 && QString("ZKNVR").contains(p.Art.toUpper())) ||
           p.Produkt.compare("JLU", Qt::CaseInsensitive) == 0 ||
           p.Produkt.compare("HMAV", Qt::CaseInsensitive) == 0 ||
           p.MATURITY_SWITCH.compare("Y", Qt::CaseInsensitive) == 0;
}

void datumSchreiben(Arbeitsmappe& m, const QString& zelle, const QString& text) {
    if (const auto d = Datumstext::lesen(text))
        m.schreibenDatum(zelle, *d);
    else
        m.schreiben(zelle, QString());
}

void ergebnisblatt(Arbeitsmappe& m, const QSqlDatabase& db) {
    m.blattBenennen(sprachtext("Margin-Anforderungen", "Margin Requirement"));
    const QStringList titel = {sprachtext("Margin-Gruppe", "Margin Group"),
                               sprachtext("Margin-Klasse", "Margin Class"),
                               sprachtext("Margin-Klasse Laufzeit", "Margin Class by Maturity"),
                               "Premium Margin",
                               "Current-Liquidating-Margin",
                               "Futures-Spread-Margin",
                               "Additional Margin",
                               "Total Margin"};
    for (int s = 0; s < titel.size(); ++s) m.schreiben(Zellbezug{0, s}.name(), titel[s]);
    m.fett("A1:H1");
    QSqlQuery q = Sql::ausfuehren(
        db, "SELECT MarginGruppe, MarginKlasse, MK_neu, PremiumMargin, "
            "CurrentLiquidatingMargin, FutureSpreadMargin, "
            "AdditionalMargin_Gruppe, TotalMargin_Gruppe FROM Ausgabe1 ORDER BY LfdNr");
    for (int zeile = 1; q.next(); ++zeile) {
        for (int s = 0; s < 3; ++s) m.schreiben(Zellbezug{zeile, s}.name(), q.value(s).toString());
        for (int s = 3; s < 8; ++s) m.schreiben(Zellbezug{zeile, s}.name(), q.value(s).toDouble());
    }
    m.spaltenAnpassen("A1:Z1");
}

} // namespace

Arbeitsmappe Eingabelogik::Excel_Export(bool mitErgebnissen, const QString& fenstertitel) {
    Produktliste_Filtern("*");
    Arbeitsmappe m;
    if (mitErgebnissen) {
        ergebnisblatt(m, db_);
        m.blattHinzufuegen();
    }
    m.blattBenennen(fenstertitel);
    m.schreiben("A1", QString("Name"));
    m.schreiben("B1", zustand_.Projektname);
    m.schreiben("A2", sprachtext("Datum", "Date"));
    m.schreiben("B2", Datumstext::schreiben(zustand_.Berechnungsdatum));
    m.fett("A1:B2");
    m.fett("A4:AA4");

    const IniDatei labels(Programm::instanz().labeldatei);
    const auto gitter = [&](const QString& feld) {
        return labels.text("Eingabe-Tabelle", "TAB_" + feld, feld);
    };
    const QStringList titel = {gitter("Typ"),
                               gitter("Prod_Neu"),
                               gitter("Laufzeit"),
                               gitter("Handelstag"),
                               gitter("SettlementDays"),
                               gitter("Anzahl"),
                               gitter("Basispreis"),
                               sprachtext("Handelspreis / Täglicher Abrechnungspreis",
                                          "Trade Price / Daily Settlement Price"),
                               gitter("LS"),
                               gitter("ProduktArt"),
                               gitter("BruttoNetto"),
                               gitter("Akt_Preis_Neu"),
                               sprachtext("Zweiter aktueller Preis", "UnderlyingPrice"),
                               gitter("Betrag"),
                               gitter("ImplVola"),
                               gitter("Stueckzinsen"),
                               gitter("MarginKlasse"),
                               gitter("MarginGruppe"),
                               sprachtext("Dividende", "Dividend"),
                               sprachtext("Dividendentermin", "Dividend Date"),
                               sprachtext("Coupontermin", "Coupon Date"),
                               "Coupon",
                               sprachtext("Fälligkeit", "Maturity Date"),
                               "Tick Size",
                               sprachtext("Multiplikator", "Multiplier"),
                               "Tick Value",
                               gitter("Prod_Bezeichnung")};
    for (int s = 0; s < titel.size(); ++s) m.schreiben(Zellbezug{3, s}.name(), titel[s]);

    for (int i = 0; i < tabelle_.anzahl(); ++i) exportzeile(m, i, QString::number(i + 5));
    m.spaltenAnpassen("A1:AA1");
    return m;
}

void Eingabelogik::exportzeile(Arbeitsmappe& m, int i, const QString& r) {
    Kontraktgroesse_Setzen(i);
    const Position& z = tabelle_.zeile(i);
    const Produktsatz* p = produktVon(z);
    const auto zelle = [&r](const char* spalte) { return spalte + r; };
    m.schreiben(zelle("A"), z.Typ);
    m.schreiben(zelle("B"), p ? p->Produkt : z.Produkte);
    m.zahlenformat(zelle("C"), "@");
    m.schreiben(zelle("C"), z.Laufzeit);
    datumSchreiben(m, zelle("D"), z.Handelstag);
    datumSchreiben(m, zelle("E"), z.SettlementDays);
    m.schreiben(zelle("F"), z.Anzahl);
    m.schreiben(zelle("G"), z.Basispreis);
    m.schreiben(zelle("H"), z.TradePrice);
    if (z.LS == "L" || z.LS == "S") m.schreiben(zelle("I"), z.LS);
    if (z.ProduktArt == "C" || z.ProduktArt == "P") m.schreiben(zelle("J"), z.ProduktArt);
    m.schreiben(zelle("K"), z.BruttoNetto);
    for (const auto& [spalte, wert] :
         {std::pair{"N", z.Betrag}, {"O", z.ImplVola}, {"P", z.Stueckzinsen}})
        m.schreiben(zelle(spalte), wert);
    m.schreiben(zelle("Q"), z.MarginKlasse);
    m.schreiben(zelle("R"), z.MarginGruppe);
    m.schreiben(zelle("AA"), z.Prod_Bezeichnung);
    if (!p) return;
    m.schreiben(zelle("L"), p->AktPreis);
    if (hatLaufzeitpreis(*p) && z.LaufzeitIndex >= 1) m.schreiben(zelle("M"), laufzeitpreis(i, *p));
    m.schreiben(zelle("S"), p->Dividende);
    datumSchreiben(m, zelle("T"), p->DividendenTage);
    m.schreiben(zelle("U"), Programm::instanz().sprache == "e" ? p->Kupontermin_e : p->Kupontermin);
    m.schreiben(zelle("V"), p->Kuponhoehe);
    m.schreiben(zelle("W"), p->Faelligkeit);
    for (const auto& [spalte, wert] :
         {std::pair{"X", p->TickSize}, {"Y", p->Multiplikator}, {"Z", p->TickValue}})
        m.schreiben(zelle(spalte), wert);
}
