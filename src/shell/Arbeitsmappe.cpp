#include "shell/Arbeitsmappe.h"

#include "shell/ArbeitsmappeDateien.h"

#include <QFileInfo>

Arbeitsmappe::Zelle Arbeitsmappe::Zelle::alsText(const QString& text) {
    Zelle z;
    z.art = text.isEmpty() ? Art::Leer : Art::Text;
    z.text = text;
    return z;
}

Arbeitsmappe::Zelle Arbeitsmappe::Zelle::alsZahl(double zahl) {
    Zelle z;
    z.art = Art::Zahl;
    z.zahl = zahl;
    z.text = QString::number(zahl, 'g', 15);
    return z;
}

Arbeitsmappe::Zelle Arbeitsmappe::Zelle::alsDatum(const QDate& datum) {
    if (!datum.isValid()) return {};
    Zelle z;
    z.art = Art::Datum;
    z.datum = datum;
    z.text = datum.toString(Qt::ISODate);
    return z;
}

Arbeitsmappe::Arbeitsmappe() {
    blaetter_.push_back({"Tabelle1", {}, {}});
}

void Arbeitsmappe::blattHinzufuegen() {
    blaetter_.insert(blaetter_.begin() + aktiv_,
                     {QString("Tabelle%1").arg(blaetter_.size() + 1), {}, {}});
}

void Arbeitsmappe::blattBenennen(const QString& name) {
    blaetter_[aktiv_].name = name;
}

void Arbeitsmappe::aktivieren(int index) {
    if (index >= 0 && index < static_cast<int>(blaetter_.size())) aktiv_ = index;
}

// An invalid cell name is a programming error of the caller; it writes into
// a scratch cell rather than anywhere in the sheet.
Arbeitsmappe::Zelle& Arbeitsmappe::zelle(const QString& name) {
    static Zelle verworfen;
    const auto bezug = Zellbezug::aus(name);
    if (!bezug) return verworfen = Zelle{};
    return blaetter_[aktiv_].zellen[*bezug];
}

// Writing keeps the look (format, bold) that was given to the cell before.
void Arbeitsmappe::inhaltSetzen(const QString& name, const Zelle& inhalt) {
    Zelle& z = zelle(name);
    z.art = inhalt.art;
    z.text = inhalt.text;
    z.zahl = inhalt.zahl;
    z.datum = inhalt.datum;
}

void Arbeitsmappe::schreiben(const QString& name, const QString& text) {
    inhaltSetzen(name, Zelle::alsText(text));
}

void Arbeitsmappe::schreiben(const QString& name, double zahl) {
    inhaltSetzen(name, Zelle::alsZahl(zahl));
}

void Arbeitsmappe::schreibenDatum(const QString& name, const QDate& datum) {
    inhaltSetzen(name, Zelle::alsDatum(datum));
}

Arbeitsmappe::Zelle Arbeitsmappe::lesen(const QString& name) const {
    const auto bezug = Zellbezug::aus(name);
    if (!bezug) return {};
    const auto& zellen = blaetter_[aktiv_].zellen;
    const auto it = zellen.find(*bezug);
    return it == zellen.end() ? Zelle{} : it->second;
}

template <class F> void Arbeitsmappe::imBereich(const QString& bereich, F&& f) {
    const auto b = Zellbereich::aus(bereich);
    if (!b) return;
    for (int zeile = b->von.zeile; zeile <= b->bis.zeile; ++zeile)
        for (int spalte = b->von.spalte; spalte <= b->bis.spalte; ++spalte)
            f(blaetter_[aktiv_].zellen[{zeile, spalte}]);
}

void Arbeitsmappe::zahlenformat(const QString& bereich, const QString& format) {
    imBereich(bereich, [&](Zelle& z) { z.zahlenformat = format; });
}

void Arbeitsmappe::fett(const QString& bereich) {
    imBereich(bereich, [](Zelle& z) { z.fett = true; });
}

// Widens each column of the area to its longest content, like a fit in the
// spreadsheet program: it looks at the whole column, not only the area.
void Arbeitsmappe::spaltenAnpassen(const QString& bereich) {
    const auto b = Zellbereich::aus(bereich);
    if (!b) return;
    Blatt& blatt = blaetter_[aktiv_];
    for (int spalte = b->von.spalte; spalte <= b->bis.spalte; ++spalte) {
        double breite = 8.43;
        for (const auto& [bezug, z] : blatt.zellen)
            if (bezug.spalte == spalte && z.art != Zelle::Art::Leer)
                breite = std::max(breite, z.text.size() * (z.fett ? 1.15 : 1.05) + 1.5);
        blatt.spaltenbreiten[spalte] = std::min(breite, 80.0);
    }
}

bool Arbeitsmappe::speichern(const QString& pfad, QString* fehler) const {
    if (QFileInfo(pfad).suffix().compare("csv", Qt::CaseInsensitive) == 0)
        return ArbeitsmappeDateien::csvSchreiben(blaetter_[aktiv_], pfad, fehler);
    return ArbeitsmappeDateien::xlsxSchreiben(blaetter_, pfad, fehler);
}

std::optional<Arbeitsmappe> Arbeitsmappe::laden(const QString& pfad, QString* fehler) {
    std::optional<std::vector<Blatt>> blaetter =
        QFileInfo(pfad).suffix().compare("csv", Qt::CaseInsensitive) == 0
            ? ArbeitsmappeDateien::csvLesen(pfad, fehler)
            : ArbeitsmappeDateien::xlsxLesen(pfad, fehler);
    if (!blaetter || blaetter->empty()) return std::nullopt;
    Arbeitsmappe mappe;
    mappe.blaetter_ = std::move(*blaetter);
    return mappe;
}
