#include "Flaeche.h"
#include "Zeichner.h"

#include <map>
#include <vector>

// A signal element: the track, the destination key in it (distant signals
// have none) and the signal beside the track. The last digit of the code
// gives the direction (1, 3 trains to the right; 2, 4 to the left) and 3, 4
// a track divided into two illumination sections. The signal stands on the
// right of the track in the direction of travel for right-hand traffic
// (signal board 54660) and on the left for left-hand traffic (54710).

namespace {

struct Signalbild {
    std::vector<QColor> lampen; // the main head, from the mast outwards
    bool zwerg = false;         // a dwarf signal low beside the track
    bool zieltaste = true;
};

const std::map<int, Signalbild> familien = {
    {50, {{Farbe::Rot, Farbe::Gruen}}},
    {51, {{Farbe::Rot, Farbe::Gruen, Farbe::Gelb}}},
    {52, {{Farbe::Rot, Farbe::Gruen, Farbe::Weiss}}},
    {53, {{Farbe::Rot, Farbe::Gruen, Farbe::Gelb, Farbe::Weiss}}},
    {54, {{Farbe::Rot, Farbe::Weiss, Farbe::Weiss}}},
    {55, {{Farbe::Gelb, Farbe::Gruen}, false, false}},
    {80, {{Farbe::Rot, Farbe::Gruen}}},
    {81, {{Farbe::Rot, Farbe::Gruen, Farbe::Weiss}}},
    {82, {{Farbe::Rot, Farbe::Gruen}, true}},
    {83, {{Farbe::Rot, Farbe::Weiss, Farbe::Weiss}}},
    {84, {{}, true}},
    {85, {{Farbe::Gelb, Farbe::Gruen}, false, false}},
};

struct Lage {
    bool nachRechts;
    bool oben;   // the signal stands above the track
    bool system2;
};

// Mast with a foot beside the track and the head with its lamps.
void signalkopf(Flaeche& f, const Lage& l, const std::vector<QColor>& lampen)
{
    if (lampen.empty())
        return;
    const double y = l.oben ? 10 : 44;
    const double mastX = l.nachRechts ? 74 : 10;
    const double gleisY = l.oben ? 19 : 35;
    QPainter& p = f.p();
    p.setPen(QPen(Farbe::Schwarz, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(mastX, y), QPointF(mastX, gleisY));
    p.drawLine(QPointF(mastX - 5, gleisY), QPointF(mastX + 5, gleisY));
    const double breite = lampen.size() * 8.0 + 4;
    const double links = l.nachRechts ? mastX - 2 - breite : mastX + 2;
    p.setPen(QPen(Farbe::Schwarz, 1));
    p.setBrush(QColor(45, 45, 50));
    const double rund = l.system2 ? 5.5 : 1.5;
    p.drawRoundedRect(QRectF(links, y - 5.5, breite, 11), rund, rund);
    for (size_t i = 0; i < lampen.size(); ++i) {
        const size_t von = l.nachRechts ? lampen.size() - 1 - i : i;
        f.lampe(QPointF(links + 6 + 8.0 * i, y), lampen[von]);
    }
}

// The dwarf signal: a low head with two white lamps, where a main signal
// would stand or, beside one, at the other end of the field.
void zwergsignal(Flaeche& f, const Lage& l, bool amMast)
{
    const double x = l.nachRechts == amMast ? 62 : 8;
    const double y = l.oben ? 6 : 24;
    f.p().setPen(QPen(Farbe::Schwarz, 1));
    f.p().setBrush(QColor(45, 45, 50));
    f.p().drawPie(QRectF(x, y, 14, 24), l.oben ? 0 : 180 * 16, 180 * 16);
    const double ly = l.oben ? y + 7 : y + 17;
    f.lampe(QPointF(x + 4, ly), Farbe::Weiss, 2.2);
    f.lampe(QPointF(x + 10, ly), Farbe::Weiss, 2.2);
}

} // namespace

bool zeichneSignal(Flaeche& f, int code, int artikel)
{
    const auto fam = familien.find(code / 10);
    const int variante = code % 10;
    if (fam == familien.end() || variante < 1 || variante > 4)
        return false;
    const bool nachRechts = variante == 1 || variante == 3;
    const Lage lage{nachRechts, (artikel == 54710) == nachRechts, code >= 800};
    const QPainterPath gleis = f.gleis(Ort::W, Ort::O);
    if (variante >= 3) {
        f.trennung(gleis, 0.25);
        f.trennung(gleis, 0.75);
    }
    signalkopf(f, lage, fam->second.lampen);
    if (fam->second.zwerg)
        zwergsignal(f, lage, fam->second.lampen.empty());
    if (fam->second.zieltaste)
        f.taste(Flaeche::punkt(Ort::M), lage.system2 ? Farbe::Blau : Farbe::Weiss);
    return true;
}
