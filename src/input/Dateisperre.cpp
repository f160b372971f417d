#include "input/Dateisperre.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace Dateisperre {

bool inBenutzung(const QString& pfad) {
    const QFileInfo info(pfad);
    if (QFileInfo::exists(info.absolutePath() + "/.~lock." + info.fileName() + "#")) return true;
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool gesperrt = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    if (!gesperrt) ::flock(fd, LOCK_UN);
    ::close(fd);
    return gesperrt;
}

} // namespace Dateisperre
