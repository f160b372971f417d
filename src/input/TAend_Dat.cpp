#include "input/TAend_Dat.h"

TAend_Dat::TAend_Dat(QWidget* eltern)
    : Wahldialog(
          eltern, "aend_datum", "Datumsänderung",
          {{"Label1", "Sie haben das Berechnungsdatum geändert."},
           {"Label2",
            "Positionen in Futures und Optionen, die inzwischen verfallen sind, werden gelöscht."},
           {"Label3",
            "Aktien- und Anleihepositionen, deren Handelstag nach dem neuen Berechnungsdatum "
            "liegt, werden entfernt."},
           {"Label4", "Für Ihre Optionspositionen können Sie wählen:"},
           {"Label5",
            "Neue implizite Volatilitäten aus den eingegebenen Optionspreisen berechnen, oder"},
           {"Label6", "neue Optionspreise aus den bisherigen impliziten Volatilitäten berechnen."}},
          {{"BT1", "Datum nicht ändern", 0},
           {"BT2", "neue Implizite Volatilität berechnen", 1},
           {"BT3", "neue Optionspreise berechnen", 2},
           {"BT4", "Keine Optionspositionen vorhanden", 2}}) {
    setObjectName("aend_dat");
}
