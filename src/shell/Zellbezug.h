#pragma once

#include <QString>
#include <optional>

// A cell named as in a spreadsheet ("B2", "AA1"), counted from 0 inside.
struct Zellbezug {
    int zeile = 0;
    int spalte = 0;

    static std::optional<Zellbezug> aus(const QString& name);
    QString name() const;
    static QString spaltenname(int spalte);

    auto operator<=>(const Zellbezug&) const = default;
};

// An area "A1:Z1" (or a single cell) with its corners.
struct Zellbereich {
    Zellbezug von;
    Zellbezug bis;
    static std::optional<Zellbereich> aus(const QString& name);
};
