#include "platform/DevicePixels.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <functional>

namespace {
// The monitor whose area, as `flaeche` gives it, holds `ort`; else the window's.
const QScreen* monitorBei(const QWidget* fenster, QPoint ort, const std::function<QRect(const QScreen*)>& flaeche)
{
    for (const QScreen* s : QGuiApplication::screens())
        if (flaeche(s).contains(ort))
            return s;
    return fenster->screen();
}

QRect geraeteFlaeche(const QScreen* s)
{
    return {s->geometry().topLeft(), s->geometry().size() * s->devicePixelRatio()};
}

QRect qtFlaeche(const QScreen* s)
{
    return s->geometry();
}
} // namespace

QPoint qtOrt(const QWidget* fenster, QPoint geraet)
{
    const QScreen* s = monitorBei(fenster, geraet, geraeteFlaeche);
    const QPoint ursprung = s->geometry().topLeft();
    return ursprung + (geraet - ursprung) / s->devicePixelRatio();
}

QPoint geraeteOrt(const QWidget* fenster, QPoint qt)
{
    const QScreen* s = monitorBei(fenster, qt, qtFlaeche);
    const QPoint ursprung = s->geometry().topLeft();
    return ursprung + (qt - ursprung) * s->devicePixelRatio();
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

QMargins qtRandAufgerundet(const QWidget* fenster, const QMargins& geraet)
{
    const qreal ratio = fenster->screen()->devicePixelRatio();
    const auto l = [ratio](int laenge) { return int(std::ceil(laenge / ratio)); };
    return {l(geraet.left()), l(geraet.top()), l(geraet.right()), l(geraet.bottom())};
}

bool wieBeiQt(const QWidget* fenster, const QRect& geraet, const QRect& qt)
{
    const qreal ratio = fenster->screen()->devicePixelRatio();
    const QPoint ort = geraet.topLeft() - geraeteOrt(fenster, qt.topLeft());
    const QSizeF groesse = QSizeF(geraet.size()) - QSizeF(qt.size()) * ratio;
    return std::abs(ort.x()) < ratio && std::abs(ort.y()) < ratio && std::abs(groesse.width()) < ratio
        && std::abs(groesse.height()) < ratio;
}
