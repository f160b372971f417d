#include "shell/MeldungsDialoge.h"

#include "shell/IniDatei.h"
#include "shell/Programm.h"

#include <QPushButton>

#include <QApplication>
#include <QMessageBox>

bool MeldungsDialoge::anzeigen(const Meldung& meldung) {
    const QString titel = QApplication::applicationName();
    if (meldung.jaNein)
        return QMessageBox::question(eltern_, titel, meldung.text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    switch (meldung.art) {
    case MeldungsArt::Fehler:
        QMessageBox::critical(eltern_, titel, meldung.text);
        break;
    case MeldungsArt::Information:
        QMessageBox::information(eltern_, titel, meldung.text);
        break;
    default:
        QMessageBox::warning(eltern_, titel, meldung.text);
        break;
    }
    return true;
}

namespace {

// A question with the buttons of a choice dialog; returns the chosen button's value.
int waehlen(QWidget* eltern, const QString& sektion, const QString& titel, const QString& text,
            const std::vector<std::pair<QString, int>>& knoepfe) {
    const IniDatei l(Programm::instanz().labeldatei);
    QMessageBox box(QMessageBox::Question, l.text(sektion, "L0", titel), text,
                    QMessageBox::NoButton, eltern);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    std::vector<std::pair<QAbstractButton*, int>> werte;
    for (const auto& [schluessel, wert] : knoepfe)
        werte.emplace_back(box.addButton(l.text(sektion, schluessel.section('|', 0, 0),
                                                schluessel.section('|', 1)),
                                         QMessageBox::AcceptRole),
                           wert);
    box.exec();
    for (const auto& [knopf, wert] : werte)
        if (box.clickedButton() == knopf) return wert;
    return werte.front().second;
}

} // namespace

int MeldungsDialoge::Datumsaenderung_Waehlen() {
    const IniDatei l(Programm::instanz().labeldatei);
    return waehlen(eltern_, "aend_datum", "Datumsänderung",
                   l.text("aend_datum", "Label1",
                          "Futures- und Optionspositionen, die inzwischen verfallen sind, werden "
                          "gelöscht; Aktien- und Anleihepositionen mit einem Handelstag nach dem "
                          "neuen Berechnungsdatum werden entfernt."),
                   {{"BT1|Datum nicht ändern", 0},
                    {"BT2|neue Implizite Volatilität berechnen", 1},
                    {"BT3|neue Optionspreise berechnen", 2},
                    {"BT4|Keine Optionspositionen vorhanden", 2}});
}

int MeldungsDialoge::Preisaenderung_Waehlen() {
    const IniDatei l(Programm::instanz().labeldatei);
    return waehlen(
        eltern_, "aend_kurs", "Änderung des Preises des Basiswerts",
        l.text("aend_kurs", "Label1",
               "Für alle Optionspositionen können neue Optionspreise aus den "
               "berechneten impliziten Volatilitäten oder neue implizite "
               "Volatilitäten zu den eingegebenen Optionspreisen berechnet werden."),
        {{"BT2|Implizite Volatilitäten berechnen ", 1}, {"BT3|Optionspreise berechnen", 2}});
}
