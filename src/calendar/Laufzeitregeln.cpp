#include "calendar/Laufzeitaufbau.h"
#include "calendar/Verfallsregeln.h"

#include <algorithm>
#include <array>

// "Current-or-next with test rule r, k months" lists the current month when its expiry has
// not passed, else the next one, then further months. That is the back-one start followed by
// k single-month steps, which is how the rules below write it.

namespace {

using Z = Zyklusschritt;

void zurueckEinsMit(Laufzeitaufbau& a, int regel) {
    a.regel = regel;
    a.zurueckEins();
}

// Equity and index options: longer horizons add half-years and Decembers.
void regel1(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 4);
    a.schritte(Z::NaechsterMonat, 3);
    a.schritte(Z::Quartalsmonat, 3);
    const double l = a.laufzeit;
    if (l == 36) a.schritte(Z::Quartalsmonat, 8);
    if (l >= 24 && l != 36) a.schritte(Z::Halbjahr, 2);
    if (l > 36) a.schritte(Z::Halbjahr, 2);
    if (l >= 60) a.schritte(Z::Dezember, 2);
    if (l >= 96) a.schritte(Z::Dezember, 3);
    if (l >= 119) {
        a.schritte(Z::Dezember, 1);
        if (a.ziel.Eintraege[0].Monat != 1) a.schritte(Z::Dezember, 1);
    }
}

// Options on bond futures expire in the month before the contract month.
void regel2(Laufzeitaufbau& a) {
    a.regel = 10;
    const Kontraktmonat folgemonat = naechster(a.monat, Z::NaechsterMonat);
    if (a.D > a.verfall(folgemonat)) a.monat = folgemonat;
    a.schritte(Z::NaechsterMonat, 3);
    a.schritte(Z::Quartalsmonat, 1);
}

void regel3(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 1);
    a.schritte(Z::NaechsterMonat, 3);
    a.schritte(Z::Quartalsmonat, 3);
    a.schritte(Z::Halbjahr, 2);
}

void regel4(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 4);
    a.schritte(Z::NaechsterMonat, 3);
    a.schritte(Z::JanuarAprilJuliOktober, 3);
    if (a.monat.monat < 10) a.monat = {a.monat.jahr - 1, 10};
    for (int i = 0; i < 4; ++i) {
        ++a.monat.jahr;
        a.eintragen();
    }
}

void regel5(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 0);
    a.schritte(Z::NaechsterMonat, 3);
    a.schritte(Z::Quartalsmonat, 7);
}

// Weekly options: the fourth character of the product code names the Friday of the month.
void regel6(Laufzeitaufbau& a) {
    const char woche = a.produkt.size() >= 4 ? a.produkt[3] : '\0';
    if (woche < '1' || woche > '5') return;
    a.regel = woche - '1' + 2;
    if (a.D > zurueckUeberFeiertage(a.verfall(a.monat), a.feiertage()))
        a.monat = naechster(a.monat, Z::NaechsterMonat);
    a.eintragen();
}

void regel9(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 4);
    a.schritte(Z::NaechsterMonat, 3);
    a.schritte(Z::Quartalsmonat, 9);
    a.schritte(Z::Halbjahr, 1);
    a.schritte(Z::Dezember, 2);
}

void regel10(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 4);
    a.schritte(Z::NaechsterMonat, 3);
    a.schritte(Z::Quartalsmonat, 11);
    a.schritte(Z::JuniDezember, 4);
}

void regel12(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 4);
    a.schritte(Z::NaechsterMonat, 3);
    a.schritte(Z::Quartalsmonat, 11);
    a.schritte(Z::Halbjahr, 4);
}

void regel13(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 20);
    a.schritte(Z::NaechsterMonat, 3);
    a.schritte(Z::Quartalsmonat, 3);
    a.schritte(Z::Halbjahr, 4);
    a.schritte(Z::Dezember, 2);
}

