#pragma once

#include "shell/Arbeitsmappe.h"

#include <optional>
#include <vector>

// The file formats of a workbook: .xlsx written with libxlsxwriter and read
// from its zip container, and .csv as one sheet.
namespace ArbeitsmappeDateien {

bool xlsxSchreiben(const std::vector<Arbeitsmappe::Blatt>& blaetter, const QString& pfad,
                   QString* fehler);
bool csvSchreiben(const Arbeitsmappe::Blatt& blatt, const QString& pfad, QString* fehler);
std::optional<std::vector<Arbeitsmappe::Blatt>> xlsxLesen(const QString& pfad, QString* fehler);
std::optional<std::vector<Arbeitsmappe::Blatt>> csvLesen(const QString& pfad, QString* fehler);

} // namespace ArbeitsmappeDateien
