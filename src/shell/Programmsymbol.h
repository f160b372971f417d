#pragma once

#include <QIcon>

// The program's own symbol for the window frames.
QIcon programmsymbol();
