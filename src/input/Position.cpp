#include "input/Position.h"

#include "store/Sql.h"

#include <variant>
#include <vector>

namespace {

using Feld =
    std::variant<QString Position::*, double Position::*, int Position::*, QDate Position::*>;

const std::vector<std::pair<QString, Feld>>& feldtabelle() {
    static const std::vector<std::pair<QString, Feld>> tabelle = {
        {"LfdNr", &Position::LfdNr},
        {"Typ", &Position::Typ},
        {"EAIBXZ", &Position::EAIBXZ},
        {"Produkte", &Position::Produkte},
        {"Prod_Bezeichnung", &Position::Prod_Bezeichnung},
        {"MarginGruppe", &Position::MarginGruppe},
        {"MarginKlasse", &Position::MarginKlasse},
        {"O_F", &Position::O_F},
        {"LS", &Position::LS},
        {"ProduktArt", &Position::ProduktArt},
        {"Laufzeit", &Position::Laufzeit},
        {"Laufzeit_Tage", &Position::Laufzeit_Tage},
        {"Laufzeit_Tage_2", &Position::Laufzeit_Tage_2},
        {"Laufzeit_Tage_3", &Position::Laufzeit_Tage_3},
        {"LaufzeitIndex", &Position::LaufzeitIndex},
        {"letzterHT", &Position::letzterHT},
        {"Basispreis", &Position::Basispreis},
        {"Anzahl", &Position::Anzahl},
        {"TradePrice", &Position::TradePrice},
        {"AktuellerPreis", &Position::AktuellerPreis},
        {"ImplVola", &Position::ImplVola},
        {"Handelstag", &Position::Handelstag},
        {"SettlementDays", &Position::SettlementDays},
        {"BruttoNetto", &Position::BruttoNetto},
        {"Stueckzinsen", &Position::Stueckzinsen},
        {"Betrag", &Position::Betrag},
        {"OffenePositionen", &Position::OffenePositionen},
    };
    return tabelle;
}

const Feld* feld(const QString& name) {
    for (const auto& [n, f] : feldtabelle())
        if (n.compare(name, Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

} // namespace

const QStringList& Position::felder() {
    static const QStringList namen = [] {
        QStringList n;
        for (const auto& eintrag : feldtabelle()) n << eintrag.first;
        return n;
    }();
    return namen;
}

QVariant Position::wert(const QString& name) const {
    const Feld* f = feld(name);
    if (!f) return {};
    return std::visit(
        [this](auto zeiger) -> QVariant {
            using T = std::decay_t<decltype(this->*zeiger)>;
            if constexpr (std::is_same_v<T, QDate>)
                return Sql::datum(this->*zeiger);
            else
                return QVariant::fromValue(this->*zeiger);
        },
        *f);
}

// Numbers accept an empty value as 0, as an empty cell of the table does.
bool Position::setzen(const QString& name, const QVariant& wert) {
    const Feld* f = feld(name);
    if (!f) return false;
    return std::visit(
        [this, &wert](auto zeiger) -> bool {
            using T = std::decay_t<decltype(this->*zeiger)>;
            if constexpr (std::is_same_v<T, QString>) {
                this->*zeiger = wert.toString();
                return true;
            } else if constexpr (std::is_same_v<T, QDate>) {
                this->*zeiger = Sql::datumAus(wert);
                return true;
            } else {
                if (wert.isNull() || wert.toString().trimmed().isEmpty()) {
                    this->*zeiger = 0;
                    return true;
                }
                bool ok = false;
                const double zahl = wert.toDouble(&ok);
                if (!ok) return false;
                this->*zeiger = static_cast<T>(zahl);
                return true;
            }
        },
        *f);
}
