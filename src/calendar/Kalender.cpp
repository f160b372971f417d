#include "calendar/Kalender.h"

#include "calendar/KalenderdatenLesen.h"
#include "calendar/LaufzeitenBerechnen.h"

Kalender::Kalender(QSqlDatabase db)
    : db_(db)
    , daten_(KalenderdatenLesen(db))
    , tabelle_(db) {}

void Kalender::neuLaden() {
    daten_ = KalenderdatenLesen(db_);
}

bool Kalender::LaufzeitenErmitteln(Laufzeiten& ziel, std::string_view produkt, double laufzeit,
                                   std::string_view lzb, Datum berechnungsdatum) {
    const bool bekannt =
        LaufzeitenBerechnen(ziel, produkt, laufzeit, lzb, berechnungsdatum, daten_);
    tabelle_.eintragen(ohneRandleerzeichen(lzb), laufzeit, ziel, berechnungsdatum);
    return bekannt;
}
