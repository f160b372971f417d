#include "TestUmgebung.h"

#include "input/Eingabelogik.h"
#include "input/Eingabemodell.h"
#include "input/TEingabe.h"
#include "shell/AufzeichnendeDialoge.h"
#include "shell/Programm.h"
#include "shell/THilfe.h"
#include "shell/TMain.h"
#include "store/Datenbank.h"
#include "store/Sql.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSqlTableModel>
#include <QtTest>

namespace {

const char* kLabelD = "[Allgemein]\nProgrammname=Quillmark-D\n"
                      "[Menue]\nL_1=Datei-D\nL_1_1=Neu-D\n"
                      "[Info]\nL30=Titel-D\nL1=Stand-D\n"
                      "[DBWahl]\nBT_Sprache=English-D\n";
const char* kLabelE = "[Allgemein]\nProgrammname=Quillmark-E\n"
                      "[Menue]\nL_1=File-E\nL_1_1=New-E\n"
                      "[Info]\nL30=Title-E\nL1=As of-E\n"
                      "[DBWahl]\nBT_Sprache=Deutsch-E\n";

// A program folder with both label files and, when given, a configuration file.
struct Umgebung {
    explicit Umgebung(const QString& konfiguration = "[Sprache]\nSprache=d\n") {
        ordner.schreiben("Label_d.ini", kLabelD);
        ordner.schreiben("Label_e.ini", kLabelE);
        if (!konfiguration.isNull()) ordner.schreiben("margin.INI", konfiguration);
    }
    TestOrdner ordner;
    AufzeichnendeDialoge dialoge;
};

// The database choice appears on the first tick of the main window's timer.
QWidget* offenesFenster(TMain& haupt, const QString& name) {
    (void)QTest::qWaitFor([&] { return haupt.IsChildOpen(name); }, 2000);
    return haupt.fenster(name);
}

void datenbankWaehlen(TMain& haupt, const char* knopf) {
    QWidget* wahl = offenesFenster(haupt, "DBWahl");
    QVERIFY(wahl);
    QTest::mouseClick(wahl->findChild<QPushButton*>(knopf), Qt::LeftButton);
    QTRY_VERIFY(!haupt.IsChildOpen("DBWahl"));
}

} // namespace

class TMainTest : public QObject {
    Q_OBJECT
private slots:
    void startInEnglishTicksEnglishAndUsesItsFiles() {
        Umgebung u("[Sprache]\nSprache=e\n[DBVersion]\nDBVersion=1.6\n");
        TMain haupt(u.ordner.pfad(), u.dialoge);
        QVERIFY(haupt.aktion("L_2_9_2")->isChecked());
        QVERIFY(!haupt.aktion("L_2_9_1")->isChecked());
        QCOMPARE(haupt.windowTitle(), QString("Quillmark-E 1.6"));
        QCOMPARE(haupt.menue("L_1")->title(), QString("File-E"));
        QCOMPARE(Programm::instanz().hilfefilm, u.ordner.pfad() + "Help/Help");
    }

    void startWithoutLanguageKeyKeepsBuiltInTexts() {
        Umgebung u(QString{});
        TMain haupt(u.ordner.pfad(), u.dialoge);
        QCOMPARE(haupt.windowTitle(), QString("x 1.0"));
        QVERIFY(!haupt.aktion("L_2_9_1")->isChecked());
        QVERIFY(!haupt.aktion("L_2_9_2")->isChecked());
        QCOMPARE(haupt.aktion("L_1_1")->text(), QString("Neu"));
        QVERIFY(!haupt.aktion("Export1")->isVisible());
        QVERIFY2(!haupt.aktion("L_3_4")->isVisible(), "no help film installed");
    }

