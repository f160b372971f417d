#pragma once

class QWidget;

// The frame that holds a child window: its work-area frame when it lives in
// the main window's work area, else the window itself.
QWidget* fensterrahmen(QWidget* fenster);
// Closes the child window through its frame, so the whole window goes.
void fensterSchliessen(QWidget* fenster);
