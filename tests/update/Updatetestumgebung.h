#pragma once

#include "TestUmgebung.h"
#include "shell/AufzeichnendeDialoge.h"
#include "update/Updatebegleitung.h"
#include "update/Updateumgebung.h"

#include <QMap>
#include <QStringList>
#include <gtest/gtest.h>

// Lines of the exchange's fixed-width files, built field by field at the positions of the
// formats (counted from 1). Numbers are right-aligned in their columns as the exchange writes
// them; every field has a harmless default so a test names only what it is about.
struct MpZeile {
    QString gruppe = "GRP1", offset = "80", klasse = "KL1", back = "50", spot = "100",
            sopa = "0.25", schalter = " ", produkt = "PRD1", parameter = "12.5", art = "A";
    QString text() const;
};

struct MsZeile {
    QString gruppe = "AKT", offset = "+050", klasse = "EQ1", isin = "QS0000000001",
            parameter = "15.0", art = "P", waehrung = "EUR";
    QString text() const;
};

struct VeZeile {
    QString typ = "", klasse = "", cp = "C", days = "30", mnes = "1.0000", move = "0.000",
            up = "10.000", neutral = "2.000", down = "-5.000";
    QString text() const;
};

struct PaZeile {
    QString klasse = "KL1", jahr = "26", monat = "6", faktor = "1.00";
    QString text() const;
};

// A product file line of 29 fields: sensible defaults, then the given fields (numbered from
// 1 as in the format) replaced.
QString produktzeile(const QMap<int, QString>& felder = {});

// The lines of a file, each ended by a line break.
QString datei(const QStringList& zeilen);

// Records what the update asks of the windows.
class AufzeichnendeBegleitung : public Updatebegleitung {
public:
    QStringList statustexte, dateien, aufrufe;
    void Statustext_Zeigen(const QString& text) override { statustexte << text; }
    void Updatedatei_Melden(const QString& pfad) override { dateien << pfad; }
    void Abhaengige_Fenster_Schliessen() override { aufrufe << "Abhaengige_Fenster_Schliessen"; }
    void Produkte_Neu_Laden() override { aufrufe << "Produkte_Neu_Laden"; }
    void MarginKlassen_Neu_Laden() override { aufrufe << "MarginKlassen_Neu_Laden"; }
    void VolaShifts_Neu_Laden() override { aufrufe << "VolaShifts_Neu_Laden"; }
};

// A fresh database, an update directory and recording dialogs; "today" is Wednesday
// 14 May 2025, so the previous business days are the 13th and the 12th.
class UpdateTest : public ::testing::Test {
protected:
    // The messages take their texts from the German label file of the program.
    UpdateTest();

    TestDatenbank datenbank;
    TestOrdner ordner;
    AufzeichnendeDialoge dialoge;
    AufzeichnendeBegleitung begleitung;
    Updateumgebung u{datenbank.db(),
                     dialoge,
                     begleitung,
                     ordner.pfad(),
                     "Quilm.abs",
                     ordner.datei("margin.INI"),
                     "d",
                     QDate(2025, 5, 14)};

    // Writes a file into the update directory and returns its path.
    QString schreiben(const QString& name, const QStringList& zeilen);
    // The rows of a query as text, one row per entry, columns joined by "|" (NULL as "-").
    QStringList zeilen(const QString& sql) const;
    std::vector<int> fehlermeldungen() const;
    std::vector<int> spezialfehler() const;
};
