#include "TestUmgebung.h"

#include "shell/Arbeitsmappe.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using Art = Arbeitsmappe::Zelle::Art;

TEST(Zellbezug, NamesAndIndexesConvertBothWays) {
    struct Fall {
        const char* name;
        int zeile;
        int spalte;
    };
    for (const Fall& f : {Fall{"A1", 0, 0}, Fall{"B2", 1, 1}, Fall{"Z10", 9, 25},
                          Fall{"AA1", 0, 26}, Fall{"AZ3", 2, 51}, Fall{"BA7", 6, 52}}) {
        const auto b = Zellbezug::aus(f.name);
        ASSERT_TRUE(b) << f.name;
        EXPECT_EQ(b->zeile, f.zeile) << f.name;
        EXPECT_EQ(b->spalte, f.spalte) << f.name;
        EXPECT_EQ(b->name(), f.name);
    }
    for (const char* falsch : {"", "A0", "1A", "A", "A1:B2", "ÄB1"})
        EXPECT_FALSE(Zellbezug::aus(falsch)) << falsch;
}

TEST(Arbeitsmappe, XlsxKeepsSheetOrderValuesAndDates) {
    TestOrdner ordner;
    Arbeitsmappe mappe;
    mappe.blattBenennen("Margin-Anforderungen");
    mappe.schreiben("A1", QString("Margin-Gruppe"));
    mappe.schreiben("D2", 1234.5678);
    mappe.blattHinzufuegen(); // goes in front and becomes active
    mappe.blattBenennen("Eingabe");
    mappe.schreiben("B1", QString("Projekt Ä/ß"));
    mappe.schreibenDatum("B2", QDate(2008, 3, 7));
    mappe.zahlenformat("C5", "@");
    mappe.schreiben("C5", QString(" Mar08"));
    mappe.schreiben("F5", -3.0);
    mappe.fett("A1:B2");
    mappe.spaltenAnpassen("A1:AA1");
    ASSERT_TRUE(mappe.speichern(ordner.datei("p.xlsx")));

    QString fehler;
    const auto gelesen = Arbeitsmappe::laden(ordner.datei("p.xlsx"), &fehler);
    ASSERT_TRUE(gelesen) << fehler.toStdString();
    ASSERT_EQ(gelesen->blaetter().size(), 2u);
    EXPECT_EQ(gelesen->blaetter()[0].name, "Eingabe");
    EXPECT_EQ(gelesen->blaetter()[1].name, "Margin-Anforderungen");
    EXPECT_EQ(gelesen->lesen("B1").text, "Projekt Ä/ß");
    EXPECT_EQ(gelesen->lesen("B2").art, Art::Datum);
    EXPECT_EQ(gelesen->lesen("B2").datum, QDate(2008, 3, 7));
    EXPECT_EQ(gelesen->lesen("C5").text, " Mar08");
    EXPECT_EQ(gelesen->lesen("F5").art, Art::Zahl);
    EXPECT_EQ(gelesen->lesen("F5").zahl, -3.0);
    EXPECT_EQ(gelesen->lesen("B5").art, Art::Leer);

    Arbeitsmappe zweite = *gelesen;
    zweite.aktivieren(1);
    EXPECT_DOUBLE_EQ(zweite.lesen("D2").zahl, 1234.5678);
}

TEST(Arbeitsmappe, CsvWithEitherSeparatorReadsAsTheSameGrid) {
    TestOrdner ordner;
    ordner.schreiben("semikolon.csv",
                     "Name;\"Buch; A\"\r\nDatum;07.03.2008\r\n\r\n;\r\nX;ODAX;\"a \"\"b\"\"\"\n");
    ordner.schreiben("komma.csv",
                     "Name,\"Buch; A\"\nDatum,07.03.2008\n\n,\nX,ODAX,\"a \"\"b\"\"\"\n");
    for (const char* datei : {"semikolon.csv", "komma.csv"}) {
        const auto mappe = Arbeitsmappe::laden(ordner.datei(datei));
        ASSERT_TRUE(mappe) << datei;
        EXPECT_EQ(mappe->lesen("B1").text, "Buch; A") << datei;
        EXPECT_EQ(mappe->lesen("B2").text, "07.03.2008") << datei;
        EXPECT_EQ(mappe->lesen("B4").art, Art::Leer) << datei;
        EXPECT_EQ(mappe->lesen("B5").text, "ODAX") << datei;
        EXPECT_EQ(mappe->lesen("C5").text, "a \"b\"") << datei;
    }
}

TEST(Arbeitsmappe, WrittenCsvReadsBack) {
    TestOrdner ordner;
    Arbeitsmappe mappe;
    mappe.schreiben("A1", QString("a;b"));
    mappe.schreiben("C2", 2.5);
    mappe.schreibenDatum("B3", QDate(2010, 12, 31));
    ASSERT_TRUE(mappe.speichern(ordner.datei("x.csv")));
    const auto gelesen = Arbeitsmappe::laden(ordner.datei("x.csv"));
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->lesen("A1").text, "a;b");
    EXPECT_EQ(gelesen->lesen("C2").text, "2.5");
    EXPECT_EQ(gelesen->lesen("B3").text, "31.12.2010");
}

TEST(Arbeitsmappe, FilesThatAreNoWorkbookAreRefusedWithoutACrash) {
    TestOrdner ordner;
    QByteArray muell;
    for (int i = 0; i < 4096; ++i) muell.append(char((i * 7919) % 256));
    QFile f(ordner.datei("muell.xlsx"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(muell);
    f.close();
    QFile::copy(ordner.datei("muell.xlsx"), ordner.datei("muell.csv"));
    ordner.schreiben("text.xlsx", "Name;Buch\n");

    for (const char* datei : {"muell.xlsx", "muell.csv", "text.xlsx", "fehlt.xlsx"}) {
        QString fehler;
        EXPECT_FALSE(Arbeitsmappe::laden(ordner.datei(datei), &fehler)) << datei;
        EXPECT_FALSE(fehler.isEmpty()) << datei;
    }
}

TEST(Arbeitsmappe, AFailedWriteLeavesNoFileBehind) {
    TestOrdner ordner;
    Arbeitsmappe mappe;
    mappe.schreiben("A1", QString("x"));
    QString fehler;
    EXPECT_FALSE(mappe.speichern(ordner.datei("fehlt/ordner/p.xlsx"), &fehler));
    EXPECT_FALSE(fehler.isEmpty());
    EXPECT_FALSE(QFile::exists(ordner.datei("fehlt/ordner/p.xlsx.schreiben")));
}

} // namespace
