#pragma once

class QWidget;

// Every window of the program opens fully on the screen it appears on and
// wide enough to show its title.
void fensterEinpassen(QWidget* fenster);

// Fits every window of the program as it is shown; a window closed and
// opened again comes back where it was.
void fensterEinpassenAnmelden();

// Puts a scroll area into the window that has no layout yet and returns the
// widget inside it to lay the window's contents out in: contents larger than
// the screen can then be scrolled, smaller ones show as without it. What is
// added to the window's own layout (a box layout) below it, such as the
// window's buttons, stays in view.
QWidget* rollbarerInhalt(QWidget* fenster);
