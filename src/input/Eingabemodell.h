#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class Eingabelogik;

// The position grid's model: the rows of the input in memory, one column per
// configured field. Edits go to the input's change dispatch; the row is then
// shown again as the dispatch completed it.
class Eingabemodell : public QAbstractTableModel {
    Q_OBJECT
public:
    Eingabemodell(Eingabelogik& logik, QStringList felder, QObject* parent = nullptr);

    static const QStringList& standardfelder();
    static bool istBerechnet(const QString& feld);

    const QStringList& felder() const { return felder_; }
    QString feld(int spalte) const { return felder_.value(spalte); }
    int spalteVon(const QString& feld) const { return static_cast<int>(felder_.lastIndexOf(feld)); }
    void titelSetzen(const QString& feld, const QString& titel);

    int rowCount(const QModelIndex& = {}) const override;
    int columnCount(const QModelIndex& = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int abschnitt, Qt::Orientation o, int role) const override;

    // The rows changed underneath (validation, date change, import): show them anew.
    void neuLaden();
    void zeileAktualisieren(int zeile);

signals:
    // The dispatch ran for this row and field.
    void feldUebernommen(int zeile, const QString& feld);

private:
    QVariant anzeige(int zeile, const QString& feld) const;

    Eingabelogik& logik_;
    QStringList felder_;
    QHash<QString, QString> titel_;
};
