#include "input/TAend_Kurs.h"

TAend_Kurs::TAend_Kurs(QWidget* eltern)
    : Wahldialog(
          eltern, "aend_kurs", "Änderung des Preises des Basiswerts",
          {{"Label1", "Sie haben den Preis des Basiswerts geändert."},
           {"Label3", "Für alle Optionspositionen können Sie neue Optionspreise aus den bereits "
                      "berechneten impliziten Volatilitäten berechnen,"},
           {"Label4", "oder neue implizite Volatilitäten berechnen und dabei die eingegebenen "
                      "Optionspreise beibehalten."}},
          {{"BT2", "Implizite Volatilitäten berechnen ", 1},
           {"BT3", "Optionspreise berechnen", 2}}) {
    setObjectName("aend_kurs");
}
