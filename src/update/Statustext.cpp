#include "update/Statustext.h"

#include <array>

namespace {

struct Text {
    const char* deutsch;
    const char* englisch;
};

// Texts 4 and 6 are followed by "i von n" (English "i of n").
constexpr std::array<Text, 14> kTexte = {{
    {"", ""},
    {"Update wird durchgeführt. Bitte warten.", "Update in progress. Please wait."},
    {"Lade Daten aus dem Internet", "Downloading data from the Internet"},
    {"Lade Aktien und Anleihen", "Downloading equities and bonds"},
    {"Aktualisiere Aktien und Anleihen ", "Update of equities and bonds  "},
    {"Lade Derivate", "Download of derivatives"},
    {"Aktualisiere Derivate ", "Update of derivatives "},
    {"Lade Produkte", "Downloading products"},
    {"Lade Dividenden", "Downloading dividends"},
    {"Lade VolaShifts aus dem Internet", "Downloading volashifts from the Internet"},
    {"Lade VolaShifts", "Downloading volashifts"},
    {"Aktualisiere VolaShifts", "Update of volashifts"},
    {"Lade FPPARA", "Downloading FPPARA"},
    {"Aktualisiere FPPARA", "Update of FPPARA"},
}};

} // namespace

QString Statustext(int nummer, const QString& sprache, int i, int n) {
    if (nummer < 0 || nummer >= static_cast<int>(kTexte.size())) return {};
    const bool deutsch = sprache == "d";
    const Text& t = kTexte[nummer];
    QString text = QString::fromUtf8(deutsch ? t.deutsch : t.englisch);
    if (nummer == 4 || nummer == 6)
        text += QString("%1%2%3").arg(i).arg(deutsch ? " von " : " of ").arg(n);
    return text;
}
