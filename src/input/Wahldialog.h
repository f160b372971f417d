#pragma once

#include "shell/Beschriftbar.h"

#include <QDialog>
#include <vector>

class QLabel;

// A modal question that stays on top and ends with the value of the button
// the user chose. Its texts come from one section of the label file.
class Wahldialog : public QDialog, public Beschriftbar {
    Q_OBJECT
public:
    struct Knopf {
        QString schluessel; // label key
        QString text;       // built-in text
        int wert;           // the dialog's result
    };
    struct Text {
        QString schluessel;
        QString text;
    };

    Wahldialog(QWidget* eltern, QString sektion, QString titel, std::vector<Text> texte,
               std::vector<Knopf> knoepfe);
    void Beschriften() override;

private:
    QString sektion_;
    QString titel_;
    std::vector<std::pair<Text, QLabel*>> texte_;
    std::vector<std::pair<Knopf, class QPushButton*>> knoepfe_;
};
