#pragma once

#include <QString>
#include <stdexcept>

// The demo reference data could not be built; the text says which file or step failed.
class Demodatenfehler : public std::runtime_error {
public:
    explicit Demodatenfehler(const QString& text)
        : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};
