#pragma once

#include "calendar/Datum.h"

#include <QSqlDatabase>

struct Kalenderdaten;

// The demo files are written once; the dates in them that decide which contracts are alive
// move with the day the database is built on.
namespace Demodatierung {

// Each dividend date moves to the next occurrence of its day and month after the reference
// date, written as the installation enters dates.
void Dividendentermine_Verschieben(const QSqlDatabase& db, Datum stichtag);

// A weather contract expires in June three years after its launch year: launched two years
// before the reference year, it stays ahead of the reference date.
void Wetterkontrakte_Verschieben(const QSqlDatabase& db, Datum stichtag);

// The risk factor rows of each class, in LZIndex order, take the contract months tradable on
// the reference date of the class's first product margined per maturity (futures before
// options); rows beyond its last contract go.
void Risikofaktoren_Datieren(const QSqlDatabase& db, Datum stichtag, const Kalenderdaten& daten);

} // namespace Demodatierung