// One quarter month, named by the fourth character of the product code.
void regel14(Laufzeitaufbau& a) {
    const std::string_view buchstaben = "HMUZ";
    const std::size_t stelle =
        a.produkt.size() >= 4 ? buchstaben.find(a.produkt[3]) : std::string_view::npos;
    if (stelle == std::string_view::npos) return;
    a.regel = 0;
    const Kontraktmonat quartal{a.monat.jahr, 3 * static_cast<int>(stelle + 1)};
    const bool diesesJahr = quartal.monat > a.monat.monat ||
                            (quartal.monat == a.monat.monat && a.D <= a.verfall(quartal));
    a.monat = diesesJahr ? quartal : Kontraktmonat{quartal.jahr + 1, quartal.monat};
    a.eintragen();
}

void regelA(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 4);
    a.schritte(Z::Quartalsmonat, 3);
    if (a.laufzeit >= 12) a.schritte(Z::Quartalsmonat, 1);
    if (a.laufzeit >= 36) a.schritte(Z::Halbjahr, 4);
}

void regelB(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 8);
    a.schritte(Z::Quartalsmonat, 3);
}

// Month-end contracts: on a weekend the current month is no longer traded.
void regelC(Laufzeitaufbau& a) {
    a.form = Laufzeitaufbau::Form::LetzterWochentag;
    if (!istWochenende(a.D)) a.monat = vorheriger(a.monat);
    a.schritte(Z::NaechsterMonat, 12);
}

void regelD(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 0);
    a.schritte(Z::NaechsterMonat, 6);
}

void regelE(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 0);
    a.schritte(Z::Quartalsmonat, 20);
}

// Volatility futures expire 30 days before the third Friday of the following month.
void regelF(Laufzeitaufbau& a) {
    a.regel = 12;
    a.form = Laufzeitaufbau::Form::DritterFreitagMinus30;
    if (a.D > Verfallstag(4, a.monat, a.feiertage()))
        a.monat = naechster(a.monat, Z::NaechsterMonat);
    for (int i = 0; i < 2 && a.D > a.verfall(a.monat); ++i)
        a.monat = naechster(a.monat, Z::NaechsterMonat);
    a.eintragen();
    a.schritte(Z::NaechsterMonat, 2);
    a.schritte(Z::QuartalsmonatJanuar, 1);
}

void regelG(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 1);
    a.schritte(Z::NaechsterMonat, 12);
    a.schritte(Z::Dezember, 2);
}

void regelH(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 4);
    a.schritte(Z::NaechsterMonat, 13);
    a.schritte(Z::Dezember, 2);
}

// In the last five business days before the current expiry the following contract is
// listed as well.
void regelI(Laufzeitaufbau& a) {
    a.regel = 13;
    const Datum verfall = a.verfall(a.monat);
    bool auchFolgekontrakt = false;
    if (a.D <= verfall) {
        Datum fenster = verfall;
        for (int i = 0; i < 5; ++i) fenster = Geschaeftstag_Vor(fenster, a.feiertage());
        auchFolgekontrakt = a.D >= fenster;
        a.monat = vorheriger(a.monat);
    }
    a.schritte(Z::MaerzSeptember, auchFolgekontrakt ? 2 : 1);
}

// Dividend derivatives: Decembers; the December contract stays listed until it expires.
void regelL(Laufzeitaufbau& a) {
    a.regel = 4;
    if (a.monat.monat == 12 && a.D <= a.verfall(a.monat)) a.monat.monat = 11;
    a.schritte(Z::Dezember, a.laufzeit > 60 ? 10 : 5);
}

void regelM(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 4);
    a.schritte(Z::NaechsterMonat, 3);
    a.schritte(Z::Quartalsmonat, 11);
}

void regelN(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 5);
    a.schritte(Z::Quartalsmonat, 4);
}

