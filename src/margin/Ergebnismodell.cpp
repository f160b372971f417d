#include "margin/Ergebnismodell.h"

#include "store/Datenbank.h"

#include <QLocale>
#include <QSqlQuery>

const QStringList& Ergebnismodell::felder() {
    static const QStringList f = {"MarginGruppe",
                                  "MarginKlasse",
                                  "MK_neu",
                                  "PremiumMargin",
                                  "CurrentLiquidatingMargin",
                                  "FutureSpreadMargin",
                                  "AdditionalMargin_Gruppe",
                                  "TotalMargin_Gruppe"};
    return f;
}

void Ergebnismodell::laden() {
    setQuery(QSqlQuery("SELECT " + felder().join(", ") + " FROM Ausgabe1 ORDER BY LfdNr",
                       Datenbank::verbindung()));
    while (canFetchMore()) fetchMore();
}

QVariant Ergebnismodell::data(const QModelIndex& index, int role) const {
    const bool betrag = index.column() >= 3;
    if (role == Qt::TextAlignmentRole && betrag) return int(Qt::AlignRight | Qt::AlignVCenter);
    const QVariant wert = QSqlQueryModel::data(index, role);
    if (role != Qt::DisplayRole || !betrag || wert.isNull()) return wert;
    return QLocale().toString(wert.toDouble(), 'f', 1);
}
