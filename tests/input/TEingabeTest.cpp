#include "TestUmgebung.h"

#include "input/Eingabelogik.h"
#include "input/Eingabemodell.h"
#include "input/TEingabe.h"
#include "margin/TAusgabe1.h"
#include "refdata/TFehlerprotokoll.h"
#include "shell/AufzeichnendeDialoge.h"
#include "shell/Programm.h"
#include "shell/TMain.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

namespace {

void kopieren(const QString& von, const QString& nach) {
    if (QFileInfo(von).isDir()) {
        QDir().mkpath(nach);
        for (const QString& n :
             QDir(von).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            kopieren(von + "/" + n, nach + "/" + n);
    } else {
        QFile::copy(von, nach);
    }
}

// The desktop program on a fresh folder with the real label files and the
// demo data, German, dates day first; the database "all products" chosen.
struct Programmlauf {
    Programmlauf() {
        for (const char* n : {"Label_d.ini", "Label_e.ini", "data"})
            kopieren(QCoreApplication::applicationDirPath() + "/" + n, ordner.datei(n));
        ordner.schreiben("margin.INI", "[Sprache]\nSprache=d\n");
        haupt = std::make_unique<TMain>(ordner.pfad(), dialoge);
        Programm::instanz().datumsformatSetzen('.');
        haupt->resize(1400, 900);
        haupt->show();
        // The database choice appears on the first tick of the main window's timer.
        (void)QTest::qWaitFor([&] { return haupt->IsChildOpen("DBWahl"); }, 3000);
        QTest::mouseClick(haupt->fenster("DBWahl")->findChild<QPushButton*>("BT_Alles"),
                          Qt::LeftButton);
        eingabe = static_cast<TEingabe*>(haupt->fenster("Eingabe"));
    }
    ~Programmlauf() { haupt.reset(); }

    Eingabelogik& logik() { return eingabe->logik(); }
    const Position& zeile(int i) { return logik().tabelle().zeile(i); }

    // Types a value into a grid cell through its editor and confirms it with Enter.
    void eingeben(int zeile, const QString& feld, const QString& text) {
        QTableView* g = eingabe->gitter();
        const QModelIndex index =
            eingabe->modell()->index(zeile, eingabe->modell()->spalteVon(feld));
        g->setCurrentIndex(index);
        g->edit(index);
        QWidget* editor = g->indexWidget(index);
        QVERIFY2(editor, qPrintable(feld));
        QWidget* ziel = editor;
        if (auto* box = qobject_cast<QComboBox*>(editor)) ziel = box->lineEdit();
        if (auto* zeile_ = qobject_cast<QLineEdit*>(ziel)) zeile_->selectAll();
        QTest::keyClicks(ziel, text);
        QTest::keyClick(ziel, Qt::Key_Return);
        // The grid takes the value over once the key event is done.
        QCoreApplication::processEvents();
    }

    // The maturity with that index of a product on the calculation date.
    QString laufzeit(const char* produkt, int i) {
        logik().maturitaetenAufbauen(*logik().referenz().produkt(produkt));
        return logik().laufzeitAuswahl().value(i);
    }

    void optionszeile(int i) {
        const QString mat = laufzeit("OSXA", 1);
        eingeben(i, "Prod_Neu", "OSXA");
        eingeben(i, "Laufzeit", mat);
        eingeben(i, "Basispreis", "4900");
        eingeben(i, "ProduktArt", "C");
        eingeben(i, "LS", "S");
        eingeben(i, "Anzahl", "10");
        eingeben(i, "TradePrice", "150");
    }

    TestOrdner ordner;
    AufzeichnendeDialoge dialoge;
    std::unique_ptr<TMain> haupt;
    TEingabe* eingabe = nullptr;
};

} // namespace

class TEingabeTest : public QObject {
    Q_OBJECT
private slots:
    void anOptionRowIsCompletedAsItIsTyped() {
        Programmlauf p;
        QVERIFY(p.eingabe);
        p.optionszeile(0);
        const Position& z = p.zeile(0);
        QCOMPARE(z.Produkte, QString("OSXA"));
        QCOMPARE(z.MarginKlasse, QString("FSXA"));
        QVERIFY(!z.Prod_Bezeichnung.isEmpty());
        QVERIFY(z.Laufzeit_Tage > 0);
        QCOMPARE(z.Betrag, 10 * 150 * p.logik().referenz().produkt("OSXA")->Multiplikator);
        QVERIFY(z.ImplVola > 1 && z.ImplVola < 100);
        QVERIFY(p.eingabe->findChild<QLabel*>("Wert_MarginKlasse")->text() == "FSXA");
        QVERIFY(!p.eingabe->gitter()->isColumnHidden(p.eingabe->modell()->spalteVon("Basispreis")));
    }

    void equityAndBondRowsGetSettlementDatesAndAmounts() {
        Programmlauf p;
        const QDate handel = p.logik().zustand().Berechnungsdatum.addDays(-7);
        const QString text = handel.toString("dd.MM.yyyy");
        p.eingeben(0, "Prod_Neu", "QS0010001012");
        p.eingeben(0, "Handelstag", text);
        p.eingeben(0, "Anzahl", "100");
        p.eingeben(0, "TradePrice", "42");
        QVERIFY(!p.zeile(0).SettlementDays.isEmpty());
        QCOMPARE(p.zeile(0).Betrag, 4200.0);
        QVERIFY(p.eingabe->gitter()->isColumnHidden(p.eingabe->modell()->spalteVon("Laufzeit")));

        p.logik().neueZeile();
        p.eingabe->zeilenNeuLaden();
        p.eingeben(1, "Prod_Neu", "QS0020002018");
        p.eingeben(1, "Handelstag", text);
        p.eingeben(1, "Anzahl", "100000");
        p.eingeben(1, "TradePrice", "101.5");
        QCOMPARE(p.zeile(1).Betrag, 101500.0);
        QVERIFY(p.zeile(1).Stueckzinsen > 0);
    }

