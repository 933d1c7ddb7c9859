#include "Flaeche.h"

#include <QFont>
#include <QtMath>

namespace {

QPointF verlaengert(QPointF ende, QPointF richtung)
{
    const double laenge = std::hypot(richtung.x(), richtung.y());
    return laenge > 0 ? ende + richtung * (8.0 / laenge) : ende;
}

bool gegenueber(Ort a, Ort b)
{
    const QPointF m = Flaeche::punkt(Ort::M);
    return Flaeche::punkt(a) - m == m - Flaeche::punkt(b);
}

} // namespace

Flaeche::Flaeche(bool hervorgehoben, const QColor& grund)
    : bild_(Breite, Hoehe, QImage::Format_RGB32), hervorgehoben_(hervorgehoben), grund_(hervorgehoben ? Farbe::Markiert : grund)
{
    bild_.fill(grund_);
    maler_ = std::make_unique<QPainter>(&bild_);
    maler_->setRenderHint(QPainter::Antialiasing);
}

QPointF Flaeche::punkt(Ort ort)
{
    const double b = Breite, h = Hoehe;
    switch (ort) {
    case Ort::W: return {0, h / 2};
    case Ort::O: return {b, h / 2};
    case Ort::N: return {b / 2, 0};
    case Ort::S: return {b / 2, h};
    case Ort::NW: return {0, 0};
    case Ort::NO: return {b, 0};
    case Ort::SW: return {0, h};
    case Ort::SO: return {b, h};
    case Ort::M: break;
    }
    return {b / 2, h / 2};
}

QPainterPath Flaeche::gleis(Ort von, Ort bis)
{
    const QPointF a = punkt(von), b = punkt(bis), m = punkt(Ort::M);
    QPainterPath pfad;
    if (von == Ort::M || bis == Ort::M || gegenueber(von, bis)) {
        pfad.moveTo(von == Ort::M ? a : verlaengert(a, a - b));
        pfad.lineTo(bis == Ort::M ? b : verlaengert(b, b - a));
    } else {
        pfad.moveTo(verlaengert(a, a - m));
        pfad.lineTo(a);
        pfad.quadTo(m, b);
        pfad.lineTo(verlaengert(b, b - m));
    }
    maler_->strokePath(pfad, QPen(Farbe::Gleis, 7, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    return pfad;
}

void Flaeche::quer(const QPainterPath& pfad, double anteil, const QColor& farbe, double breite)
{
    const QPointF p = pfad.pointAtPercent(anteil);
    const double w = qDegreesToRadians(pfad.angleAtPercent(anteil));
    const QPointF senkrecht(std::sin(w) * 6, std::cos(w) * 6);
    maler_->setPen(QPen(farbe, breite, Qt::SolidLine, Qt::FlatCap));
    maler_->drawLine(p - senkrecht, p + senkrecht);
}

void Flaeche::zunge(const QPainterPath& pfad, double anteil) { quer(pfad, anteil, grund_, 3); }

void Flaeche::trennung(const QPainterPath& pfad, double anteil) { quer(pfad, anteil, Farbe::Weiss, 2); }

void Flaeche::ausleuchtung(const QPainterPath& pfad)
{
    maler_->strokePath(pfad, QPen(Farbe::Licht, 2.5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
}

void Flaeche::taste(QPointF mitte, const QColor& kappe, const QString& text, bool eckig)
{
    const QRectF rand(mitte - QPointF(9, 9), QSizeF(18, 18));
    maler_->setPen(QPen(Farbe::Schwarz, 1.5));
    maler_->setBrush(Farbe::Grau);
    eckig ? maler_->drawRoundedRect(rand, 3, 3) : maler_->drawEllipse(rand);
    maler_->setBrush(kappe);
    const QRectF kappeRand = rand.adjusted(3, 3, -3, -3);
    eckig ? maler_->drawRoundedRect(kappeRand, 2, 2) : maler_->drawEllipse(kappeRand);
    if (!text.isEmpty())
        schrift(rand.adjusted(-6, 0, 6, 0), text, kappe.lightness() > 140 ? Farbe::Schwarz : Farbe::Weiss, 8);
}

void Flaeche::lampe(QPointF mitte, const QColor& farbe, double radius)
{
    maler_->setPen(QPen(Farbe::Schwarz, 0.8));
    maler_->setBrush(farbe);
    maler_->drawEllipse(mitte, radius, radius);
}

void Flaeche::schrift(const QRectF& rahmen, const QString& text, const QColor& farbe, int pixel)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixel);
    font.setBold(true);
    maler_->setFont(font);
    maler_->setPen(farbe);
    maler_->drawText(rahmen, Qt::AlignCenter, text);
}

QImage Flaeche::fertig()
{
    if (hervorgehoben_) {
        maler_->setBrush(Qt::NoBrush);
        maler_->setPen(QPen(Farbe::Rahmen, 4));
        maler_->drawRect(QRectF(2, 2, Breite - 4, Hoehe - 4));
    }
    maler_.reset();
    return bild_;
}
