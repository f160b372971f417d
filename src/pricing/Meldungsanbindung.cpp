#include "pricing/Meldungsanbindung.h"

#include "input/Fehlerprotokoll.h"
#include "shell/Dialoge.h"

void Meldungsanbindung::Fehlermeldung_Zeigen(int nummer) {
    dialoge_.Fehlermeldung_Zeigen(nummer);
}

void Meldungsanbindung::Fehlerzeile_Anhaengen(int zeilenNr, const QString& produkt, int nummer,
                                              QChar art, const QString& zusatz) {
    protokoll_.Fehlerzeile_Anhaengen(zeilenNr, produkt, nummer, art, zusatz);
}

void Meldungsanbindung::Rechenfehler_Zeigen(std::string_view text) {
    dialoge_.Hinweis_Zeigen(MeldungsArt::Fehler,
                            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
