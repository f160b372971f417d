#include "shell/ArbeitsmappeDateien.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QXmlStreamReader>
#include <zip.h>

namespace ArbeitsmappeDateien {
namespace {

using Zelle = Arbeitsmappe::Zelle;

// A workbook part larger than this is refused rather than unpacked: a
// damaged or hostile file must not exhaust the memory.
constexpr zip_uint64_t kGroessterTeil = 256u * 1024 * 1024;

class Zip {
public:
    explicit Zip(const QString& pfad) {
        int fehler = 0;
        archiv_ = zip_open(QFile::encodeName(pfad).constData(), ZIP_RDONLY, &fehler);
    }
    ~Zip() {
        if (archiv_) zip_discard(archiv_);
    }
    Zip(const Zip&) = delete;
    Zip& operator=(const Zip&) = delete;
    bool offen() const { return archiv_ != nullptr; }

    // The part's bytes; empty when it is missing or unreadable.
    QByteArray teil(const QString& name) const {
        zip_stat_t info;
        const QByteArray n = name.toUtf8();
        if (zip_stat(archiv_, n.constData(), ZIP_FL_NOCASE, &info) != 0 ||
            !(info.valid & ZIP_STAT_SIZE) || info.size > kGroessterTeil)
            return {};
        zip_file_t* datei = zip_fopen(archiv_, n.constData(), ZIP_FL_NOCASE);
        if (!datei) return {};
        QByteArray daten(static_cast<qsizetype>(info.size), '\0');
        const zip_int64_t gelesen = zip_fread(datei, daten.data(), info.size);
        zip_fclose(datei);
        return gelesen == static_cast<zip_int64_t>(info.size) ? daten : QByteArray();
    }

private:
    zip_t* archiv_ = nullptr;
};

struct Blattverweis {
    QString name;
    QString ziel;
};

QString zielpfad(const QString& ziel) {
    if (ziel.startsWith('/')) return ziel.mid(1);
    return ziel.startsWith("xl/") ? ziel : "xl/" + ziel;
}

std::vector<Blattverweis> blattverweise(const Zip& zip, bool& datum1904) {
    QHash<QString, QString> ziele;
    QXmlStreamReader rels(zip.teil("xl/_rels/workbook.xml.rels"));
    while (!rels.atEnd())
        if (rels.readNext() == QXmlStreamReader::StartElement && rels.name() == u"Relationship")
            ziele.insert(rels.attributes().value("Id").toString(),
                         rels.attributes().value("Target").toString());
    std::vector<Blattverweis> blaetter;
    QXmlStreamReader mappe(zip.teil("xl/workbook.xml"));
    while (!mappe.atEnd()) {
        if (mappe.readNext() != QXmlStreamReader::StartElement) continue;
        if (mappe.name() == u"workbookPr")
            datum1904 = mappe.attributes().value("date1904") == u"1" ||
                        mappe.attributes().value("date1904") == u"true";
        if (mappe.name() != u"sheet") continue;
        QString id;
        for (const auto& a : mappe.attributes())
            if (a.name() == u"id") id = a.value().toString();
        if (ziele.contains(id))
            blaetter.push_back({mappe.attributes().value("name").toString(), zielpfad(ziele[id])});
    }
    return blaetter;
}

std::vector<QString> gemeinsameTexte(const Zip& zip) {
    std::vector<QString> texte;
    QXmlStreamReader xml(zip.teil("xl/sharedStrings.xml"));
    QString aktuell;
    bool lautschrift = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (xml.name() == u"si") aktuell.clear();
            if (xml.name() == u"rPh") lautschrift = true;
            if (xml.name() == u"t" && !lautschrift) aktuell += xml.readElementText();
            break;
        case QXmlStreamReader::EndElement:
            if (xml.name() == u"rPh") lautschrift = false;
            if (xml.name() == u"si") texte.push_back(aktuell);
            break;
        default:
            break;
        }
    }
    return texte;
}

// A number format shows a date when it has day, month or year codes outside
// quoted text and brackets (and is not the text format "@").
bool istDatumsformat(const QString& code) {
    bool inAnfuehrung = false;
    int klammer = 0;
    for (const QChar c : code) {
        if (c == '"')
            inAnfuehrung = !inAnfuehrung;
        else if (!inAnfuehrung && c == '[')
            ++klammer;
        else if (!inAnfuehrung && c == ']')
            --klammer;
        else if (!inAnfuehrung && klammer == 0 && QString("dDmMyY").contains(c))
            return true;
    }
    return false;
}

