#pragma once
#include <QPoint>

class QWidget;

// Every window of the program opens fully on the screen it appears on and
// wide enough to show its title.
void fensterEinpassen(QWidget* fenster);

// Where a window stands, by the top left corner of its frame, with the frame
// it will get while the window manager has not framed it; for a hidden window
// where it is to stand when shown (moved onto the screen then).
QPoint rahmenOrt(const QWidget* fenster);

// Sizes the window to what its contents ask now, controls shown or hidden
// meanwhile taken in, also while the window is hidden; a shown window takes
// that size as it is fitted next (fensterEinpassen), in one step.
void anInhaltAnpassen(QWidget* fenster);

// Moves the window's frame to `ort`, or as near to it as keeps the frame on the screen.
void rahmenVerschieben(QWidget* fenster, QPoint ort);

// Moves the window's frame, at the window's present size, to the middle of the
// free part of the monitor of the window it belongs to (the primary monitor
// while the main window is not shown).
void mittigAufBildschirm(QWidget* fenster);

// Moves the window's frame, at the window's present size, to the middle of
// the window it belongs to (its parent's window or the main window), kept on the screen.
void mittigUeberEigner(QWidget* fenster);

// Fits every window of the program as it is about to be shown. At its first
// showing a window the program did not place itself stands centred over its
// parent's window (the main window for one without a parent), on that
// window's monitor, and the main window in the primary monitor's top left
// corner; a window closed and opened again comes back where it was.
void fensterEinpassenAnmelden();

// Puts a scroll area into the window that has no layout yet and returns the
// widget inside it to lay the window's contents out in: contents larger than
// the screen can then be scrolled, smaller ones show as without it. What is
// added to the window's own layout (a box layout) below it, such as the
// window's buttons, stays in view.
QWidget* rollbarerInhalt(QWidget* fenster);
