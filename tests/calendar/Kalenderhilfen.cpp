#include "Kalenderhilfen.h"

#include <gtest/gtest.h>

Datum iso(std::string_view text) {
    const Datum d = Datum::ausIso(text);
    EXPECT_TRUE(d.gueltig()) << text;
    return d;
}

Feiertage feiertage(std::string_view tage) {
    std::vector<Datum> daten;
    for (std::size_t i = 0; i < tage.size(); i += 11) daten.push_back(iso(tage.substr(i, 10)));
    return Feiertage(daten);
}

std::string liste(const Laufzeiten& l) {
    std::string text;
    for (int i = 0; i < l.Anzahl; ++i) {
        const LaufzeitEintrag& e = l.Eintraege[static_cast<std::size_t>(i)];
        if (i > 0) text += ", ";
        text += e.VerfallMonatTxt + " " + e.VerfallDatum.iso();
    }
    return text;
}
