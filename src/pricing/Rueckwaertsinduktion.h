#pragma once

#include "pricing/Binomialbaum.h"

// The backward induction of an American option on a recombining tree. The prices of the tree
// lie on 2·schritte + 1 levels; node (m, j), after j up-moves of m steps, lies on level
// 2j + schritte − m, and E holds the exercise value of each level. V holds the values of slice
// `schritte` and ends with the value today in V[0]:
//     V(m, j) = max(auf·V(m + 1, j + 1) + ab·V(m + 1, j), E[2j + schritte − m])
// with auf = p/R and ab = (1 − p)/R. The values of slices 2, 1 and 0 go into spitze when given.
void Rueckwaertsinduktion(Optionsart art, Knoten& V, const Knoten& E, int schritte, long double auf,
                          long double ab, Baumspitze* spitze);
