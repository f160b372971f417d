#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Date texts of the grid and the settings windows. They are kept in the
// local order of the date style: day first ("d", e.g. 07.03.2008) or month
// first ("e", e.g. 03/07/2008), with the locale's separator.
namespace Datumstext {

struct Stil {
    QString datumsstil = "d";
    QChar trenner = '.';
    // The style of the running program (Programm::instanz()).
    static Stil programm();
};

// The forms an empty date entry mask leaves ("..", "  .  .  ", "//", ...)
// and blank texts: no date was given.
bool istLeer(const QString& text);

// Reads a date text in the local order; day, month and year may have one or
// two digits (a two-digit year means 1950-2049), any of ".", "/" or "-"
// separates them; an ISO date (2008-03-07) is read as well. Nothing for an
// empty form or a text that is no date.
std::optional<QDate> lesen(const QString& text, const Stil& stil = Stil::programm());

// Two-digit day and month, four-digit year, in the local order.
QString schreiben(const QDate& datum, const Stil& stil = Stil::programm());

} // namespace Datumstext
