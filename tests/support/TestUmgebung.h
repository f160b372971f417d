#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A scratch program folder for one test: the configuration file, the label
// files and the database live here and vanish with the object.
class TestOrdner {
public:
    TestOrdner();
    QString pfad() const; // with trailing separator
    QString datei(const QString& name) const { return pfad() + name; }
    // Writes a text file into the folder (UTF-8).
    void schreiben(const QString& name, const QString& inhalt) const;
    QString lesen(const QString& name) const;

private:
    QTemporaryDir ordner_;
};

// A fresh database with the full schema in a scratch folder, open under the
// program's connection name for the lifetime of the object.
class TestDatenbank {
public:
    TestDatenbank();
    ~TestDatenbank();
    QSqlDatabase db() const;
    QString pfad() const { return ordner_.datei("test.abs"); }
    // Runs statements separated by ";" (fixture rows).
    void ausfuehren(const QString& statements) const;

private:
    TestOrdner ordner_;
};

// One run of the command-line tool of this build: exit code and standard output.
struct CliLauf {
    int exitcode = -1;
    QString ausgabe;
};
CliLauf cli(const QStringList& argumente);
