#include "calendar/Kalenderdaten.h"

#include <algorithm>

const std::vector<Amperotermin>& Kalenderdaten::amperoVon(std::string_view produkt) const {
    static const std::vector<Amperotermin> kKeine;
    const auto it = ampero.find(grossgeschrieben(produkt));
    return it == ampero.end() ? kKeine : it->second;
}

std::string grossgeschrieben(std::string_view text) {
    std::string gross(text);
    std::transform(gross.begin(), gross.end(), gross.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return gross;
}
