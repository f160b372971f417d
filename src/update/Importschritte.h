#pragma once

#include "update/Updatedatei.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct Updateumgebung;

// The steps every import shares: reading its file, starting the error log, reporting the lines
// that did not fit and the progress.
namespace Importschritte {

// Tells the windows which file is read and reads it; nothing when it cannot be read.
std::optional<QStringList> Datei_Lesen(Updateumgebung& u, const QString& pfad);

// Empties the error log unless the surrounding update keeps one log for all its files.
void Protokoll_Beginnen(Updateumgebung& u);

// One error log row per line that did not fit, naming the file and the line.
void Zeilenfehler_Protokollieren(Updateumgebung& u, const QString& pfad,
                                 const std::vector<Zeilenfehler>& fehler);

// Refuses a file that cannot be read or of which no line fitted: the error log names its lines,
// message 92 (or the given special message with the path) says that nothing was changed.
// Always false, the result of the refused import.
bool Datei_Abweisen(Updateumgebung& u, const QString& pfad,
                    const std::vector<Zeilenfehler>& fehler = {}, int spezialfehler = 0);

// Every tenth step moves the bar and, with a status number, shows "status i of n".
void Schritt_Melden(Updateumgebung& u, qint64 i, qint64 n, int status = 0);

} // namespace Importschritte
