#include "shell/Arbeitsmappenausgabe.h"

#include "shell/Arbeitsmappe.h"
#include "shell/Dialoge.h"
#include "shell/IniDatei.h"
#include "shell/Programm.h"

#include <QDesktopServices>
#include <QUrl>

bool arbeitsmappeAusgeben(const Arbeitsmappe& mappe, Dialoge& dialoge) {
    QString pfad = dialoge.Datei_Waehlen(true, "Excel (*.xlsx);;CSV (*.csv)");
    if (pfad.isEmpty()) return false;
    if (!pfad.endsWith(".xlsx", Qt::CaseInsensitive) && !pfad.endsWith(".csv", Qt::CaseInsensitive))
        pfad += ".xlsx";
    if (!mappe.speichern(pfad)) {
        dialoge.Fehlermeldung_Zeigen(73);
        return false;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(pfad)))
        dialoge.Hinweis_Zeigen(MeldungsArt::Information,
                               IniDatei(Programm::instanz().labeldatei)
                                       .text("Allgemein", "L_MappeGespeichert",
                                             "Die Arbeitsmappe wurde gespeichert:") +
                                   "\n" + pfad);
    return true;
}
