#pragma once

#include <stdexcept>
#include <string_view>

// A floating-point failure inside a model: an operand that is not a number reached the normal
// distribution, or a result left the range of finite values. The operation is abandoned; the
// caller ends what it was doing, so a failure never turns into a silent NaN in a margin.
class Rechenfehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Shows the fixed texts "ErrorNV" (distribution) and "ErrorNVS" (density) of a failure inside
// the normal distribution, before the failure travels on as a Rechenfehler. The application
// installs one for the whole process; without one the failure is only thrown.
class Rechenfehleranzeige {
public:
    virtual ~Rechenfehleranzeige() = default;
    virtual void Rechenfehler_Zeigen(std::string_view text) = 0;
};

// nullptr removes the display. The caller keeps the object alive while it is installed.
void RechenfehleranzeigeSetzen(Rechenfehleranzeige* anzeige);

// Shows the text through the installed display, then throws Rechenfehler with it.
[[noreturn]] void RechenfehlerMelden(const char* text);
