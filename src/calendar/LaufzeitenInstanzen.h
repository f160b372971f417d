#pragma once

#include "calendar/Laufzeiten.h"

// The process-wide maturity lists (empty at start):
// - LaufzeitenEingabe: the product of the current position row, rebuilt whenever a row's
//   product is chosen or the row is revalidated;
// - LaufzeitenSpread: the product whose futures spread margin is being computed;
// - LaufzeitenAktuell: the product last shown in the maturity pick list (a copy of
//   LaufzeitenEingabe, or filled directly when rows are re-priced); the pricing services
//   read Monat from it.
inline Laufzeiten LaufzeitenEingabe;
inline Laufzeiten LaufzeitenSpread;
inline Laufzeiten LaufzeitenAktuell;
