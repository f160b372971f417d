#pragma once

#include <QString>
#include <QStringList>

struct Produktsatz;

// The product types of the position grid: the type pick list with its 13
// entries in fixed order, and the tests on type letters.
namespace Produkttypen {

inline constexpr int kEintraege = 13;

// The letter of pick list entry n; "Alle" for entry 0 (stored as "*").
QString buchstabe(int eintrag);
// The entry of a letter; 0 for "*", "Alle", "All" and the empty text; -1 for a
// letter outside the list.
int eintrag(const QString& buchstabe);
// The entry texts in the current language (label file).
QStringList texte();
// The letter of a row's type text: "Alle" for entry 0 or a text that is no
// entry. Texts of the other language are recognised too, so rows entered
// before a language switch keep their type.
QString TypBuchstabe(const QString& typText);

bool IstDerivatTyp(const QString& art);
bool istKassaTyp(const QString& art);
// Types whose price depends on the contract month: interest rates,
// commodities, inflation, volatility.
bool istSpotMonthTyp(const QString& art);
// The underlying price of such a product depends on the chosen maturity.
bool preisNachLaufzeit(const Produktsatz& p);
// "Alle", "All", "*" and the empty text all mean every type.
bool istAlle(const QString& filter);

} // namespace Produkttypen
