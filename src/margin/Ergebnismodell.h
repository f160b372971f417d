#pragma once

#include <QSqlQueryModel>

// The rows of Ausgabe1 as the results window shows them: the class rows and
// the account total, amounts with one decimal and thousands separators.
class Ergebnismodell : public QSqlQueryModel {
    Q_OBJECT
public:
    using QSqlQueryModel::QSqlQueryModel;
    static const QStringList& felder();
    void laden();
    QVariant data(const QModelIndex& index, int role) const override;
};
