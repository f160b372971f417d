#pragma once

#include <QString>
#include <memory>

// A text file in INI format: sections and keys are found regardless of case,
// values are text. A missing or unreadable file reads like an empty one.
// Files written on Windows (Latin-1) are read as well as UTF-8 files.
class IniDatei {
public:
    // Reads the whole file once; lookups then come from memory.
    explicit IniDatei(const QString& pfad);
    ~IniDatei();
    IniDatei(IniDatei&&) noexcept;
    IniDatei& operator=(IniDatei&&) noexcept;

    QString text(const QString& sektion, const QString& schluessel,
                 const QString& vorgabe = QString()) const;
    // An integer value; a value that is not a number reads as the default.
    int zahl(const QString& sektion, const QString& schluessel, int vorgabe) const;
    bool vorhanden(const QString& sektion, const QString& schluessel) const;

    // Writes one key into the file at pfad and keeps every other line of it.
    // The file is replaced atomically; returns false when it cannot be written.
    static bool schreiben(const QString& pfad, const QString& sektion, const QString& schluessel,
                          const QString& wert);

private:
    struct Inhalt;
    std::unique_ptr<Inhalt> inhalt_;
};
