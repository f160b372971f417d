#pragma once

#include "calendar/Kalenderdaten.h"

#include <QSqlDatabase>

// Reads what the maturity rules need from the open database, in one pass per table:
// Feiertage, Inflationsderivate_Termine, Ampero and the "J-Gruppe-A"/"J-Gruppe-B" lists of
// Konfigurationslisten. Throws DatenbankFehler.
Kalenderdaten KalenderdatenLesen(const QSqlDatabase& db);
Feiertage FeiertageLesen(const QSqlDatabase& db);
