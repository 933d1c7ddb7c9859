#pragma once
#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>

class QScreen;
class QWidget;

// Places and lengths between the window system's device pixels and Qt's
// device-independent ones, as Qt maps them: each monitor keeps its device
// origin as its own, the rest scaled by the monitor's ratio
// (Qt = origin + (device - origin) / ratio). A place is taken on the monitor
// that holds it, else on the monitor of the window; a length at the ratio of
// the window's monitor.
QPoint qtOrt(const QWidget* fenster, QPoint geraet);
QPoint geraeteOrt(const QWidget* fenster, QPoint qt);
int qtLaenge(const QWidget* fenster, int geraet);
QMargins qtRand(const QWidget* fenster, const QMargins& geraet);

// True when `geraet`, a window's place and size in device pixels, is `qt`,
// the one Qt has: Qt rounds to whole device-independent pixels both ways, so
// at a ratio other than 1 the two may lie apart by less than one of those.
bool wieBeiQt(const QWidget* fenster, const QRect& geraet, const QRect& qt);

// A monitor's area and the free part of it in device pixels, exactly as the
// window system has them (Qt's own areas are rounded to whole
// device-independent pixels), and Qt's ratio there.
struct GeraeteMonitor {
    QRect flaeche;
    QRect frei;
    qreal ratio = 1;
};
GeraeteMonitor geraeteMonitor(const QScreen* monitor);

// The conversions on the monitors given, `eigener` the window's (taken
// where no monitor holds the place): from device pixels, the monitor whose
// device area holds the place; to them, the one whose area in Qt's pixels does.
QPoint qtOrt(const QList<GeraeteMonitor>& monitore, const GeraeteMonitor& eigener, QPoint geraet);
QPoint geraeteOrt(const QList<GeraeteMonitor>& monitore, const GeraeteMonitor& eigener, QPoint qt);
// A monitor's area in Qt's pixels: its device origin, its size scaled.
QRect qtFlaeche(const GeraeteMonitor& m);
