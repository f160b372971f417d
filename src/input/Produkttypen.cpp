#include "input/Produkttypen.h"

#include "shell/IniDatei.h"
#include "shell/Programm.h"
#include "store/Referenzdaten.h"

#include <QFileInfo>

namespace Produkttypen {
namespace {

const char* const kBuchstaben[kEintraege] = {"Alle", "B", "R", "E", "A", "I", "D",
                                             "X",    "N", "Z", "P", "V", "W"};

QStringList texteAus(const QString& labeldatei) {
    const IniDatei labels(labeldatei);
    QStringList t;
    for (int n = 0; n < kEintraege; ++n)
        t << labels.text("Allgemein", QString("L_Produktgruppe_%1").arg(n), "NEU");
    return t;
}

} // namespace

QString buchstabe(int n) {
    return n >= 0 && n < kEintraege ? kBuchstaben[n] : QString();
}

bool istAlle(const QString& filter) {
    const QString f = filter.trimmed();
    return f.isEmpty() || f == "*" || f.compare("Alle", Qt::CaseInsensitive) == 0 ||
           f.compare("All", Qt::CaseInsensitive) == 0;
}

int eintrag(const QString& b) {
    if (istAlle(b)) return 0;
    for (int n = 1; n < kEintraege; ++n)
        if (b.trimmed().compare(kBuchstaben[n], Qt::CaseInsensitive) == 0) return n;
    return -1;
}

QStringList texte() {
    return texteAus(Programm::instanz().labeldatei);
}

QString TypBuchstabe(const QString& typText) {
    const Programm& p = Programm::instanz();
    for (const QString& datei : {p.labeldatei, p.programmverzeichnis + "Label_d.ini",
                                 p.programmverzeichnis + "Label_e.ini"}) {
        if (!QFileInfo::exists(datei)) continue;
        const int n = static_cast<int>(texteAus(datei).indexOf(typText));
        if (n > 0) return kBuchstaben[n];
    }
    return "Alle";
}

bool IstDerivatTyp(const QString& art) {
    return art.size() == 1 && QString("AIZXVCNDRPW").contains(art.toUpper());
}

bool istKassaTyp(const QString& art) {
    return art.toUpper() == "B" || art.toUpper() == "E";
}

bool istSpotMonthTyp(const QString& art) {
    return art.size() == 1 && QString("ZRNV").contains(art.toUpper());
}

bool preisNachLaufzeit(const Produktsatz& p) {
    return istSpotMonthTyp(p.Art) || p.Produkt.compare("HMAV", Qt::CaseInsensitive) == 0 ||
           p.MATURITY_SWITCH.compare("Y", Qt::CaseInsensitive) == 0;
}

} // namespace Produkttypen
