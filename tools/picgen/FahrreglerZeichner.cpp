#include "Flaeche.h"
#include "Zeichner.h"

// The throttle covers three fields: a display at the top, the speed knob in
// the middle and the direction keys at the bottom. It is drawn once as a
// whole and cut into its parts.

namespace {

QImage ganzerFahrregler(bool hervorgehoben)
{
    QImage bild(Flaeche::Breite, 3 * Flaeche::Hoehe, QImage::Format_RGB32);
    bild.fill(hervorgehoben ? Farbe::Markiert : Farbe::Pult);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Farbe::Grau, 2));
    p.setBrush(Farbe::Schwarz);
    p.drawRoundedRect(QRectF(10, 12, 64, 30), 3, 3);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(90, 230, 90));
    p.drawText(QRectF(10, 12, 64, 30), Qt::AlignCenter, QStringLiteral("Lok 3"));
    p.setPen(QPen(Farbe::Schwarz, 2));
    p.setBrush(QColor(60, 60, 66));
    p.drawEllipse(QPointF(42, 81), 30, 30);
    p.setPen(QPen(Farbe::Weiss, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(42, 81), QPointF(42, 56));
    for (const auto& [x, spitze] : {std::pair{20.0, -7.0}, std::pair{64.0, 7.0}}) {
        p.setPen(QPen(Farbe::Schwarz, 1.5));
        p.setBrush(Farbe::Weiss);
        p.drawEllipse(QPointF(x, 135), 11, 11);
        p.setBrush(Farbe::Schwarz);
        p.drawPolygon(QPolygonF({QPointF(x + spitze, 135), QPointF(x - spitze, 129), QPointF(x - spitze, 141)}));
    }
    p.setPen(QPen(Farbe::Schwarz, 1.5));
    p.setBrush(Farbe::Rot);
    p.drawEllipse(QPointF(42, 135), 8, 8);
    if (hervorgehoben) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Farbe::Rahmen, 4));
        p.drawRect(QRectF(2, 2, Flaeche::Breite - 4, 3 * Flaeche::Hoehe - 4));
    }
    return bild;
}

} // namespace

QImage zeichneFahrregler(int teil, bool hervorgehoben)
{
    const QImage ganz = ganzerFahrregler(hervorgehoben);
    if (teil >= 0 && teil <= 2)
        return ganz.copy(0, (2 - teil) * Flaeche::Hoehe, Flaeche::Breite, Flaeche::Hoehe);
    if (teil >= 0)
        return {};
    // The palette shows the whole throttle made small.
    Flaeche f(hervorgehoben);
    f.p().setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage klein = ganz.scaledToHeight(Flaeche::Hoehe - 2, Qt::SmoothTransformation);
    f.p().drawImage(QPointF((Flaeche::Breite - klein.width()) / 2.0, 1), klein);
    return f.fertig();
}
