#pragma once

#include "input/Produkttypen.h"
#include "store/Referenzdaten.h"

namespace Margin {

// A product margined per maturity: each of its maturities is a class key of its own.
inline bool nachLaufzeitMarginiert(const Produktsatz& p) {
    return p.MATURITY_SWITCH.trimmed().compare("Y", Qt::CaseInsensitive) == 0;
}

// Power contracts: the contract size of the delivery period replaces the multiplier.
inline bool istStromkontrakt(const Produktsatz& p) {
    return p.Art.compare("R", Qt::CaseInsensitive) == 0 &&
           p.LZB.startsWith('V', Qt::CaseInsensitive);
}

} // namespace Margin
