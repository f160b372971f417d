#pragma once

#include "shell/Meldung.h"

// Everything the logic asks of a person or tells a person goes through this
// interface. The logic composes the message from the label file of the
// current language; the desktop program shows it in a message box, tests and
// the command-line tool record it and answer from a script.
class Dialoge {
public:
    virtual ~Dialoge() = default;

    void Fehlermeldung_Zeigen(int n);
    void Spezialfehler_Zeigen(int n, const QString& daten);
    bool Bestaetigung_Fragen(int n);
    bool Spezialbestaetigung_Fragen(int n, const QString& daten);
    // A plain message box with a fixed text, outside the numbered messages.
    void Hinweis_Zeigen(MeldungsArt art, const QString& text);

    // The date change dialog: 0 keep the date, 1 new implied volatilities,
    // 2 new option prices (also the answer "no option positions").
    virtual int Datumsaenderung_Waehlen() = 0;
    // The price change dialog: 1 new implied volatilities, 2 new option prices.
    virtual int Preisaenderung_Waehlen() = 0;
    // A file to read (speichern false) or to write; empty when the user cancels.
    // The filter names the file kinds, e.g. "Excel (*.xlsx);;CSV (*.csv)".
    virtual QString Datei_Waehlen(bool speichern, const QString& filter) = 0;

protected:
    // Shows the message; returns true for "Yes" (and for OK).
    virtual bool anzeigen(const Meldung& meldung) = 0;
};
