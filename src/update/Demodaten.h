#pragma once

#include <QDate>
#include <QString>

// The demo reference data set shipped in the folder "data" beside the program.
namespace Demodaten {

// Builds a new database file from the demo data in datenOrdner through the same imports as an
// update from the exchange's files: all products, or with nurDerivate the derivatives only
// (the files behind Quilm.abs and Quilm_Derivate.abs). Holidays, inflation expiry dates, the
// power calendar, dividend dates, the weather launch year and the risk factor months are set
// relative to stichtag, so that contracts are tradable for years from that day.
// The file appears only when complete; an existing file is never touched. Throws
// Demodatenfehler naming the file or step that failed.
void anlegen(const QString& dbPfad, bool nurDerivate, const QString& datenOrdner,
             const QDate& stichtag = QDate::currentDate());

// The folder of the demo data in a program directory.
QString ordner(const QString& programmverzeichnis);

} // namespace Demodaten
