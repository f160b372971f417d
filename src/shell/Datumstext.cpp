#include "shell/Datumstext.h"

#include "shell/Programm.h"

#include <QRegularExpression>

namespace Datumstext {

Stil Stil::programm() {
    const Programm& p = Programm::instanz();
    return {p.datumsstil, p.datumstrenner};
}

bool istLeer(const QString& text) {
    for (const QChar c : text)
        if (c != ' ' && c != '.' && c != '/' && c != '-' && c != '_') return false;
    return true;
}

std::optional<QDate> lesen(const QString& text, const Stil& stil) {
    if (istLeer(text)) return std::nullopt;
    const QString t = text.trimmed();
    static const QRegularExpression iso("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$");
    if (const auto m = iso.match(t); m.hasMatch()) {
        const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        return d.isValid() ? std::optional(d) : std::nullopt;
    }
    static const QRegularExpression lokal(
        "^(\\d{1,2})\\s*[./-]\\s*(\\d{1,2})\\s*[./-]\\s*(\\d{2}|\\d{4})$");
    const auto m = lokal.match(t);
    if (!m.hasMatch()) return std::nullopt;
    const int erste = m.captured(1).toInt();
    const int zweite = m.captured(2).toInt();
    int jahr = m.captured(3).toInt();
    if (m.captured(3).size() == 2) jahr += jahr < 50 ? 2000 : 1900;
    const QDate d =
        stil.datumsstil == "e" ? QDate(jahr, erste, zweite) : QDate(jahr, zweite, erste);
    return d.isValid() ? std::optional(d) : std::nullopt;
}

QString schreiben(const QDate& datum, const Stil& stil) {
    if (!datum.isValid()) return {};
    const QString tag = QString("%1").arg(datum.day(), 2, 10, QChar('0'));
    const QString monat = QString("%1").arg(datum.month(), 2, 10, QChar('0'));
    const QString jahr = QString::number(datum.year());
    return stil.datumsstil == "e" ? monat + stil.trenner + tag + stil.trenner + jahr
                                  : tag + stil.trenner + monat + stil.trenner + jahr;
}

} // namespace Datumstext
