#include "platform/DevicePixels.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <qpa/qplatformscreen.h>

#include <algorithm>
#include <cmath>

namespace {
QList<GeraeteMonitor> alleMonitore()
{
    QList<GeraeteMonitor> liste;
    for (const QScreen* s : QGuiApplication::screens())
        liste << geraeteMonitor(s);
    return liste;
}

QPoint ursprungPlus(const GeraeteMonitor& m, QPointF abstand)
{
    return m.flaeche.topLeft() + abstand.toPoint();
}
} // namespace

GeraeteMonitor geraeteMonitor(const QScreen* monitor)
{
    const QPlatformScreen* p = monitor->handle();
    return {p->geometry(), p->availableGeometry(), monitor->devicePixelRatio()};
}

QRect qtFlaeche(const GeraeteMonitor& m)
{
    return {m.flaeche.topLeft(), (QSizeF(m.flaeche.size()) / m.ratio).toSize()};
}

QPoint qtOrt(const QList<GeraeteMonitor>& monitore, const GeraeteMonitor& eigener, QPoint geraet)
{
    const auto bei = std::find_if(monitore.begin(), monitore.end(),
                                  [geraet](const GeraeteMonitor& m) { return m.flaeche.contains(geraet); });
    const GeraeteMonitor& m = bei != monitore.end() ? *bei : eigener;
    return ursprungPlus(m, QPointF(geraet - m.flaeche.topLeft()) / m.ratio);
}

QPoint geraeteOrt(const QList<GeraeteMonitor>& monitore, const GeraeteMonitor& eigener, QPoint qt)
{
    const auto bei = std::find_if(monitore.begin(), monitore.end(),
                                  [qt](const GeraeteMonitor& m) { return qtFlaeche(m).contains(qt); });
    const GeraeteMonitor& m = bei != monitore.end() ? *bei : eigener;
    return ursprungPlus(m, QPointF(qt - m.flaeche.topLeft()) * m.ratio);
}

QPoint qtOrt(const QWidget* fenster, QPoint geraet)
{
    return qtOrt(alleMonitore(), geraeteMonitor(fenster->screen()), geraet);
}

QPoint geraeteOrt(const QWidget* fenster, QPoint qt)
{
    return geraeteOrt(alleMonitore(), geraeteMonitor(fenster->screen()), qt);
}

int qtLaenge(const QWidget* fenster, int geraet)
{
    return qRound(geraet / fenster->screen()->devicePixelRatio());
}

QMargins qtRand(const QWidget* fenster, const QMargins& geraet)
{
    return {qtLaenge(fenster, geraet.left()), qtLaenge(fenster, geraet.top()), qtLaenge(fenster, geraet.right()),
            qtLaenge(fenster, geraet.bottom())};
}

bool wieBeiQt(const QWidget* fenster, const QRect& geraet, const QRect& qt)
{
    const qreal ratio = fenster->screen()->devicePixelRatio();
    const QPoint ort = geraet.topLeft() - geraeteOrt(fenster, qt.topLeft());
    const QSizeF groesse = QSizeF(geraet.size()) - QSizeF(qt.size()) * ratio;
    return std::abs(ort.x()) < ratio && std::abs(ort.y()) < ratio && std::abs(groesse.width()) < ratio
        && std::abs(groesse.height()) < ratio;
}