// The style indexes whose number format is a date.
QSet<int> datumsstile(const Zip& zip) {
    QHash<int, QString> eigene;
    QSet<int> stile;
    QXmlStreamReader xml(zip.teil("xl/styles.xml"));
    bool inZellformaten = false;
    int index = 0;
    while (!xml.atEnd()) {
        const auto art = xml.readNext();
        if (art == QXmlStreamReader::EndElement && xml.name() == u"cellXfs") inZellformaten = false;
        if (art != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        if (xml.name() == u"numFmt")
            eigene.insert(a.value("numFmtId").toInt(), a.value("formatCode").toString());
        if (xml.name() == u"cellXfs") inZellformaten = true;
        if (xml.name() == u"xf" && inZellformaten) {
            const int format = a.value("numFmtId").toInt();
            const bool eingebautesDatum =
                (format >= 14 && format <= 22) || (format >= 45 && format <= 47);
            if (eingebautesDatum || (eigene.contains(format) && istDatumsformat(eigene[format])))
                stile.insert(index);
            ++index;
        }
    }
    return stile;
}

QDate ausSeriennummer(double wert, bool datum1904) {
    if (wert < 0 || wert > 2958465) return {};
    return (datum1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30)).addDays(static_cast<qint64>(wert));
}

struct Lesekontext {
    const std::vector<QString>& texte;
    const QSet<int>& datumsstile;
    bool datum1904;
};

Zelle zelleAus(const QString& typ, int stil, const QString& wert, const QString& inline_,
               const Lesekontext& k) {
    if (typ == "s") {
        const int i = wert.toInt();
        return i >= 0 && i < static_cast<int>(k.texte.size())
                   ? Zelle::alsText(k.texte[static_cast<size_t>(i)])
                   : Zelle{};
    }
    if (typ == "inlineStr") return Zelle::alsText(inline_);
    if (typ == "str" || typ == "e") return Zelle::alsText(wert);
    if (typ == "d") {
        const QDate d = QDate::fromString(wert.left(10), Qt::ISODate);
        return d.isValid() ? Zelle::alsDatum(d) : Zelle::alsText(wert);
    }
    bool ok = false;
    const double zahl = wert.toDouble(&ok);
    if (!ok) return Zelle::alsText(wert);
    if (k.datumsstile.contains(stil)) {
        const QDate d = ausSeriennummer(zahl, k.datum1904);
        if (d.isValid()) return Zelle::alsDatum(d);
    }
    return Zelle::alsZahl(zahl);
}

void zelleLesen(QXmlStreamReader& xml, Arbeitsmappe::Blatt& blatt, const Lesekontext& k) {
    const auto bezug = Zellbezug::aus(xml.attributes().value("r").toString());
    const QString typ = xml.attributes().value("t").toString();
    const int stil = xml.attributes().value("s").toInt();
    QString wert;
    QString inlineText;
    while (!xml.atEnd() && !(xml.isEndElement() && xml.name() == u"c")) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"v")
            wert = xml.readElementText();
        else if (xml.name() == u"t")
            inlineText += xml.readElementText();
    }
    if (!bezug) return;
    Zelle z = zelleAus(typ, stil, wert, inlineText, k);
    if (z.art != Zelle::Art::Leer) blatt.zellen[*bezug] = z;
}

} // namespace

std::optional<std::vector<Arbeitsmappe::Blatt>> xlsxLesen(const QString& pfad, QString* fehler) {
    const Zip zip(pfad);
    bool datum1904 = false;
    const auto verweise = zip.offen() ? blattverweise(zip, datum1904) : std::vector<Blattverweis>{};
    if (verweise.empty()) {
        if (fehler) *fehler = pfad;
        return std::nullopt;
    }
    const auto texte = gemeinsameTexte(zip);
    const auto stile = datumsstile(zip);
    const Lesekontext kontext{texte, stile, datum1904};
    std::vector<Arbeitsmappe::Blatt> blaetter;
    for (const Blattverweis& v : verweise) {
        Arbeitsmappe::Blatt blatt{v.name, {}, {}};
        QXmlStreamReader xml(zip.teil(v.ziel));
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"c")
                zelleLesen(xml, blatt, kontext);
        if (xml.hasError() && xml.error() != QXmlStreamReader::PrematureEndOfDocumentError &&
            blatt.zellen.empty() && fehler)
            *fehler = pfad + ": " + xml.errorString();
        blaetter.push_back(std::move(blatt));
    }
    return blaetter;
}

} // namespace ArbeitsmappeDateien
