#pragma once
#include <QString>

// Shows text in info line 1 (zeile 1) or 2 (zeile 2) of the main window;
// any other line number changes neither. The window repaints the lines at
// once, so progress texts appear during long actions that do not return to
// the event loop.
void InfoTxt_anzeigen(int zeile, const QString& text);
