#include "margin/Berechnungslauf.h"
#include "margin/Vergleiche.h"
#include "store/DatenbankFehler.h"
#include "store/Masseneinfuegung.h"
#include "store/Sql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>

namespace Margin {
namespace {

using Einfueger = Masseneinfuegung;

QVariant wert(const Betrag& b) {
    return b ? QVariant(*b) : QVariant();
}
QVariant wert(const std::optional<long long>& n) {
    return n ? QVariant(*n) : QVariant();
}
QVariant text(const QString& s) {
    return s.isNull() ? QVariant() : QVariant(s);
}

QVariant zahl(const Berechnungszeile& z, Zahlfeld f, double x) {
    return z.istLeer(f) ? QVariant() : QVariant(x);
}

void berechnungSchreiben(const QSqlDatabase& db, const std::vector<Berechnungszeile>& zeilen) {
    Einfueger e(db, "Berechnung",
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
                 "SopaWert_down"});
    using F = Zahlfeld;
    for (const Berechnungszeile& z : zeilen)
        e.zeile({zahl(z, F::LfdNr, z.LfdNr),
                 text(z.MarginGruppe),
                 text(z.MarginKlasse),
                 zahl(z, F::TradePrice, z.TradePrice),
                 zahl(z, F::AktuellerPreis, z.AktuellerPreis),
                 text(z.ProduktArt),
                 text(z.O_F),
                 text(z.LS),
                 text(z.Produkte),
                 text(z.Laufzeit),
                 zahl(z, F::Laufzeit_Tage, z.Laufzeit_Tage),
                 zahl(z, F::Laufzeit_Tage_2, z.Laufzeit_Tage_2),
                 zahl(z, F::Laufzeit_Tage_3, z.Laufzeit_Tage_3),
                 zahl(z, F::Basispreis, z.Basispreis),
                 zahl(z, F::Anzahl, z.Anzahl),
                 zahl(z, F::ImplVola, z.ImplVola),
                 text(z.BruttoNetto),
                 zahl(z, F::Stueckzinsen, z.Stueckzinsen),
                 zahl(z, F::Betrag, z.Betrag),
                 text(z.Typ),
                 text(z.SettlementDays),
                 zahl(z, F::OffenePositionen, z.OffenePositionen),
                 zahl(z, F::LaufzeitIndex, z.LaufzeitIndex),
                 text(z.letzterHT),
                 text(z.Prod_Neu),
                 zahl(z, F::Akt_Preis_Neu, z.Akt_Preis_Neu),
                 text(z.MarginKlasse_NEU),
                 wert(z.SopaWert[Ohne]),
                 wert(z.SopaWert[Up]),
                 wert(z.SopaWert[Neutral]),
                 wert(z.SopaWert[Down])});
}

void aMKlasseSchreiben(const QSqlDatabase& db, const std::vector<A_MKlasseZeile>& zeilen) {
    Einfueger e(db, "A_MKlasse", {"MarginKlasse", "MK_neu", "MarginGruppe", "Art"});
    for (const A_MKlasseZeile& k : zeilen)
        e.zeile({text(k.MarginKlasse), text(k.MK_neu), text(k.MarginGruppe), text(k.Art)});
}

void ausgabe1Schreiben(const QSqlDatabase& db, const std::vector<Ausgabe1Zeile>& zeilen) {
    const QSqlRecord tabelle = db.record("Ausgabe1");
    QStringList spalten;
    for (const auto& [name, w] : Ausgabe1Werte(Ausgabe1Zeile{}, 1))
        if (tabelle.contains(name)) spalten << name;
    Einfueger e(db, "Ausgabe1", spalten);
    for (size_t i = 0; i < zeilen.size(); ++i) {
        QVariantList werte;
        for (const auto& [name, w] : Ausgabe1Werte(zeilen[i], int(i) + 1))
            if (tabelle.contains(name)) werte << w;
        e.zeile(werte);
    }
}

QString bezeichnung(const Ausgabe2Zeile& a, const Berechnungszeile& z) {
    if (a.klassenzeile) return z.MarginKlasse_NEU + " Total Margin";
    return QString::number(a.Nummer) + ' ' + z.Prod_Neu + ' ' + z.Laufzeit + ' ' +
           QString::number(std::round(z.Basispreis), 'f', 0);
}

QVariantList ausgabe2Werte(const Ausgabe2Zeile& a, const Ergebnis& e) {
    const Berechnungszeile& z = e.Berechnung[static_cast<size_t>(a.zeile)];
    const bool pos = !a.klassenzeile;
    const auto nurPosition = [pos](const QVariant& v) { return pos ? v : QVariant(); };
    const auto szenario = e.SzenarioJeKlasse.constFind(schluessel(z.MarginKlasse_NEU));
    return {a.klassenzeile ? "1" : "0",
            a.Zaehler,
            nurPosition(a.IntervallZaehler),
            text(z.MarginGruppe),
            text(z.MarginKlasse),
            text(z.MarginKlasse_NEU),
            nurPosition(text(z.Prod_Neu)),
            bezeichnung(a, z),
            text(a.produkt->Art),
            nurPosition(text(z.O_F)),
            nurPosition(text(z.LS)),
            nurPosition(text(z.ProduktArt)),
            nurPosition(text(z.Laufzeit)),
            z.Akt_Preis_Neu,
            nurPosition(z.Basispreis),
            wert(a.Rechenkurs),
            nurPosition(a.Rechenkurs2),
            a.xWert[0],
            a.xWert[1],
            a.xWert[2],
            a.xWert[3],
            a.yWert,
            a.yWert2,
            nurPosition(a.SopaWert[0]),
            nurPosition(a.SopaWert[1]),
            nurPosition(a.SopaWert[2]),
            nurPosition(a.SopaWert[3]),
            szenario == e.SzenarioJeKlasse.constEnd() ? QVariant() : QVariant(*szenario),
            nurPosition(a.Vola[0]),
            nurPosition(a.Vola[1]),
            nurPosition(a.Vola[2]),
            text(a.produkt->MATURITY_SWITCH),
            nurPosition(a.MATURITY_Factor),
            z.LaufzeitIndex};
}

void ausgabe2Schreiben(const QSqlDatabase& db, const Ergebnis& e) {
    Einfueger einfueger(db, "Ausgabe2",
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
                         "LZIndex"});
    for (const Ausgabe2Zeile& a : e.Ausgabe2) einfueger.zeile(ausgabe2Werte(a, e));
}

