#include "shell/ArbeitsmappeDateien.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <xlsxwriter.h>

namespace ArbeitsmappeDateien {
namespace {

using Zelle = Arbeitsmappe::Zelle;

// Dates need a date format to show as dates; one format object serves every
// cell with the same look.
class Formate {
public:
    explicit Formate(lxw_workbook* mappe)
        : mappe_(mappe) {}

    lxw_format* fuer(const Zelle& z) {
        QString format = z.zahlenformat;
        if (format.isEmpty() && z.art == Zelle::Art::Datum) format = "dd.mm.yyyy";
        if (format.isEmpty() && !z.fett) return nullptr;
        const QString schluessel = format + (z.fett ? "|fett" : "");
        if (lxw_format* f = formate_.value(schluessel)) return f;
        lxw_format* f = workbook_add_format(mappe_);
        if (!format.isEmpty()) format_set_num_format(f, format.toUtf8().constData());
        if (z.fett) format_set_bold(f);
        formate_.insert(schluessel, f);
        return f;
    }

private:
    lxw_workbook* mappe_;
    QHash<QString, lxw_format*> formate_;
};

// Sheet names may not hold these characters and are at most 31 long.
QString blattname(const QString& name, int index) {
    QString sauber = name;
    for (const QChar c : {'[', ']', ':', '*', '?', '/', '\\'}) sauber.replace(c, '_');
    sauber = sauber.left(31);
    return sauber.isEmpty() ? QString("Tabelle%1").arg(index + 1) : sauber;
}

lxw_error zelleSchreiben(lxw_worksheet* blatt, const Zellbezug& b, const Zelle& z, Formate& f) {
    lxw_format* format = f.fuer(z);
    switch (z.art) {
    case Zelle::Art::Leer:
        return format ? worksheet_write_blank(blatt, b.zeile, b.spalte, format) : LXW_NO_ERROR;
    case Zelle::Art::Text:
        return worksheet_write_string(blatt, b.zeile, b.spalte, z.text.toUtf8().constData(),
                                      format);
    case Zelle::Art::Zahl:
        return worksheet_write_number(blatt, b.zeile, b.spalte, z.zahl, format);
    case Zelle::Art::Datum: {
        lxw_datetime d{z.datum.year(), z.datum.month(), z.datum.day(), 0, 0, 0};
        return worksheet_write_datetime(blatt, b.zeile, b.spalte, &d, format);
    }
    }
    return LXW_NO_ERROR;
}

bool blattSchreiben(lxw_workbook* mappe, const Arbeitsmappe::Blatt& b, int index, Formate& f) {
    lxw_worksheet* blatt =
        workbook_add_worksheet(mappe, blattname(b.name, index).toUtf8().constData());
    if (!blatt) return false;
    for (const auto& [spalte, breite] : b.spaltenbreiten)
        worksheet_set_column(blatt, spalte, spalte, breite, nullptr);
    for (const auto& [bezug, zelle] : b.zellen)
        if (zelleSchreiben(blatt, bezug, zelle, f) != LXW_NO_ERROR) return false;
    return true;
}

} // namespace

// Written to a temporary file first and renamed at the end, so a failure
// never leaves half a workbook where the user expects the file.
bool xlsxSchreiben(const std::vector<Arbeitsmappe::Blatt>& blaetter, const QString& pfad,
                   QString* fehler) {
    const QString temporaer = pfad + ".schreiben";
    lxw_workbook* mappe = workbook_new(QFile::encodeName(temporaer).constData());
    if (!mappe) {
        if (fehler) *fehler = pfad;
        return false;
    }
    Formate formate(mappe);
    bool ok = true;
    for (int i = 0; ok && i < static_cast<int>(blaetter.size()); ++i)
        ok = blattSchreiben(mappe, blaetter[static_cast<size_t>(i)], i, formate);
    const lxw_error ergebnis = workbook_close(mappe);
    ok = ok && ergebnis == LXW_NO_ERROR;
    if (ok) {
        QFile::remove(pfad);
        ok = QFile::rename(temporaer, pfad);
    }
    if (!ok) {
        QFile::remove(temporaer);
        if (fehler) *fehler = pfad + (ergebnis ? QString(": ") + lxw_strerror(ergebnis) : "");
    }
    return ok;
}

} // namespace ArbeitsmappeDateien