    void aWrongLongShortIsRefused() {
        Programmlauf p;
        p.eingeben(0, "Prod_Neu", "FSXA");
        p.eingeben(0, "LS", "X");
        QCOMPARE(p.dialoge.nummern(Meldung::Quelle::Fehlermeldung), std::vector<int>{65});
        QVERIFY(p.zeile(0).LS.trimmed().isEmpty());
    }

    void movingTheDatePastAMaturityDeletesTheRow() {
        Programmlauf p;
        p.eingeben(0, "Prod_Neu", "FSXA");
        p.eingeben(0, "Laufzeit", p.laufzeit("FSXA", 0));
        p.eingeben(0, "LS", "L");
        const QDate spaeter = p.zeile(0).letzterHT.addDays(3);
        p.dialoge.wahlen({1});
        p.eingabe->datum()->setDate(spaeter);
        emit p.eingabe->datum()->editingFinished();
        QCOMPARE(p.dialoge.wahldialoge(), std::vector<QString>{"Datumsaenderung"});
        QCOMPARE(p.logik().zustand().Berechnungsdatum, spaeter);
        QCOMPARE(p.logik().tabelle().anzahl(), 0);
    }

    void aNewPriceAsksAndRepricesTheClass() {
        Programmlauf p;
        p.optionszeile(0);
        const double vorher = p.zeile(0).ImplVola;
        p.eingabe->zeileWaehlen(0);
        p.dialoge.wahlen({1});
        QLineEdit* preis = p.eingabe->preis();
        preis->setFocus();
        QApplication::sendEvent(preis, new QFocusEvent(QEvent::FocusIn));
        preis->selectAll();
        QTest::keyClicks(preis, "4950");
        QTest::keyClick(preis, Qt::Key_Return);
        QCOMPARE(p.dialoge.wahldialoge(), std::vector<QString>{"Preisaenderung"});
        QCOMPARE(p.logik().referenz().produkt("FSXA")->AktPreis, 4950.0);
        QCOMPARE(p.zeile(0).TradePrice, 150.0);
        QVERIFY(p.zeile(0).ImplVola < vorher);
    }

    void anInvalidPortfolioOpensTheErrorLog() {
        Programmlauf p;
        p.eingeben(0, "Prod_Neu", "FSXA");
        QTest::mouseClick(p.eingabe->findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
        auto* protokoll = static_cast<TFehlerprotokoll*>(p.haupt->fenster("Fehlerprotokoll"));
        QVERIFY(protokoll);
        QVERIFY(protokoll->gitter()->model()->rowCount() >= 2);
        QVERIFY(!p.haupt->IsChildOpen("Ausgabe1"));
    }

    void aValidPortfolioFillsTheResultsWindow() {
        Programmlauf p;
        p.optionszeile(0);
        QTest::mouseClick(p.eingabe->findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
        auto* ergebnisse = static_cast<TAusgabe1*>(p.haupt->fenster("Ausgabe1"));
        QVERIFY(ergebnisse);
        QVERIFY(QTest::qWaitFor([&] { return !ergebnisse->laeuft(); }, 30000));
        QAbstractItemModel* m = ergebnisse->gitter()->model();
        QCOMPARE(m->rowCount(), 2);
        QCOMPARE(m->index(1, 1).data().toString(), QString("Account Total"));
        QCOMPARE(ergebnisse->klassen()->findChildren<QRadioButton*>().size(), qsizetype(1));
        QVERIFY2(!p.haupt->IsChildOpen("BerechnungsInfo"), "closed at the end of the run");
    }

    void exportThenImportGivesTheSameRows() {
        Programmlauf p;
        p.optionszeile(0);
        p.eingabe->projekt()->setText("Buch");
        emit p.eingabe->projekt()->textEdited("Buch");
        const QString datei = p.ordner.datei("portfolio.xlsx");
        p.dialoge.dateien({datei});
        p.haupt->aktion("L_1_6")->trigger();
        QVERIFY(QFile::exists(datei));
        const Position vorher = p.zeile(0);

        p.dialoge.antworten({true});
        p.dialoge.dateien({datei});
        p.haupt->aktion("L_1_5")->trigger();
        QCOMPARE(p.logik().tabelle().anzahl(), 1);
        for (const char* feld : {"Produkte", "Laufzeit", "Basispreis", "ProduktArt", "LS", "Anzahl",
                                 "TradePrice", "ImplVola", "Betrag"})
            QCOMPARE(p.zeile(0).wert(feld), vorher.wert(feld));
        QCOMPARE(p.eingabe->projekt()->text(), QString("Buch"));
    }

    void switchingLanguageRelabelsTheOpenWindows() {
        Programmlauf p;
        p.haupt->zeigen("Fehlerprotokoll");
        QCOMPARE(p.eingabe->findChild<QPushButton*>("BitBtn2")->text(),
                 QString("Berechnungen starten"));
        p.haupt->SwitchLanguage("e");
        QVERIFY(p.eingabe->findChild<QPushButton*>("BitBtn2")->text() != "Berechnungen starten");
        QVERIFY(p.haupt->fenster("Fehlerprotokoll")->windowTitle() != "Fehlerprotokoll");
        QCOMPARE(
            p.eingabe->modell()
                ->headerData(p.eingabe->modell()->spalteVon("LS"), Qt::Horizontal, Qt::DisplayRole)
                .toString(),
            QString("Long / Short"));
    }
};

QTEST_MAIN(TEingabeTest)
#include "TEingabeTest.moc"
