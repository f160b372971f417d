#pragma once

#include <QSqlDatabase>
#include <QString>

class Dialoge;

// The error log of the last validation, import or update: table FehlerP.
// Each row keeps the row number it refers to, the product code, the message
// number and kind with the extra text, and the message text of the language
// active when it was written.
class Fehlerprotokoll {
public:
    explicit Fehlerprotokoll(QSqlDatabase db);

    // Kind "F": the text of error message n. Kind "S": the text of special
    // error message n with the extra text inserted.
    void Fehlerzeile_Anhaengen(int zeilenNr, const QString& produkt, int nummer, QChar art,
                               const QString& zusatz = {});
    void Fehlerprotokoll_Leeren();
    int anzahl() const;

    // Tells the user how many rows there are: one row message 40, more rows
    // special message 2 with the count. False when the log is empty (the
    // caller then opens no error log window).
    bool Fehleranzahl_Melden(Dialoge& dialoge) const;

    static QString zeilentext(int nummer, QChar art, const QString& zusatz);

private:
    QSqlDatabase db_;
};