// Property derivatives: the last business day in March of five consecutive years.
void regelO(Laufzeitaufbau& a) {
    const int jahr = a.D <= letzterGeschaeftstagImMaerz(a.monat.jahr, a.feiertage())
                         ? a.monat.jahr
                         : a.monat.jahr + 1;
    for (int i = 0; i < 5; ++i) eintragMaerz(a.ziel, jahr + i, a.feiertage());
}

void regelP(Laufzeitaufbau& a) {
    a.regel = 15;
    const int m = a.monat.monat;
    if ((m == 4 || m == 6 || m == 11) && a.D <= a.verfall(a.monat)) a.monat = vorheriger(a.monat);
    a.schritte(Z::AprilJuniNovember, 3);
    a.monat = {a.monat.jahr + 1, 3};
    a.schritte(Z::AprilJuniNovember, 1);
}

void regelQ(Laufzeitaufbau& a) {
    a.regel = 16;
    const Kontraktmonat april{a.monat.jahr, 4};
    const bool diesesJahr = a.monat.monat < 4 || (a.monat.monat == 4 && a.D <= a.verfall(april));
    a.monat = diesesJahr ? april : Kontraktmonat{april.jahr + 1, 4};
    a.eintragen();
}

void regelR(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 17);
    a.schritte(Z::NaechsterMonat, 12);
    a.schritte(Z::Quartalsmonat, 2);
}

// Weather derivatives: the horizon is a year, not a number of months.
void regelS(Laufzeitaufbau& a) {
    a.regel = 18;
    a.monat = {static_cast<int>(std::clamp(a.laufzeit, 0.0, 9990.0)) + 3, 6};
    a.eintragen();
}

// The test moves the second Friday back over holidays, the listed expiry does not.
void regelT(Laufzeitaufbau& a) {
    a.regel = 3;
    a.zurueckEins(zurueckUeberFeiertage(a.verfall(a.monat), a.feiertage()));
    a.schritte(Z::Quartalsmonat, 3);
}

void regelU(Laufzeitaufbau& a) {
    zurueckEinsMit(a, 19);
    a.schritte(Z::JanuarAprilJuliOktober, 6);
}

// After the last Friday of the month the next quarter month is skipped when it is the
// following month.
void regelX(Laufzeitaufbau& a) {
    a.regel = 21;
    a.monat =
        a.D <= a.verfall(a.monat) ? vorheriger(a.monat) : naechster(a.monat, Z::NaechsterMonat);
    a.schritte(Z::Quartalsmonat, 4);
}

constexpr std::array kRegeln = {
    Laufzeitregel{"1", regel1},   Laufzeitregel{"2", regel2},   Laufzeitregel{"3", regel3},
    Laufzeitregel{"4", regel4},   Laufzeitregel{"5", regel5},   Laufzeitregel{"6", regel6},
    Laufzeitregel{"9", regel9},   Laufzeitregel{"10", regel10}, Laufzeitregel{"11", regelF},
    Laufzeitregel{"12", regel12}, Laufzeitregel{"13", regel13}, Laufzeitregel{"14", regel14},
    Laufzeitregel{"A", regelA},   Laufzeitregel{"B", regelB},   Laufzeitregel{"C", regelC},
    Laufzeitregel{"D", regelD},   Laufzeitregel{"E", regelE},   Laufzeitregel{"F", regelF},
    Laufzeitregel{"G", regelG},   Laufzeitregel{"H", regelH},   Laufzeitregel{"I", regelI},
    Laufzeitregel{"L", regelL},   Laufzeitregel{"M", regelM},   Laufzeitregel{"N", regelN},
    Laufzeitregel{"O", regelO},   Laufzeitregel{"P", regelP},   Laufzeitregel{"Q", regelQ},
    Laufzeitregel{"R", regelR},   Laufzeitregel{"S", regelS},   Laufzeitregel{"T", regelT},
    Laufzeitregel{"U", regelU},   Laufzeitregel{"W", regelM},   Laufzeitregel{"X", regelX},
};

} // namespace

std::span<const Laufzeitregel> berechneteRegeln() {
    return kRegeln;
}
