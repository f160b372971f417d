#include "calendar/Dateipfad.h"

std::string PfadVerbinden(std::string_view verzeichnis, std::string_view datei) {
    if (verzeichnis.empty()) return std::string(datei);
    if (verzeichnis.back() == '/') verzeichnis.remove_suffix(1);
    std::string pfad(verzeichnis);
    pfad += '/';
    pfad += datei;
    return pfad;
}
