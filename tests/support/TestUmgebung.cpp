#include "TestUmgebung.h"

#include "store/Datenbank.h"
#include "store/Sql.h"

#include <QFile>
#include <QProcess>

TestOrdner::TestOrdner() = default;

QString TestOrdner::pfad() const {
    return ordner_.path() + "/";
}

void TestOrdner::schreiben(const QString& name, const QString& inhalt) const {
    QFile f(datei(name));
    if (f.open(QIODevice::WriteOnly)) f.write(inhalt.toUtf8());
}

QString TestOrdner::lesen(const QString& name) const {
    QFile f(datei(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TestDatenbank::TestDatenbank() {
    Datenbank::oeffnen(pfad());
}

TestDatenbank::~TestDatenbank() {
    Datenbank::schliessen();
}

QSqlDatabase TestDatenbank::db() const {
    return Datenbank::verbindung();
}

void TestDatenbank::ausfuehren(const QString& statements) const {
    for (const QString& s : statements.split(';', Qt::SkipEmptyParts))
        if (!s.trimmed().isEmpty()) Sql::ausfuehren(db(), s);
}

CliLauf cli(const QStringList& argumente) {
    QProcess p;
    p.start(QUILLMARK_CLI, argumente);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput())};
}
