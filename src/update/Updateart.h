#pragma once

#include <QString>
#include <optional>

// The kinds of update file the exchange publishes.
enum class Updateart { Database, Derivate, Aktien, VolaShifts, FPPARA };

// The kind named by its keyword, without regard to case.
std::optional<Updateart> Updateart_Aus(QStringView wort);
QString Updateart_Wort(Updateart art);

// The file name of a kind for the exchange date text (YYYYMMDD). The product file carries no
// date; its name depends on the database: all products in "Quilm.abs", derivatives elsewhere.
QString Updatedateiname(Updateart art, const QString& datumstext, const QString& datenbankdatei);
