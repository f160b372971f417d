// The two label files delivered with the program: every numbered message the
// program raises has a kind and a text in both languages, and the German and
// the English file name the same texts.

#include "shell/IniDatei.h"

#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTextStream>
#include <gtest/gtest.h>

#include <vector>

namespace {

QString labeldatei(const char* name) {
    return QString(QUILLMARK_RESSOURCEN) + "/" + name;
}

const char* const kDateien[] = {"Label_d.ini", "Label_e.ini"};

// The numbers the program raises, written out independently of the files.
struct Meldungsgruppe {
    const char* abschnitt;
    std::vector<int> nummern;
    bool mitArt;             // "T" + n must be 1, 2 or 3
    bool mitAnordnung;       // "A" + n with its text parts instead of one text
    const char* textPraefix; // "F" or "B" for plain texts
};

const std::vector<Meldungsgruppe>& meldungsgruppen() {
    static const std::vector<Meldungsgruppe> gruppen = {
        {"Fehlermeldungen",
         {8,  9,  12, 16, 17, 18, 19, 20, 21, 22, 23, 30, 40, 56, 60, 61, 63, 64,
          65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 80, 90, 92, 95, 96},
         true,
         false,
         "F"},
        // Written only as error log rows: the kind is not shown, the text is.
        {"Fehlermeldungen", {3, 10, 11, 13, 14, 15, 26, 27, 28, 29, 77}, false, false, "F"},
        {"Fehlermeldung_Spezial", {1, 2, 17, 18, 19, 20, 21, 23, 24, 30, 32, 33}, true, true, ""},
        {"Fehlermeldung_Spezial", {16, 34, 50}, false, true, ""},
        {"Bestaetigungen", {1, 2, 6, 7, 8, 9, 10, 11, 12, 14, 15}, false, false, "B"},
        {"Bestaetigungen_Spezial", {1}, false, true, ""},
    };
    return gruppen;
}

TEST(Labeldateien, EveryMessageHasItsKindAndTextInBothLanguages) {
    for (const char* datei : kDateien) {
        const IniDatei l(labeldatei(datei));
        for (const Meldungsgruppe& g : meldungsgruppen()) {
            for (int n : g.nummern) {
                const QString nr = QString::number(n);
                SCOPED_TRACE(std::string(datei) + " [" + g.abschnitt + "] " + nr.toStdString());
                if (g.mitArt) {
                    const int art = l.zahl(g.abschnitt, "T" + nr, 0);
                    EXPECT_TRUE(art >= 1 && art <= 3) << "kind " << art;
                }
                if (!g.mitAnordnung) {
                    EXPECT_FALSE(l.text(g.abschnitt, g.textPraefix + nr).trimmed().isEmpty());
                    continue;
                }
                const int anordnung = l.zahl(g.abschnitt, "A" + nr, 0);
                if (anordnung != 1 && anordnung != 2) {
                    ADD_FAILURE() << "arrangement " << anordnung;
                    continue;
                }
                EXPECT_FALSE(l.text(g.abschnitt, "F" + nr + "_1").trimmed().isEmpty());
                if (anordnung == 2) {
                    EXPECT_FALSE(l.text(g.abschnitt, "F" + nr + "_2").trimmed().isEmpty());
                }
            }
        }
    }
}

// Section → keys in file order, read line by line, so that keys given twice
// (of which the reader keeps only one) are seen as well.
QMap<QString, QStringList> schluessel(const QString& pfad) {
    QFile f(pfad);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text)) << pfad.toStdString();
    QMap<QString, QStringList> inhalt;
    QString abschnitt;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString zeile = in.readLine().trimmed();
        if (zeile.isEmpty() || zeile.startsWith(';') || zeile.startsWith('#')) continue;
        if (zeile.startsWith('[') && zeile.endsWith(']')) {
            abschnitt = zeile.mid(1, zeile.size() - 2);
            inhalt[abschnitt];
        } else if (zeile.contains('=')) {
            inhalt[abschnitt] << zeile.section('=', 0, 0).trimmed();
        } else {
            ADD_FAILURE() << pfad.toStdString()
                          << ": line is neither section nor key: " << zeile.toStdString();
        }
    }
    return inhalt;
}

TEST(Labeldateien, BothLanguagesNameTheSameSectionsAndKeysOnce) {
    const QString deutsch = labeldatei("Label_d.ini");
    const QString englisch = labeldatei("Label_e.ini");
    const QMap<QString, QStringList> d = schluessel(deutsch);
    const QMap<QString, QStringList> e = schluessel(englisch);
    ASSERT_FALSE(d.isEmpty());
    EXPECT_EQ(d.keys(), e.keys()) << "sections";

    // Every key of one file is given once, with a text, and exists in the other file.
    const auto pruefen = [](const QMap<QString, QStringList>& keys, const QString& eigene,
                            const QString& andere) {
        const IniDatei eigen(eigene);
        const IniDatei anders(andere);
        for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
            QStringList gesehen;
            for (const QString& key : it.value()) {
                SCOPED_TRACE(eigene.section('/', -1).toStdString() + " [" + it.key().toStdString() +
                             "] " + key.toStdString());
                EXPECT_FALSE(gesehen.contains(key, Qt::CaseInsensitive)) << "key given twice";
                gesehen << key;
                EXPECT_FALSE(eigen.text(it.key(), key).trimmed().isEmpty()) << "empty text";
                EXPECT_TRUE(anders.vorhanden(it.key(), key)) << "missing in the other file";
            }
        }
    };
    pruefen(d, deutsch, englisch);
    pruefen(e, englisch, deutsch);
}

} // namespace
