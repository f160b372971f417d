#include "update/Demodaten.h"

#include "calendar/DatumQt.h"
#include "calendar/KalenderdatenLesen.h"
#include "input/Fehlerprotokoll.h"
#include "shell/AufzeichnendeDialoge.h"
#include "store/Datenbank.h"
#include "store/DatenbankFehler.h"
#include "store/Sql.h"
#include "update/Demodatenfehler.h"
#include "update/Demodatierung.h"
#include "update/Demokalender.h"
#include "update/Tabellentext.h"
#include "update/Updateart.h"
#include "update/Updatebegleitung.h"
#include "update/Updateimport.h"
#include "update/Updateumgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace Demodaten {
namespace {

// A connection of its own: the program may have its database open while it builds another.
const QString kVerbindung = "QuilM_Demodaten";

constexpr int kFeiertagsjahre = 5;

void kalenderUndTabellen(const QSqlDatabase& db, const QDir& daten, Datum stichtag) {
    Transaktion transaktion(db);
    Demokalender::Feiertage_Anlegen(db,
                                    Demokalender::Feiertage_Von(stichtag.jahr(), kFeiertagsjahre));
    const Feiertage feiertage = FeiertageLesen(db);
    Demokalender::Inflationstermine_Anlegen(db, stichtag, feiertage);
    Demokalender::Stromkalender_Anlegen(db, Tabellentext::lesen(daten.filePath("strom.txt")),
                                        stichtag, feiertage);
    Tabellentext::lesen(daten.filePath("zinsen.txt")).anhaengen(db, "Zinsen");
    Tabellentext::lesen(daten.filePath("waehrung.txt")).anhaengen(db, "Waehrung");
    Tabellentext::lesen(daten.filePath("konfigurationslisten.txt"))
        .anhaengen(db, "Konfigurationslisten");
    transaktion.bestaetigen();
}

void pruefen(bool erfolgreich, const QString& pfad, const AufzeichnendeDialoge& dialoge) {
    if (erfolgreich) return;
    QStringList meldungen;
    for (const Meldung& m : dialoge.meldungen())
        meldungen << QString("message %1: %2").arg(m.nummer).arg(m.text);
    throw Demodatenfehler("Cannot import " + pfad + " (" + meldungen.join("; ") + ")");
}

// The exchange's files, in the order of a full update.
void importieren(const QSqlDatabase& db, const QDir& daten, bool nurDerivate) {
    AufzeichnendeDialoge dialoge;
    Updatebegleitung still;
    Updateumgebung u{db, dialoge, still};
    u.protokollLeeren = false; // one log for all files, which must stay empty
    const QString produkte = daten.filePath(
        Updatedateiname(Updateart::Database, {}, nurDerivate ? "Quilm_Derivate.abs" : "Quilm.abs"));
    pruefen(Produktdatei_Importieren(u, produkte).has_value(), produkte, dialoge);
    const std::pair<bool (*)(Updateumgebung&, const QString&), const char*> dateien[] = {
        {Derivate_Importieren, "mp_demo.txt"},
        {Wertpapiere_Importieren, "ms_demo.txt"},
        {VolaShifts_Importieren, "ve_demo.txt"},
        {Risikofaktoren_Importieren, "pa_demo.txt"}};
    for (const auto& [import, name] : dateien)
        pruefen(import(u, daten.filePath(name)), name, dialoge);

    QSqlQuery fehler = Sql::ausfuehren(db, "SELECT Zusatz FROM FehlerP ORDER BY LfdNr");
    QStringList zeilen;
    while (fehler.next()) zeilen << fehler.value(0).toString();
    if (!zeilen.isEmpty())
        throw Demodatenfehler("Lines that do not fit their format: " + zeilen.join(", "));
}

// Every product has a current price, or later calculations would have nothing to work on.
void preiseSetzen(const QSqlDatabase& db, const QDir& daten) {
    Tabellentext::lesen(daten.filePath("preise.txt")).nachSchluesselSetzen(db, "Produkt");
    const QVariant ohnePreis = Sql::wert(
        db, "SELECT Produkt FROM Produkt WHERE AktPreis IS NULL OR AktPreis <= 0 LIMIT 1");
    if (ohnePreis.isValid()) throw Demodatenfehler("No price for " + ohnePreis.toString());
}

void datieren(const QSqlDatabase& db, const QDir& daten, Datum stichtag) {
    Transaktion transaktion(db);
    preiseSetzen(db, daten);
    Demodatierung::Dividendentermine_Verschieben(db, stichtag);
    Demodatierung::Wetterkontrakte_Verschieben(db, stichtag);
    Demodatierung::Risikofaktoren_Datieren(db, stichtag, KalenderdatenLesen(db));
    transaktion.bestaetigen();
}

void fuellen(const QString& pfad, bool nurDerivate, const QDir& daten, Datum stichtag) {
    const QSqlDatabase db = Datenbank::oeffnen(pfad, kVerbindung);
    kalenderUndTabellen(db, daten, stichtag);
    importieren(db, daten, nurDerivate);
    datieren(db, daten, stichtag);
}

} // namespace

void anlegen(const QString& dbPfad, bool nurDerivate, const QString& datenOrdner,
             const QDate& stichtag) {
    if (QFileInfo::exists(dbPfad)) throw Demodatenfehler("The file exists already: " + dbPfad);
    const QString entstehend = dbPfad + ".entsteht";
    QFile::remove(entstehend);
    try {
        fuellen(entstehend, nurDerivate, QDir(datenOrdner), ausQDate(stichtag));
    } catch (const DatenbankFehler& f) {
        Datenbank::schliessen(kVerbindung);
        QFile::remove(entstehend);
        throw Demodatenfehler(f.text());
    } catch (...) {
        Datenbank::schliessen(kVerbindung);
        QFile::remove(entstehend);
        throw;
    }
    Datenbank::schliessen(kVerbindung);
    if (!QFile::rename(entstehend, dbPfad)) {
        QFile::remove(entstehend);
        throw Demodatenfehler("Cannot write " + dbPfad);
    }
}

QString ordner(const QString& programmverzeichnis) {
    return QDir(programmverzeichnis).filePath("data");
}

} // namespace Demodaten
