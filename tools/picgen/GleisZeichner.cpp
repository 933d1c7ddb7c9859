#include "Flaeche.h"
#include "Zeichner.h"

#include <map>
#include <vector>

namespace {

using Strecke = std::pair<Ort, Ort>;

// Plain track pieces: the tracks each one shows.
const std::map<int, std::vector<Strecke>> gleise = {
    {1, {{Ort::W, Ort::O}}}, {2, {{Ort::N, Ort::S}}}, {3, {{Ort::SW, Ort::NO}}}, {4, {{Ort::NW, Ort::SO}}},
    {5, {{Ort::W, Ort::NO}}}, {6, {{Ort::W, Ort::SO}}}, {7, {{Ort::O, Ort::NW}}}, {8, {{Ort::O, Ort::SW}}},
    {9, {{Ort::N, Ort::SW}}}, {10, {{Ort::N, Ort::SO}}}, {11, {{Ort::S, Ort::NW}}}, {12, {{Ort::S, Ort::NO}}},
    {13, {{Ort::W, Ort::M}}}, {14, {{Ort::O, Ort::M}}}, {15, {{Ort::N, Ort::M}}}, {16, {{Ort::S, Ort::M}}},
    {17, {{Ort::W, Ort::O}, {Ort::N, Ort::S}}}, {18, {{Ort::SW, Ort::NO}, {Ort::NW, Ort::SO}}},
    {19, {{Ort::W, Ort::O}, {Ort::SW, Ort::NO}}}, {20, {{Ort::W, Ort::O}, {Ort::NW, Ort::SO}}},
};

// Turnouts: the through track, the branches that leave it with a tongue, and
// where the turnout's key sits.
struct Weiche {
    Strecke gerade;
    std::vector<Strecke> abzweige;
    QPointF taste;
};

const std::map<int, Weiche> weichen = {
    {101, {{Ort::W, Ort::O}, {{Ort::W, Ort::NO}}, {26, 42}}},
    {102, {{Ort::O, Ort::W}, {{Ort::O, Ort::SW}}, {58, 12}}},
    {103, {{Ort::W, Ort::O}, {{Ort::W, Ort::SO}}, {26, 12}}},
    {104, {{Ort::O, Ort::W}, {{Ort::O, Ort::NW}}, {58, 42}}},
    {105, {{Ort::SW, Ort::NO}, {{Ort::SW, Ort::O}}, {18, 14}}},
    {106, {{Ort::NO, Ort::SW}, {{Ort::NO, Ort::W}}, {66, 40}}},
    {107, {{Ort::NW, Ort::SO}, {{Ort::NW, Ort::O}}, {18, 40}}},
    {108, {{Ort::SO, Ort::NW}, {{Ort::SO, Ort::W}}, {66, 14}}},
    {109, {{Ort::W, Ort::M}, {{Ort::W, Ort::NO}, {Ort::W, Ort::SO}}, {72, 27}}},
    {110, {{Ort::O, Ort::M}, {{Ort::O, Ort::NW}, {Ort::O, Ort::SW}}, {12, 27}}},
    {301, {{Ort::W, Ort::O}, {{Ort::W, Ort::NO}, {Ort::W, Ort::SO}}, {68, 16}}},
    {302, {{Ort::O, Ort::W}, {{Ort::O, Ort::NW}, {Ort::O, Ort::SW}}, {16, 38}}},
};

// Double slips: two crossing tracks, tongues on both sides of the crossing.
const std::map<int, Weiche> kreuzungsweichen = {
    {201, {{Ort::W, Ort::O}, {{Ort::SW, Ort::NO}}, {68, 42}}},
    {202, {{Ort::W, Ort::O}, {{Ort::NW, Ort::SO}}, {68, 12}}},
    {203, {{Ort::N, Ort::S}, {{Ort::SW, Ort::NO}}, {68, 40}}},
};

const QColor weichentaste(70, 70, 76);

void gleisende(Flaeche& f, Ort von)
{
    const QPointF m = Flaeche::punkt(Ort::M);
    const bool waagerecht = von == Ort::W || von == Ort::O;
    const QPointF quer = waagerecht ? QPointF(0, 9) : QPointF(9, 0);
    f.p().setPen(QPen(Farbe::Gleis, 5, Qt::SolidLine, Qt::FlatCap));
    f.p().drawLine(m - quer, m + quer);
}

// Illuminated pieces beside a module: a lit strip and a mark towards the module.
void beleuchtet(Flaeche& f, bool modulLinks)
{
    f.ausleuchtung(f.gleis(Ort::W, Ort::O));
    const double x = modulLinks ? 6 : Flaeche::Breite - 6;
    const double spitze = modulLinks ? -5 : 5;
    f.p().setPen(QPen(Farbe::Schwarz, 1));
    f.p().setBrush(Farbe::Licht);
    f.p().drawPolygon(QPolygonF({QPointF(x + spitze, 40), QPointF(x - spitze, 34), QPointF(x - spitze, 46)}));
}

// The through track is drawn last, so the tongue gaps cut only the branches.
void zeichneWeiche(Flaeche& f, const Weiche& w, bool kreuzung)
{
    for (const Strecke& a : w.abzweige) {
        const QPainterPath pfad = f.gleis(a.first, a.second);
        f.zunge(pfad, kreuzung ? 0.32 : 0.5);
        if (kreuzung)
            f.zunge(pfad, 0.68);
    }
    f.gleis(w.gerade.first, w.gerade.second);
    f.taste(w.taste, weichentaste);
}

} // namespace

bool zeichneGleis(Flaeche& f, int code)
{
    if (const auto g = gleise.find(code); g != gleise.end()) {
        for (const Strecke& s : g->second)
            f.gleis(s.first, s.second);
        if (code >= 13 && code <= 16)
            gleisende(f, g->second.front().first);
        return true;
    }
    if (code == 51 || code == 52) {
        beleuchtet(f, code == 51);
        return true;
    }
    if (const auto w = weichen.find(code); w != weichen.end()) {
        zeichneWeiche(f, w->second, false);
        return true;
    }
    if (const auto k = kreuzungsweichen.find(code); k != kreuzungsweichen.end()) {
        zeichneWeiche(f, k->second, true);
        return true;
    }
    return false;
}
