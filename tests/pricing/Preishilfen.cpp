#include "Preishilfen.h"

#include <sstream>

std::string beschreibung(std::string_view OPM, Optionsart art, const Optionsdaten& e) {
    std::ostringstream s;
    s << OPM << " " << name(art) << " T=" << static_cast<double>(e.Tage)
      << " r=" << static_cast<double>(e.Zins) << " v=" << static_cast<double>(e.Vola)
      << " K=" << static_cast<double>(e.Basis) << " S=" << static_cast<double>(e.Kurs)
      << " D=" << static_cast<double>(e.Dividende) << "@" << static_cast<double>(e.DivTage);
    return s.str();
}
