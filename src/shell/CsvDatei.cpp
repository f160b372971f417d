#include "shell/ArbeitsmappeDateien.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace ArbeitsmappeDateien {
namespace {

using Zelle = Arbeitsmappe::Zelle;

QString feld(const Zelle& z) {
    QString text = z.art == Zelle::Art::Datum ? z.datum.toString("dd.MM.yyyy") : z.text;
    if (text.contains(';') || text.contains('"') || text.contains('\n'))
        text = '"' + text.replace("\"", "\"\"") + '"';
    return text;
}

// Splits CSV text into rows of fields; quoted fields may hold the separator,
// doubled quotes and line breaks.
std::vector<QStringList> zerlegen(const QString& text, QChar trenner) {
    std::vector<QStringList> zeilen;
    QStringList zeile;
    QString feld;
    bool inAnfuehrung = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inAnfuehrung) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                feld += '"';
                ++i;
            } else if (c == '"') {
                inAnfuehrung = false;
            } else {
                feld += c;
            }
        } else if (c == '"') {
            inAnfuehrung = true;
        } else if (c == trenner) {
            zeile << feld;
            feld.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            zeile << feld;
            feld.clear();
            zeilen.push_back(zeile);
            zeile.clear();
        } else {
            feld += c;
        }
    }
    if (!feld.isEmpty() || !zeile.isEmpty()) zeilen.push_back(zeile << feld);
    return zeilen;
}

// ";" when the first line has at least as many of them outside quotes as
// ",", as spreadsheet programs with a decimal comma write it.
QChar trennerErkennen(const QString& text) {
    int semikolons = 0;
    int kommas = 0;
    bool inAnfuehrung = false;
    for (const QChar c : text) {
        if (c == '"') inAnfuehrung = !inAnfuehrung;
        if (inAnfuehrung) continue;
        if (c == '\n') break;
        semikolons += c == ';';
        kommas += c == ',';
    }
    return semikolons > 0 && semikolons >= kommas ? ';' : ',';
}

} // namespace

bool csvSchreiben(const Arbeitsmappe::Blatt& blatt, const QString& pfad, QString* fehler) {
    int letzteZeile = -1;
    int letzteSpalte = -1;
    for (const auto& [bezug, zelle] : blatt.zellen) {
        if (zelle.art == Zelle::Art::Leer) continue;
        letzteZeile = std::max(letzteZeile, bezug.zeile);
        letzteSpalte = std::max(letzteSpalte, bezug.spalte);
    }
    QString text;
    for (int zeile = 0; zeile <= letzteZeile; ++zeile) {
        QStringList felder;
        for (int spalte = 0; spalte <= letzteSpalte; ++spalte) {
            const auto it = blatt.zellen.find({zeile, spalte});
            felder << (it == blatt.zellen.end() ? QString() : feld(it->second));
        }
        text += felder.join(';') + "\r\n";
    }
    QSaveFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly)) {
        datei.write(text.toUtf8());
        if (datei.commit()) return true;
    }
    if (fehler) *fehler = pfad;
    return false;
}

std::optional<std::vector<Arbeitsmappe::Blatt>> csvLesen(const QString& pfad, QString* fehler) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        if (fehler) *fehler = pfad;
        return std::nullopt;
    }
    const QByteArray roh = datei.readAll();
    if (roh.contains('\0')) {
        if (fehler) *fehler = pfad;
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(roh);
    if (utf8.hasError()) text = QString::fromLatin1(roh);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

    Arbeitsmappe::Blatt blatt{"Tabelle1", {}, {}};
    const auto zeilen = zerlegen(text, trennerErkennen(text));
    for (int z = 0; z < static_cast<int>(zeilen.size()); ++z)
        for (int s = 0; s < zeilen[static_cast<size_t>(z)].size(); ++s) {
            const QString wert = zeilen[static_cast<size_t>(z)][s];
            if (!wert.isEmpty()) blatt.zellen[{z, s}] = Zelle::alsText(wert);
        }
    return std::vector<Arbeitsmappe::Blatt>{blatt};
}

} // namespace ArbeitsmappeDateien
