#include "shell/Meldungstexte.h"

#include "shell/IniDatei.h"

namespace {

const QString kFehler = "Fehlermeldungen";
const QString kSpezial = "Fehlermeldung_Spezial";
const QString kBestaetigung = "Bestaetigungen";
const QString kSpezialBestaetigung = "Bestaetigungen_Spezial";

QString festerText(int n) {
    return QString("Der Fehler F%1 ist aufgetreten").arg(n);
}

// Arrangement 1: data, blank, part 1. Arrangement 2: part 1, data, part 2.
QString angeordnet(const IniDatei& labels, const QString& sektion, int n, const QString& daten) {
    const QString teil1 = labels.text(sektion, QString("F%1_1").arg(n));
    const QString teil2 = labels.text(sektion, QString("F%1_2").arg(n));
    switch (labels.zahl(sektion, QString("A%1").arg(n), 0)) {
    case 1:
        return daten + " " + teil1;
    case 2:
        return teil1 + " " + daten + " " + teil2;
    default:
        return {};
    }
}

std::optional<Meldung> nachArt(Meldung::Quelle quelle, int n, int art, const QString& text) {
    if (art < 0 || art > 3) return std::nullopt;
    Meldung m{quelle, n, static_cast<MeldungsArt>(art), text, false};
    if (art == 0) {
        m.art = MeldungsArt::Warnung;
        m.text = festerText(n);
    }
    return m;
}

} // namespace

namespace Meldungstexte {

std::optional<Meldung> fehlermeldung(const IniDatei& labels, int n) {
    return nachArt(Meldung::Quelle::Fehlermeldung, n,
                   labels.zahl(kFehler, QString("T%1").arg(n), 0), fehlertext(labels, n));
}

std::optional<Meldung> spezialfehler(const IniDatei& labels, int n, const QString& daten) {
    return nachArt(Meldung::Quelle::Spezialfehler, n,
                   labels.zahl(kSpezial, QString("T%1").arg(n), 0),
                   spezialfehlertext(labels, n, daten));
}

Meldung bestaetigung(const IniDatei& labels, int n) {
    return {Meldung::Quelle::Bestaetigung, n, MeldungsArt::Information,
            labels.text(kBestaetigung, QString("B%1").arg(n), QString("Error B%1").arg(n)), true};
}

Meldung spezialbestaetigung(const IniDatei& labels, int n, const QString& daten) {
    return {Meldung::Quelle::Spezialbestaetigung, n, MeldungsArt::Information,
            angeordnet(labels, kSpezialBestaetigung, n, daten), true};
}

QString fehlertext(const IniDatei& labels, int n) {
    return labels.text(kFehler, QString("F%1").arg(n), QString("Error F%1").arg(n));
}

QString spezialfehlertext(const IniDatei& labels, int n, const QString& daten) {
    return angeordnet(labels, kSpezial, n, daten);
}

} // namespace Meldungstexte
