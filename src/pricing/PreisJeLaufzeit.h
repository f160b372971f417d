#pragma once

#include "pricing/Preiskontext.h"

// The price of the underlying for maturity k of the context's product: the current price b by
// default, the product's maturity prices (Preis_Faelligkeit_k for k ≥ 1) for products priced
// per maturity, and the underlying price a for the later maturities of bond futures options.
// Serial options on three-month futures take the price of the quarter contract they expire
// into. The limits of k differ between the position input and the calculation.
double PreisJeLaufzeit(const Preiskontext& kontext, int k, double a, double b);
