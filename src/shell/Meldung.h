#pragma once

#include <QString>

// Kind of a message box, as the label files code it ("T" values).
enum class MeldungsArt { Keine = 0, Warnung = 1, Fehler = 2, Information = 3 };

// One message as the logic composed it: what a dialog shows and which buttons it has.
struct Meldung {
    enum class Quelle { Fehlermeldung, Spezialfehler, Bestaetigung, Spezialbestaetigung, Hinweis };

    Quelle quelle = Quelle::Hinweis;
    int nummer = 0; // the message number; 0 for plain notes
    MeldungsArt art = MeldungsArt::Warnung;
    QString text;
    bool jaNein = false; // Yes/No buttons instead of OK
};
