#include "update/Updateart.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<Updateart, const char*>, 5> kWoerter = {{
    {Updateart::Database, "Database"},
    {Updateart::Derivate, "Derivate"},
    {Updateart::Aktien, "Aktien"},
    {Updateart::VolaShifts, "VolaShifts"},
    {Updateart::FPPARA, "FPPARA"},
}};

} // namespace

std::optional<Updateart> Updateart_Aus(QStringView wort) {
    for (const auto& [art, name] : kWoerter)
        if (wort.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return art;
    return std::nullopt;
}

QString Updateart_Wort(Updateart art) {
    for (const auto& [a, name] : kWoerter)
        if (a == art) return name;
    return {};
}

QString Updatedateiname(Updateart art, const QString& datumstext, const QString& datenbankdatei) {
    switch (art) {
    case Updateart::Database:
        return datenbankdatei.compare("Quilm.abs", Qt::CaseInsensitive) == 0
                   ? "update_produkte12.txt"
                   : "update_produkte_der12.txt";
    case Updateart::Derivate:
        return "mp" + datumstext + ".txt";
    case Updateart::Aktien:
        return "ms" + datumstext + ".txt";
    case Updateart::VolaShifts:
        return "ve" + datumstext + ".txt";
    case Updateart::FPPARA:
        return "pa" + datumstext + ".txt";
    }
    return {};
}
