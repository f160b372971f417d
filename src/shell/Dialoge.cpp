#include "shell/Dialoge.h"

#include "shell/IniDatei.h"
#include "shell/Meldungstexte.h"
#include "shell/Programm.h"

namespace {
IniDatei labels() {
    return IniDatei(Programm::instanz().labeldatei);
}
} // namespace

void Dialoge::Fehlermeldung_Zeigen(int n) {
    if (const auto m = Meldungstexte::fehlermeldung(labels(), n)) anzeigen(*m);
}

void Dialoge::Spezialfehler_Zeigen(int n, const QString& daten) {
    if (const auto m = Meldungstexte::spezialfehler(labels(), n, daten)) anzeigen(*m);
}

bool Dialoge::Bestaetigung_Fragen(int n) {
    return anzeigen(Meldungstexte::bestaetigung(labels(), n));
}

bool Dialoge::Spezialbestaetigung_Fragen(int n, const QString& daten) {
    return anzeigen(Meldungstexte::spezialbestaetigung(labels(), n, daten));
}

void Dialoge::Hinweis_Zeigen(MeldungsArt art, const QString& text) {
    anzeigen({Meldung::Quelle::Hinweis, 0, art, text, false});
}