    void databaseChoiceOpensTheChosenFileAndFreesTheMenus() {
        Umgebung u;
        TMain haupt(u.ordner.pfad(), u.dialoge);
        haupt.show();
        QVERIFY(offenesFenster(haupt, "DBWahl"));
        QVERIFY(!haupt.menue("L_1")->menuAction()->isEnabled());
        QVERIFY(!haupt.menue("L_3")->menuAction()->isEnabled());
        QVERIFY2(!haupt.fenster("DBWahl")->close(), "only its buttons close it");

        datenbankWaehlen(haupt, "BT_Derivate");
        QVERIFY(haupt.IsChildOpen("Eingabe"));
        QVERIFY(QFile::exists(u.ordner.datei("Quilm_Derivate.abs")));
        QVERIFY(!QFile::exists(u.ordner.datei("Quilm.abs")));
        QCOMPARE(Datenbank::verbindung().databaseName(), u.ordner.datei("Quilm_Derivate.abs"));
        QVERIFY(haupt.menue("L_1")->menuAction()->isEnabled());
        QVERIFY(haupt.menue("L_2")->menuAction()->isEnabled());
    }

    void inputWindowOnlyMinimisesAndStartsEmpty() {
        Umgebung u;
        {
            // A portfolio left from the last run.
            QSqlDatabase db = Datenbank::oeffnen(u.ordner.datei("Quilm.abs"));
            Sql::ausfuehren(db, "INSERT INTO Eingabe (LfdNr, Produkte) VALUES (1, 'ODAX')");
            Datenbank::schliessen();
        }
        TMain haupt(u.ordner.pfad(), u.dialoge);
        datenbankWaehlen(haupt, "BT_Alles");
        QCOMPARE(Sql::wert(Datenbank::verbindung(), "SELECT count(*) FROM Eingabe").toInt(), 1);
        QVERIFY(Sql::wert(Datenbank::verbindung(), "SELECT Produkte FROM Eingabe")
                    .toString()
                    .isEmpty());

        QWidget* rahmen = haupt.fenster("Eingabe")->parentWidget();
        rahmen->close();
        QVERIFY(haupt.IsChildOpen("Eingabe"));
        QVERIFY(rahmen->isMinimized());
        haupt.zeigen("Eingabe");
        QVERIFY(!rahmen->isMinimized());
    }

    void showingAnOpenWindowBringsItBackWithoutASecondOne() {
        Umgebung u;
        TMain haupt(u.ordner.pfad(), u.dialoge);
        haupt.show();
        QWidget* info = haupt.zeigen("Info");
        QVERIFY(info);
        QCOMPARE(info->objectName(), QString("Info"));
        QWidget* rahmen = info->parentWidget();
        rahmen->showMinimized();
        QCOMPARE(haupt.zeigen("Info"), info);
        QVERIFY(!rahmen->isMinimized());
        QCOMPARE(haupt.arbeitsflaeche()->subWindowList().size(), 1);

        QTest::mouseClick(info->findChild<QPushButton*>(), Qt::LeftButton);
        QTRY_VERIFY(!haupt.IsChildOpen("Info"));
    }

    void switchingLanguageRelabelsOpenWindowsAndWritesTheChoice() {
        Umgebung u;
        TMain haupt(u.ordner.pfad(), u.dialoge);
        QWidget* info = haupt.zeigen("Info");
        QWidget* wahl = offenesFenster(haupt, "DBWahl");
        QVERIFY(info->findChild<QLabel*>()->text() == "Titel-D");

        QTest::mouseClick(wahl->findChild<QPushButton*>("BT_Sprache"), Qt::LeftButton);
        QCOMPARE(info->findChild<QLabel*>()->text(), QString("Title-E"));
        QCOMPARE(wahl->findChild<QPushButton*>("BT_Sprache")->text(), QString("Deutsch-E"));
        QCOMPARE(haupt.windowTitle(), QString("Quillmark-E 1.0"));
        QVERIFY(haupt.aktion("L_2_9_2")->isChecked());
        QVERIFY(!haupt.aktion("L_2_9_1")->isChecked());
        QVERIFY(u.ordner.lesen("margin.INI").contains("Sprache = e") ||
                u.ordner.lesen("margin.INI").contains("Sprache=e"));

        QTest::mouseClick(wahl->findChild<QPushButton*>("BT_Sprache"), Qt::LeftButton);
        QCOMPARE(info->findChild<QLabel*>()->text(), QString("Titel-D"));
    }

