#pragma once

#include "shell/Zellbezug.h"

#include <QDate>
#include <QString>
#include <map>
#include <optional>
#include <vector>

// A workbook held in memory with the operations every export and import
// uses: sheets in order, cells addressed by name, number formats, bold areas,
// fitted columns. It is written as an .xlsx file (or the first sheet as
// .csv) and read from .xlsx and .csv files (";" or "," separated).
class Arbeitsmappe {
public:
    struct Zelle {
        enum class Art { Leer, Text, Zahl, Datum };
        Art art = Art::Leer;
        QString text;
        double zahl = 0;
        QDate datum;
        QString zahlenformat;
        bool fett = false;

        static Zelle alsText(const QString& text);
        static Zelle alsZahl(double zahl);
        static Zelle alsDatum(const QDate& datum);
    };

    struct Blatt {
        QString name;
        std::map<Zellbezug, Zelle> zellen;
        std::map<int, double> spaltenbreiten; // in characters
    };

    // A new workbook with one empty, active sheet.
    Arbeitsmappe();

    // A new sheet in front of the active one; it becomes the active sheet.
    void blattHinzufuegen();
    void blattBenennen(const QString& name);
    void aktivieren(int index);
    int aktivesBlatt() const { return aktiv_; }
    const std::vector<Blatt>& blaetter() const { return blaetter_; }

    void schreiben(const QString& zelle, const QString& text);
    void schreiben(const QString& zelle, double zahl);
    void schreibenDatum(const QString& zelle, const QDate& datum);
    // An empty cell reads as Leer.
    Zelle lesen(const QString& zelle) const;

    void zahlenformat(const QString& bereich, const QString& format);
    void fett(const QString& bereich);
    void spaltenAnpassen(const QString& bereich);

    // Writes .xlsx, or the active sheet as .csv (";" separated) when the
    // name ends in .csv. False with a reason when the file cannot be written.
    bool speichern(const QString& pfad, QString* fehler = nullptr) const;
    // Reads an .xlsx workbook or a .csv grid; the first sheet is active.
    static std::optional<Arbeitsmappe> laden(const QString& pfad, QString* fehler = nullptr);

private:
    Zelle& zelle(const QString& name);
    void inhaltSetzen(const QString& name, const Zelle& inhalt);
    template <class F> void imBereich(const QString& bereich, F&& f);

    std::vector<Blatt> blaetter_;
    int aktiv_ = 0;
};
