#pragma once

#include <QString>

// Built-in caption of a menu item by its label key ("L_1_1" → "Neu").
QString eingebauterMenuetext(const QString& schluessel);
