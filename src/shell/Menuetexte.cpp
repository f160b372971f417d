#include "shell/Menuetexte.h"

#include <QHash>

QString eingebauterMenuetext(const QString& schluessel) {
    static const QHash<QString, QString> texte = {
        {"L_1", "Datei"},
        {"L_1_1", "Neu"},
        {"L_1_2", "Öffnen"},
        {"L_1_3", "Speichern"},
        {"L_1_5", "Daten-Import aus Exel"},
        {"L_1_6", "Daten-Export in Exel"},
        {"L_1_11", "Beenden"},
        {"L_2", "Einstellungen"},
        {"L_2_1", "Produkte"},
        {"L_2_2", "Margin-Klasse"},
        {"L_2_3", "Margin-Gruppe"},
        {"L_2_12", "Update"},
        {"L_2_5", "Zins"},
        {"L_2_6", "Währung"},
        {"L_2_7", "Feiertage"},
        {"L_2_9", "Sprache"},
        {"L_2_9_1", "deutsch"},
        {"L_2_9_2", "englisch"},
        {"L_2_11", "Eingabetabellenposition speichern"},
        {"Export1", "Pemby's- Datenbank - Export"},
        {"L_3", "Hilfe"},
        {"L_3_1", "Inhalt"},
        {"L_3_3", "Info ..."},
        {"L_3_4", "Guided Tour"},
    };
    return texte.value(schluessel);
}
