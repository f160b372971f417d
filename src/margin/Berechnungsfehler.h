#pragma once

#include <QString>
#include <stdexcept>

namespace Margin {

// A fault in the data that stops the calculation before anything is written: a currency
// without a rate, a settlement date that is no date. The text names what is missing and where.
class Berechnungsfehler : public std::runtime_error {
public:
    explicit Berechnungsfehler(const QString& text)
        : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

} // namespace Margin