void szenarienSchreiben(const QSqlDatabase& db, const std::vector<Szenarienzeile>& zeilen) {
    Einfueger e(db, "Szenarien", {"Margingruppe", "Szenario", "Summe"});
    for (const Szenarienzeile& s : zeilen) e.zeile({text(s.Margingruppe), s.Szenario, s.Summe});
}

void volaShiftsSchreiben(const QSqlDatabase& db, const Ergebnis& e) {
    Einfueger tmp(db, "vola_shifts_tmp",
                  {"typ", "marginklasse", "ProduktArt", "laufzeit_tage", "days"});
    for (const VolaShiftsTmpZeile& t : e.vola_shifts_tmp)
        tmp.zeile({text(t.typ), text(t.marginklasse), text(t.ProduktArt), t.laufzeit_tage, t.days});
    Einfueger shifts(db, "vola_shifts_berechnung",
                     {"typ", "marginklasse", "c_p", "days", "Mnes", "PriceMove", "Vola_Up",
                      "Vola_Neutral", "Vola_Down"});
    for (const VolaShiftZeile& v : e.vola_shifts_berechnung)
        shifts.zeile({text(v.typ), text(v.marginklasse), text(v.c_p), v.days, v.Mnes, v.PriceMove,
                      v.Vola_Up, v.Vola_Neutral, v.Vola_Down});
}

} // namespace

std::vector<std::pair<QString, QVariant>> Ausgabe1Werte(const Ausgabe1Zeile& a, int lfdNr) {
    std::vector<std::pair<QString, QVariant>> w = {
        {"LfdNr", lfdNr},
        {"MarginGruppe", text(a.MarginGruppe)},
        {"MarginKlasse", text(a.MarginKlasse)},
        {"MK_neu", text(a.MK_neu)},
        {"AnzSpot", wert(a.AnzSpot)},
        {"AnzBack", wert(a.AnzBack)},
        {"AnzNonSpread", wert(a.AnzNonSpread)},
        {"AnzSOPA", wert(a.AnzSOPA)},
        {"SummeSpot", wert(a.SummeSpot)},
        {"SummeBAck", wert(a.SummeBAck)},
        {"D_LVA_Long", wert(a.D_LVA_Long)},
        {"D_LVA_Short", wert(a.D_LVA_Short)},
        {"PremiumMargin", wert(a.PremiumMargin)},
        {"CurrentLiquidatingMargin", wert(a.CurrentLiquidatingMargin)},
        {"FutureSpreadMargin", wert(a.FutureSpreadMargin)},
        {"AdditionalMargin_Future", wert(a.AdditionalMargin_Future)}};
    const std::array<const char*, 4> endungen = {"", "_vsup", "_vsneutral", "_vsdown"};
    for (const auto& [name, vier] : {std::pair<const char*, const Viererbetrag*>{
                                         "AdditionalMargin_UP", &a.AdditionalMargin_UP},
                                     {"AdditionalMargin_Down", &a.AdditionalMargin_Down},
                                     {"AdditionalMargin", &a.AdditionalMargin},
                                     {"TotalMargin", &a.TotalMargin},
                                     {"AdditionalMargin_Gruppe", &a.AdditionalMargin_Gruppe}})
        for (size_t s = 0; s < 4; ++s)
            w.emplace_back(QString(name) + endungen[s], wert((*vier)[s]));
    w.emplace_back("TotalMargin_Gruppe", wert(a.TotalMargin_Gruppe));
    return w;
}

void Berechnungslauf::schreiben(const QSqlDatabase& db, const Ergebnis& e) {
    Transaktion transaktion(db);
    for (const char* tabelle :
         {"Ausgabe1", "Ausgabe2", "Berechnung", "Long", "Short", "Szenarien", "A_MKlasse",
          "vola_shifts_tmp", "vola_shifts_berechnung", "vola_shifts_berechnung2"})
        Sql::ausfuehren(db, QString("DELETE FROM \"%1\"").arg(tabelle));
    berechnungSchreiben(db, e.Berechnung);
    aMKlasseSchreiben(db, e.A_MKlasse);
    ausgabe1Schreiben(db, e.Ausgabe1);
    ausgabe2Schreiben(db, e);
    szenarienSchreiben(db, e.Szenarien);
    volaShiftsSchreiben(db, e);
    transaktion.bestaetigen();
}

} // namespace Margin
