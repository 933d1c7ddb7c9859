#pragma once
#include <QMargins>
#include <QRect>

#include <optional>

class QWidget;

// Waits, a short time at most, until the window manager has let go of the
// hidden window: until it is a window of the screen again, no more inside a
// frame. Returns at once where the window system is not X11.
void freigabeAbwarten(const QWidget* fenster);

// True when the window manager has shown the window and the X server has it
// at the place and size Qt has (its device pixels taken as Qt maps the
// window's monitor): a place read back then is the window's, not one it has
// for a moment while the window manager frames it, nor one a move has not
// reached yet.
// Always true where the window system is not X11.
bool vomFenstermanagerGesetzt(const QWidget* fenster);

// The frame the window manager will give the window that it has not framed
// yet, where it says so when asked, in device pixels; none where the window
// system is not X11.
std::optional<QMargins> rahmenErfragen(QWidget* fenster);

// The frame the window manager gave the window or said it will give it, in
// device pixels; none where it said nothing of it or the window system is not X11.
std::optional<QMargins> rahmenInGeraetepixeln(const QWidget* fenster);

// The shown window's frame as the X server has it now, in device pixels;
// none where the window is not shown and framed or the window system is not X11.
std::optional<QRect> geraeteRahmen(const QWidget* fenster);
