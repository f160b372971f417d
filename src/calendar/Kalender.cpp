#include "calendar/Kalender.h"

#include "calendar/KalenderdatenLesen.h"
#include "calendar/LaufzeitenBerechnen.h"

Kalender::Kalender(const QSqlDatabase& db)
    : verbindung_(db.connectionName())
    , daten_(KalenderdatenLesen(db))
    , tabelle_(verbindung_) {}

void Kalender::neuLaden() {
    daten_ = KalenderdatenLesen(QSqlDatabase::database(verbindung_, false));
}

bool Kalender::LaufzeitenErmitteln(Laufzeiten& ziel, std::string_view produkt, double laufzeit,
                                   std::string_view lzb, Datum berechnungsdatum) {
    const bool bekannt =
        LaufzeitenBerechnen(ziel, produkt, laufzeit, lzb, berechnungsdatum, daten_);
    tabelle_.eintragen(ohneRandleerzeichen(lzb), laufzeit, ziel, berechnungsdatum);
    return bekannt;
}
