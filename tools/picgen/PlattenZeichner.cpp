#include "Flaeche.h"
#include "Zeichner.h"

// Base plates of the electrical view: green boards whose copper lines show in
// which directions they carry the supply, and the connection modules.

namespace {

struct Leitungen {
    bool links, rechts, oben, unten;
};

void platine(Flaeche& f, const Leitungen& l, const QString& text = {})
{
    QPainter& p = f.p();
    p.setPen(QPen(Farbe::Schwarz, 1));
    p.setBrush(Farbe::Platine);
    p.drawRoundedRect(QRectF(3, 3, Flaeche::Breite - 6, Flaeche::Hoehe - 6), 3, 3);
    p.setPen(QPen(Farbe::Kupfer, 5, Qt::SolidLine, Qt::FlatCap));
    const QPointF m = Flaeche::punkt(Ort::M);
    if (l.links) p.drawLine(m, Flaeche::punkt(Ort::W));
    if (l.rechts) p.drawLine(m, Flaeche::punkt(Ort::O));
    if (l.oben) p.drawLine(m, Flaeche::punkt(Ort::N));
    if (l.unten) p.drawLine(m, Flaeche::punkt(Ort::S));
    p.setBrush(Farbe::Kupfer);
    p.drawEllipse(m, 4, 4);
    if (!text.isEmpty())
        f.schrift(QRectF(46, 4, 36, 20), text, Farbe::Weiss, 11);
}

void anschlussmodul(Flaeche& f, const QString& text)
{
    QPainter& p = f.p();
    p.setPen(QPen(Farbe::Schwarz, 1.5));
    p.setBrush(QColor(70, 75, 85));
    p.drawRoundedRect(QRectF(4, 5, Flaeche::Breite - 8, Flaeche::Hoehe - 10), 4, 4);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(10, 14, 16, 12)); // the LocoNet socket
    p.drawRect(QRectF(10, 30, 16, 12));
    f.schrift(QRectF(28, 8, 54, 38), text, Farbe::Weiss, 13);
}

} // namespace

bool zeichneGrundplatte(Flaeche& f, int artikel)
{
    switch (artikel) {
    case 54430: anschlussmodul(f, QStringLiteral("?")); return true;
    case 54480: anschlussmodul(f, QStringLiteral("54480")); return true;
    case 54490: anschlussmodul(f, QStringLiteral("54490")); return true;
    case 54640: platine(f, {true, true, true, true}); return true;
    case 54642: platine(f, {true, true, false, false}); return true;
    case 54644:
        platine(f, {true, true, false, false});
        for (double x : {16.0, 30.0, 54.0, 68.0})
            f.lampe(QPointF(x, 40), Farbe::Licht, 3.5);
        return true;
    case 54730: platine(f, {true, true, true, false}, QStringLiteral("FR")); return true;
    case 54731: platine(f, {true, true, true, true}, QStringLiteral("FR")); return true;
    case 54732: platine(f, {true, true, false, true}, QStringLiteral("FR")); return true;
    default: return false;
    }
}

bool zeichneWerkzeug(Flaeche& f, int code)
{
    QPainter& p = f.p();
    if (code == -99) {
        p.setPen(QPen(Farbe::Rot, 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(28, 10), QPointF(56, 44));
        p.drawLine(QPointF(56, 10), QPointF(28, 44));
        return true;
    }
    if (code == -1) {
        const QPolygonF pfeil({QPointF(32, 6), QPointF(32, 44), QPointF(41, 35), QPointF(48, 49), QPointF(54, 46),
                               QPointF(47, 32), QPointF(59, 32)});
        p.setPen(QPen(Farbe::Schwarz, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Farbe::Weiss);
        p.drawPolygon(pfeil);
        return true;
    }
    return false;
}
