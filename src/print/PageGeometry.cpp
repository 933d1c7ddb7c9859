#include "print/PageGeometry.h"

#include "print/PrintList.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace {
Seitenmass seitenmass(const QSizeF& papier, double skala)
{
    Seitenmass m;
    m.papier = papier;
    m.ausgabe = papier * DruckSkala;
    m.vorschauSkala = skala;
    m.vorschau = m.ausgabe * skala;
    m.dialog = QSizeF(std::max(1680.0, m.vorschau.width() + 1800), std::max(5295.0, m.vorschau.height() + 700));
    return m;
}
} // namespace

QSizeF papierTwips(const QPageSize& format, bool quer)
{
    const QSizeF punkte = format.size(QPageSize::Point);
    const QSizeF hoch(std::min(punkte.width(), punkte.height()) * TwipsProPunkt,
                      std::max(punkte.width(), punkte.height()) * TwipsProPunkt);
    return quer ? hoch.transposed() : hoch;
}

Seitenmass textSeitenmass(const QSizeF& papier, double schirmHoehe)
{
    return seitenmass(papier, schirmHoehe / (papier.width() * DruckSkala) / VorschauTeiler);
}

Seitenmass grafikSeitenmass(const QSizeF& papier, double schirmHoehe)
{
    return seitenmass(papier, schirmHoehe / (papier.height() * DruckSkala) / VorschauTeiler);
}

QPointF twipsProPixel()
{
    const QScreen* schirm = QGuiApplication::primaryScreen();
    if (!schirm)
        return {15.0, 15.0};
    return {TwipsProZoll / schirm->logicalDotsPerInchX(), TwipsProZoll / schirm->logicalDotsPerInchY()};
}

double schirmHoeheTwips()
{
    const QScreen* schirm = QGuiApplication::primaryScreen();
    return schirm ? schirm->geometry().height() * twipsProPixel().y() : 600 * 15.0;
}
