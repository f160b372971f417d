#include "input/Eingabedelegate.h"

#include "input/Eingabelogik.h"
#include "input/Eingabemodell.h"
#include "input/Produkttypen.h"
#include "shell/IniDatei.h"
#include "shell/Programm.h"

#include <QComboBox>
#include <QLineEdit>

Eingabedelegate::Eingabedelegate(Eingabelogik& logik, QObject* parent)
    : QStyledItemDelegate(parent)
    , logik_(logik) {}

Eingabedelegate::Auswahl Eingabedelegate::auswahl(const QString& feld) const {
    if (feld == "Typ") return {Produkttypen::texte(), 20};
    if (feld == "Prod_Neu") return {logik_.produktliste(), 15};
    if (feld == "Laufzeit") return {logik_.laufzeitAuswahl(), 14};
    if (feld == "LS") return {{"Long", "Short"}, 2, true};
    if (feld == "ProduktArt") return {{"Call", "Put"}, 2, true};
    if (feld == "BruttoNetto") {
        const IniDatei l(Programm::instanz().labeldatei);
        return {{l.text("Eingabe-Tabelle", "TAB_BruttoNetto_PL_1", "BRUTTO"),
                 l.text("Eingabe-Tabelle", "TAB_BruttoNetto_PL_2", "NETTO")},
                2};
    }
    return {};
}

QWidget* Eingabedelegate::createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    const auto* modell = qobject_cast<const Eingabemodell*>(index.model());
    const QString feld = modell ? modell->feld(index.column()) : QString();
    const Auswahl a = auswahl(feld);
    if (a.eintraege.isEmpty() && a.zeilen == 0)
        return QStyledItemDelegate::createEditor(eltern, option, index);
    auto* box = new QComboBox(eltern);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(a.eintraege);
    box->setMaxVisibleItems(a.zeilen);
    box->setObjectName("Auswahl_" + feld);
    return box;
}

void Eingabedelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* box = qobject_cast<QComboBox*>(editor);
    if (!box) return QStyledItemDelegate::setEditorData(editor, index);
    const QString wert = index.data(Qt::EditRole).toString().trimmed();
    int treffer = box->findText(wert);
    for (int i = 0; treffer < 0 && !wert.isEmpty() && i < box->count(); ++i)
        if (box->itemText(i).startsWith(wert, Qt::CaseInsensitive) && wert.size() == 1) treffer = i;
    box->setCurrentIndex(treffer);
    if (treffer < 0) box->setEditText(wert);
}

void Eingabedelegate::setModelData(QWidget* editor, QAbstractItemModel* modell,
                                   const QModelIndex& index) const {
    auto* box = qobject_cast<QComboBox*>(editor);
    if (!box) return QStyledItemDelegate::setModelData(editor, modell, index);
    const auto* m = qobject_cast<const Eingabemodell*>(modell);
    QString text = box->currentText();
    if (m && auswahl(m->feld(index.column())).nurErsterBuchstabe)
        text = text.trimmed().left(1).toUpper();
    modell->setData(index, text, Qt::EditRole);
}
