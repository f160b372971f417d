#pragma once

#include "margin/Berechnungsdaten.h"

#include <vector>

namespace Margin {

// The rows of Berechnung: the positions in the order by group, class, product, days to expiry,
// strike, gross/net and long/short (ties in table order), with the look-up values of their
// product and, for options and futures, the whole quantity open. Every later step that reads
// Berechnung without an order relies on this order.
std::vector<Berechnungszeile> BerechnungVorbereiten(const Berechnungsdaten& daten);

} // namespace Margin
