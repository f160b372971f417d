#pragma once

class QLabel;

// The heading of a window: larger than the text, bold, or underlined where
// the window's design asks for it.
enum class Auszeichnung { Fett, Unterstrichen };
void alsUeberschrift(QLabel* label, int groesser, Auszeichnung art = Auszeichnung::Fett);
