#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A line of an update file that did not fit its format: its number (counted from 1) and the
// key it named as far as that could be read (product code, ISIN or margin class).
struct Zeilenfehler {
    int zeile = 0;
    QString schluessel;
};

// What a parser made of a file: the lines that fitted, in file order, and those that did not.
template <class Zeile> struct Dateiinhalt {
    std::vector<Zeile> zeilen;
    std::vector<Zeilenfehler> fehler;
};

// The lines of an update file. UTF-8 or, when the bytes are not UTF-8, Latin-1 (files written
// on Windows); line ends "\n" or "\r\n"; blank lines at the end of the file do not count.
// Nothing when the file cannot be opened or holds NUL bytes (not a text file).
std::optional<QStringList> Updatedatei_Lesen(const QString& pfad);

// A line holds no control characters other than tabs: binary garbage never passes as data.
bool istTextzeile(QStringView zeile);
