#include "shell/Zellbezug.h"

#include <QRegularExpression>

std::optional<Zellbezug> Zellbezug::aus(const QString& name) {
    static const QRegularExpression muster("^([A-Za-z]{1,3})([1-9][0-9]{0,6})$");
    const auto treffer = muster.match(name.trimmed());
    if (!treffer.hasMatch()) return std::nullopt;
    int spalte = 0;
    for (const QChar c : treffer.captured(1).toUpper())
        spalte = spalte * 26 + (c.unicode() - 'A' + 1);
    return Zellbezug{treffer.captured(2).toInt() - 1, spalte - 1};
}

QString Zellbezug::spaltenname(int spalte) {
    QString name;
    for (int n = spalte + 1; n > 0; n = (n - 1) / 26) name.prepend(QChar('A' + (n - 1) % 26));
    return name;
}

QString Zellbezug::name() const {
    return spaltenname(spalte) + QString::number(zeile + 1);
}

std::optional<Zellbereich> Zellbereich::aus(const QString& name) {
    const QStringList teile = name.split(':');
    if (teile.size() > 2) return std::nullopt;
    const auto von = Zellbezug::aus(teile.front());
    const auto bis = Zellbezug::aus(teile.back());
    if (!von || !bis) return std::nullopt;
    return Zellbereich{{std::min(von->zeile, bis->zeile), std::min(von->spalte, bis->spalte)},
                       {std::max(von->zeile, bis->zeile), std::max(von->spalte, bis->spalte)}};
}
