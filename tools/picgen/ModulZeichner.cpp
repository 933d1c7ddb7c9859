#include "Flaeche.h"
#include "Zeichner.h"

#include <map>

namespace {

const QColor schaltkappe(150, 154, 160);

// A key in a horizontal track; divided illumination shows two joints.
void tasteImGleis(Flaeche& f, const QColor& kappe, const QString& text = {}, bool geteilt = false)
{
    const QPainterPath gleis = f.gleis(Ort::W, Ort::O);
    if (geteilt) {
        f.trennung(gleis, 0.25);
        f.trennung(gleis, 0.75);
    }
    f.taste(Flaeche::punkt(Ort::M), kappe, text);
}

// The function keys of the desk: a key and its short name beside it.
struct Funktionstaste {
    QColor kappe;
    QString name;
};

const std::map<int, Funktionstaste> funktionstasten = {
    {1, {Farbe::Weiss, QStringLiteral("FS")}},   {2, {Farbe::Weiss, QStringLiteral("SGT")}},
    {3, {Farbe::Gruen, QStringLiteral("FaGT")}}, {4, {Farbe::Rot, QStringLiteral("HaGT")}},
    {5, {Farbe::Gelb, QStringLiteral("FHT")}},
};

void funktionstaste(Flaeche& f, const Funktionstaste& t, bool system2)
{
    f.taste(QPointF(20, 27), t.kappe, {}, true);
    f.schrift(QRectF(32, 12, 50, 30), t.name, system2 ? Farbe::Blau : Farbe::Schwarz, 13);
}

void joystick(Flaeche& f, bool geteilt)
{
    const QPainterPath gleis = f.gleis(Ort::W, Ort::O);
    if (geteilt) {
        f.trennung(gleis, 0.2);
        f.trennung(gleis, 0.8);
    }
    QPainter& p = f.p();
    p.setPen(QPen(Farbe::Schwarz, 1.5));
    p.setBrush(Farbe::Grau);
    p.drawEllipse(Flaeche::punkt(Ort::M), 14, 14);
    p.setPen(QPen(Farbe::Schwarz, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(Flaeche::punkt(Ort::M), QPointF(50, 19));
    f.lampe(QPointF(50, 19), Farbe::Rot, 4.5);
}

void zugnummernanzeige(Flaeche& f)
{
    f.p().setPen(QPen(Farbe::Grau, 2));
    f.p().setBrush(Farbe::Schwarz);
    f.p().drawRoundedRect(QRectF(8, 11, 68, 32), 3, 3);
    f.schrift(QRectF(8, 11, 68, 32), QStringLiteral("4711"), QColor(255, 90, 30), 19);
}

void fahrstrassenspeicher(Flaeche& f)
{
    QPainter& p = f.p();
    p.setPen(QPen(Farbe::Grau, 2));
    for (int x = 20; x <= 64; x += 8)
        p.drawLine(QPointF(x, 5), QPointF(x, 49));
    p.setPen(QPen(Farbe::Schwarz, 1));
    p.setBrush(QColor(50, 50, 56));
    p.drawRoundedRect(QRectF(14, 11, 56, 32), 2, 2);
    f.schrift(QRectF(14, 11, 56, 32), QStringLiteral("FS"), Farbe::Weiss, 16);
}

} // namespace

bool zeichneModul(Flaeche& f, int code)
{
    switch (code) {
    case 401: tasteImGleis(f, Farbe::Gelb, QStringLiteral("E")); return true;
    case 402: tasteImGleis(f, Farbe::Weiss); return true;
    case 403: tasteImGleis(f, Farbe::Weiss, {}, true); return true;
    case 871: tasteImGleis(f, Farbe::Blau); return true;
    case 872: tasteImGleis(f, Farbe::Blau, {}, true); return true;
    case 421: f.taste(Flaeche::punkt(Ort::M), Farbe::Rot, QStringLiteral("M")); return true;
    case 422: tasteImGleis(f, Farbe::Rot, QStringLiteral("M")); return true;
    case 423:
        f.gleis(Ort::N, Ort::S);
        f.taste(Flaeche::punkt(Ort::M), Farbe::Rot, QStringLiteral("M"));
        return true;
    case 424:
        f.taste(QPointF(32, 27), schaltkappe, QStringLiteral("S"), true);
        f.lampe(QPointF(58, 27), Farbe::Gruen, 5);
        return true;
    case 610: f.taste(Flaeche::punkt(Ort::M), schaltkappe, QStringLiteral("S"), true); return true;
    case 611:
        f.gleis(Ort::W, Ort::O);
        f.taste(Flaeche::punkt(Ort::M), schaltkappe, QStringLiteral("S"), true);
        return true;
    case 700:
        for (double x : {16.0, 42.0, 68.0})
            f.taste(QPointF(x, 27), Farbe::Weiss);
        return true;
    case 710: joystick(f, false); return true;
    case 711: joystick(f, true); return true;
    case 920: zugnummernanzeige(f); return true;
    case 930: fahrstrassenspeicher(f); return true;
    default: break;
    }
    const bool system2 = code >= 873 && code <= 877;
    if (!system2 && (code < 601 || code > 605))
        return false;
    funktionstaste(f, funktionstasten.at(code - (system2 ? 872 : 600)), system2);
    return true;
}
