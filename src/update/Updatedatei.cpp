#include "update/Updatedatei.h"

#include <QFile>
#include <QStringDecoder>

namespace {

QString alsText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

} // namespace

std::optional<QStringList> Updatedatei_Lesen(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError || bytes.contains('\0')) return std::nullopt;
    QStringList zeilen = alsText(bytes).split('\n');
    for (QString& z : zeilen)
        if (z.endsWith('\r')) z.chop(1);
    while (!zeilen.isEmpty() && zeilen.last().trimmed().isEmpty()) zeilen.removeLast();
    return zeilen;
}

bool istTextzeile(QStringView zeile) {
    for (const QChar c : zeile)
        if (c.category() == QChar::Other_Control && c != '\t') return false;
    return true;
}
