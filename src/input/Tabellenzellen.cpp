#include "input/Tabellenzellen.h"

#include "shell/Datumstext.h"

#include <QLocale>

namespace Tabellenzellen {

using Art = Arbeitsmappe::Zelle::Art;

std::optional<double> zahl(const Arbeitsmappe::Zelle& z) {
    if (z.art == Art::Leer) return 0.0;
    if (z.art == Art::Zahl) return z.zahl;
    if (z.art == Art::Datum) return std::nullopt;
    const QString t = z.text.trimmed();
    if (t.isEmpty()) return 0.0;
    bool ok = false;
    double wert = QLocale::c().toDouble(t, &ok);
    if (!ok) wert = QLocale(QLocale::German).toDouble(t, &ok);
    return ok ? std::optional(wert) : std::nullopt;
}

std::optional<QDate> datum(const Arbeitsmappe::Zelle& z) {
    if (z.art == Art::Datum) return z.datum;
    return Datumstext::lesen(z.text);
}

QString text(const Arbeitsmappe::Zelle& z) {
    return z.art == Art::Datum ? Datumstext::schreiben(z.datum) : z.text;
}

} // namespace Tabellenzellen
