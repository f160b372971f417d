#pragma once

#include "calendar/Datum.h"

#include <QSqlDatabase>
#include <QString>
#include <vector>

class Feiertage;
struct Tabellentext;

// The date-bound reference rows of the demo data, generated from a reference date so that a
// database built today lists tradable contracts for years.
namespace Demokalender {

struct Feiertag {
    Datum tag;
    QString beschreibung;
};

// The exchange's holidays from the reference year on, over the given number of years: New
// Year, Good Friday, Easter Monday, 1 May, 24 to 26 and 31 December, where they fall on a
// Monday to Friday (the exchange is closed on weekends anyway).
std::vector<Feiertag> Feiertage_Von(int jahr, int jahre);
Datum Ostersonntag(int jahr);

// A date as the installation enters and shows it: two-digit day, month and year in the order
// and with the separator of the date style.
QString Datumstext(Datum d);

// Writes the holidays into Feiertage, Datum as Datumstext.
void Feiertage_Anlegen(const QSqlDatabase& db, const std::vector<Feiertag>& feiertage);

// Expiry dates of the inflation derivatives from the year before the reference date on:
// futures on the second Friday of March, June, September and December, options in June and
// December, each moved back over holidays.
void Inflationstermine_Anlegen(const QSqlDatabase& db, Datum stichtag, const Feiertage& feiertage);

// The power futures calendar (Ampero) for the products the table names: one row per delivery
// period from the reference date on, with the trading window, last trading day and contract
// size of the period (24 MWh a day for base load, 12 MWh a working day for peak load).
void Stromkalender_Anlegen(const QSqlDatabase& db, const Tabellentext& produkte, Datum stichtag,
                           const Feiertage& feiertage);

} // namespace Demokalender
