#include "update/Feldleser.h"

#include <QString>
#include <cmath>

namespace {

qsizetype ziffernBis(QStringView s, qsizetype i) {
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) ++i;
    return i;
}

// Sign, digits with an optional fraction, optional exponent: the whole text must match.
bool istZahltext(QStringView s) {
    qsizetype i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const qsizetype ganz = ziffernBis(s, i);
    qsizetype ziffern = ganz - i;
    i = ganz;
    if (i < s.size() && s[i] == '.') {
        const qsizetype bruch = ziffernBis(s, i + 1);
        ziffern += bruch - i - 1;
        i = bruch;
    }
    if (ziffern == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const qsizetype exponent = ziffernBis(s, i);
        if (exponent == i) return false;
        i = exponent;
    }
    return i == s.size();
}

} // namespace

namespace Feldleser {

std::optional<double> Zahl(QStringView text) {
    const QStringView s = text.trimmed();
    if (s.isEmpty()) return 0.0;
    if (!istZahltext(s)) return std::nullopt;
    bool ok = false;
    const double wert = s.toString().toDouble(&ok);
    if (!ok || !std::isfinite(wert)) return std::nullopt;
    return wert;
}

std::optional<int> Ganzzahl(QStringView text) {
    const QStringView s = text.trimmed();
    if (s.isEmpty()) return 0;
    const qsizetype start = !s.isEmpty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
    if (start == s.size() || ziffernBis(s, start) != s.size()) return std::nullopt;
    bool ok = false;
    const int wert = s.toInt(&ok);
    if (!ok) return std::nullopt;
    return wert;
}

QStringView Spalten(QStringView zeile, int von, int bis) {
    const qsizetype anfang = von - 1;
    if (anfang >= zeile.size()) return {};
    return zeile.mid(anfang, bis - von + 1);
}

} // namespace Feldleser

double Feldpruefung::zahl(QStringView feld) {
    const auto wert = Feldleser::Zahl(feld);
    if (!wert) passt_ = false;
    return wert.value_or(0.0);
}

int Feldpruefung::ganzzahl(QStringView feld) {
    const auto wert = Feldleser::Ganzzahl(feld);
    if (!wert) passt_ = false;
    return wert.value_or(0);
}

QString Feldpruefung::pflichttext(QStringView feld) {
    const QString text = feld.trimmed().toString();
    if (text.isEmpty()) passt_ = false;
    return text;
}
