#pragma once

#include <QStyledItemDelegate>

class Eingabelogik;

// The editors of the position grid: pick lists for type, product, maturity,
// long/short, call/put and gross/net; plain edits elsewhere.
class Eingabedelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    Eingabedelegate(Eingabelogik& logik, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modell,
                      const QModelIndex& index) const override;

    // The entries and visible rows of a field's pick list; empty when it has none.
    struct Auswahl {
        QStringList eintraege;
        int zeilen = 0;
        bool nurErsterBuchstabe = false; // "Long" stores "L"
    };
    Auswahl auswahl(const QString& feld) const;

private:
    Eingabelogik& logik_;
};
