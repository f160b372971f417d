#pragma once

#include <QString>
#include <stdexcept>

// A database failure that ends the current operation; the window or command
// that started the operation shows the text.
class DatenbankFehler : public std::runtime_error {
public:
    explicit DatenbankFehler(const QString& text)
        : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};