    void switchingToTheActiveLanguageWritesNothing() {
        Umgebung u;
        const QString vorher = u.ordner.lesen("margin.INI");
        TMain haupt(u.ordner.pfad(), u.dialoge);
        haupt.aktion("L_2_9_1")->trigger();
        QCOMPARE(u.ordner.lesen("margin.INI"), vorher);
        QVERIFY(haupt.aktion("L_2_9_1")->isChecked());
        QVERIFY(!haupt.aktion("L_2_9_2")->isChecked());
    }

    void newKeepsRefusedRowsButSetsTodaysDate() {
        Umgebung u;
        TMain haupt(u.ordner.pfad(), u.dialoge);
        datenbankWaehlen(haupt, "BT_Alles");
        auto* eingabe = static_cast<TEingabe*>(haupt.fenster("Eingabe"));
        eingabe->logik().feldGeaendert(0, "Prod_Neu", "ODAX");
        Programm::instanz().Berechnungsdatum = QDate(2008, 3, 7);

        u.dialoge.antworten({false});
        haupt.aktion("L_1_1")->trigger();
        QCOMPARE(u.dialoge.nummern(Meldung::Quelle::Bestaetigung), std::vector<int>{2});
        QCOMPARE(Sql::wert(Datenbank::verbindung(), "SELECT count(*) FROM Eingabe").toInt(), 1);
        QCOMPARE(Programm::instanz().Berechnungsdatum, QDate::currentDate());

        u.dialoge.antworten({true});
        haupt.aktion("L_1_1")->trigger();
        QCOMPARE(eingabe->modell()->rowCount(), 1);
        QVERIFY(eingabe->logik().tabelle().zeile(0).Produkte.isEmpty());
    }

    void helpOpensAtTheActiveWindowsTopic() {
        Umgebung u;
        QDir(u.ordner.pfad()).mkpath("hlp/QUILM2");
        u.ordner.schreiben("hlp/QUILM2/index.html", "<title>Start</title>");
        u.ordner.schreiben("hlp/QUILM2/100.html", "<title>Eingabe</title>");
        TMain haupt(u.ordner.pfad(), u.dialoge);
        haupt.show();
        datenbankWaehlen(haupt, "BT_Alles");
        haupt.zeigen("Eingabe");
        haupt.aktion("L_3_1")->trigger();
        auto* hilfe = haupt.findChild<THilfe*>();
        QVERIFY(hilfe && hilfe->isVisible());
        QVERIFY(hilfe->seite().endsWith("hlp/QUILM2/100.html"));

        haupt.zeigen("Info");
        haupt.aktion("L_3_1")->trigger();
        QVERIFY(hilfe->seite().endsWith("hlp/QUILM2/index.html"));
    }

    void missingHelpAndHelpFilmAreReported() {
        Umgebung u;
        TMain haupt(u.ordner.pfad(), u.dialoge);
        haupt.aktion("L_3_1")->trigger();
        QCOMPARE(u.dialoge.meldungen().size(), size_t(1));
        QVERIFY(u.dialoge.meldungen()[0].text.contains("QUILM2"));
        haupt.aktion("L_3_4")->trigger();
        QCOMPARE(u.dialoge.nummern(Meldung::Quelle::Fehlermeldung), std::vector<int>{80});
    }

    void maintenanceItemFollowsTheConfiguration() {
        Umgebung u("[Sprache]\nSprache=d\n[Pemby]\nPemby_Export=TRUE\n");
        TMain haupt(u.ordner.pfad(), u.dialoge);
        QVERIFY(haupt.aktion("Export1")->isVisible());
    }
};

QTEST_MAIN(TMainTest)
#include "TMainTest.moc"
