#include "input/Eingabemodell.h"

#include "input/Eingabelogik.h"

#include <QBrush>
#include <QColor>
#include <QLocale>

namespace {

// Display formats of the grid: decimals per field, thousands separators.
int nachkommastellen(const QString& feld) {
    if (feld == "TradePrice") return 4;
    if (feld == "ImplVola" || feld == "Basispreis" || feld == "Stueckzinsen" || feld == "Betrag")
        return 3;
    if (feld == "Akt_Preis_Neu" || feld == "AktuellerPreis") return 5;
    if (feld == "Anzahl") return 0;
    return -1;
}

QString zahlText(double wert, int stellen) {
    const QLocale l;
    return stellen == 5 ? l.toString(wert, 'f', 5).remove(l.groupSeparator())
                        : l.toString(wert, 'f', stellen);
}

} // namespace

Eingabemodell::Eingabemodell(Eingabelogik& logik, QStringList felder, QObject* parent)
    : QAbstractTableModel(parent)
    , logik_(logik)
    , felder_(std::move(felder)) {}

const QStringList& Eingabemodell::standardfelder() {
    static const QStringList felder = {
        "Typ",        "Prod_Neu",     "Prod_Bezeichnung", "Handelstag",   "SettlementDays",
        "Laufzeit",   "Basispreis",   "Anzahl",           "TradePrice",   "LS",
        "ProduktArt", "BruttoNetto",  "Stueckzinsen",     "Betrag",       "Laufzeit_Tage",
        "ImplVola",   "MarginKlasse", "MarginGruppe",     "Akt_Preis_Neu"};
    return felder;
}

bool Eingabemodell::istBerechnet(const QString& feld) {
    static const QStringList berechnet = {"ImplVola",      "Stueckzinsen",    "Betrag",
                                          "MarginKlasse",  "MarginGruppe",    "Laufzeit_Tage",
                                          "Akt_Preis_Neu", "Prod_Bezeichnung"};
    return berechnet.contains(feld);
}

void Eingabemodell::titelSetzen(const QString& feld, const QString& titel) {
    titel_.insert(feld, titel);
    const int spalte = spalteVon(feld);
    if (spalte >= 0) emit headerDataChanged(Qt::Horizontal, spalte, spalte);
}

int Eingabemodell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : logik_.tabelle().anzahl();
}

int Eingabemodell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(felder_.size());
}

QVariant Eingabemodell::anzeige(int zeile, const QString& feld) const {
    const Position& z = logik_.tabelle().zeile(zeile);
    const Produktsatz* p = logik_.produktVon(z);
    if (feld == "Prod_Neu") return p ? p->Produkt : QString();
    if (feld == "Akt_Preis_Neu") return p ? QVariant(p->AktPreis) : QVariant();
    return z.wert(feld);
}

QVariant Eingabemodell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const QString& feld = felder_[index.column()];
    if (role == Qt::BackgroundRole && istBerechnet(feld)) return QBrush(QColor(226, 226, 226));
    if (role == Qt::TextAlignmentRole && nachkommastellen(feld) >= 0)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    const QVariant wert = anzeige(index.row(), feld);
    const int stellen = nachkommastellen(feld);
    if (stellen < 0 || wert.isNull()) return wert;
    if (role == Qt::EditRole) return wert.toDouble() == 0 ? QVariant(QString()) : wert;
    return zahlText(wert.toDouble(), stellen);
}

bool Eingabemodell::setData(const QModelIndex& index, const QVariant& wert, int role) {
    if (role != Qt::EditRole || !index.isValid()) return false;
    const QString& feld = felder_[index.column()];
    QVariant neu = wert;
    if (nachkommastellen(feld) >= 0 && wert.typeId() == QMetaType::QString) {
        bool ok = wert.toString().trimmed().isEmpty();
        double zahl = 0;
        if (!ok) zahl = QLocale().toDouble(wert.toString(), &ok);
        if (!ok) zahl = QLocale::c().toDouble(wert.toString(), &ok);
        if (!ok) return false;
        neu = zahl;
    }
    const bool angenommen = logik_.feldGeaendert(index.row(), feld, neu);
    zeileAktualisieren(index.row());
    if (angenommen) emit feldUebernommen(index.row(), feld);
    return angenommen;
}

Qt::ItemFlags Eingabemodell::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const QString& feld = felder_[index.column()];
    const bool editierbar =
        !istBerechnet(feld) && (feld == "Prod_Neu" || Position::felder().contains(feld));
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled |
           (editierbar ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

QVariant Eingabemodell::headerData(int abschnitt, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Vertical) return abschnitt + 1;
    const QString feld = felder_.value(abschnitt);
    return titel_.value(feld, feld);
}

void Eingabemodell::neuLaden() {
    beginResetModel();
    endResetModel();
}

void Eingabemodell::zeileAktualisieren(int zeile) {
    if (zeile >= 0 && zeile < rowCount())
        emit dataChanged(index(zeile, 0), index(zeile, columnCount() - 1));
}
