#include "pricing/Rechenfehler.h"

#include <atomic>

namespace {
// The calculation may run off the thread that installs the display.
std::atomic<Rechenfehleranzeige*> anzeige_{nullptr};
} // namespace

void RechenfehleranzeigeSetzen(Rechenfehleranzeige* anzeige) {
    anzeige_.store(anzeige);
}

void RechenfehlerMelden(const char* text) {
    if (Rechenfehleranzeige* a = anzeige_.load()) a->Rechenfehler_Zeigen(text);
    throw Rechenfehler(text);
}
