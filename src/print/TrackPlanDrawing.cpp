#include "print/TrackPlanDrawing.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/MainWinState.h"
#include "print/ListFormat.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmapCache>
#include <algorithm>
#include <cmath>

namespace {
constexpr int FeldPixelBreite = 81;
constexpr int FeldPixelHoehe = 51;
constexpr int HoechstesElement = 4;   // fields of the tallest element, one picture each

// Pages needed for `anzahl` fields at `proSeite` a page: the quotient, one more for a remainder.
int seitenFuer(int anzahl, int proSeite)
{
    return anzahl / proSeite + (anzahl % proSeite > 0 ? 1 : 0);
}

const KatalogEintrag* elementVon(int x, int y)
{
    const int i = PultFelder[size_t(x)][size_t(y)].ElementIndex;
    return i >= 0 && i < KatalogSlots ? &ElementKatalog[size_t(i)] : nullptr;
}

QString weiss()
{
    return KonfVerz + QStringLiteral("weiss.bmp");
}

QString gitterBild(int gitter, int x, int y)
{
    const QString datei = MainWin().Pult[gitter].CellPicture(y, x);
    return datei.isEmpty() ? weiss() : datei;
}

bool hohesElement(const KatalogEintrag* e)
{
    return e && istHohesElement(*e);
}

// Is field (x, y) one of the upper fields of a tall element standing below it?
bool oberesTeil(int x, int y)
{
    for (int k = 1; y + k <= PultdimensionenY && k < HoechstesElement; ++k)
        if (const KatalogEintrag* e = elementVon(x, y + k); hohesElement(e) && e->Hoehe > k)
            return true;
    return false;
}

// An empty field prints white, but for the upper pieces of a tall element:
// they are printed even when the element itself stands on the next page.
QString feldBild(DruckArt art, int x, int y)
{
    if (art == DruckArt::Elektrik)
        return gitterBild(1, x, y);
    const KatalogEintrag* e = elementVon(x, y);
    return (e && !istWerkzeugCode(e->ElementNr)) || oberesTeil(x, y) ? gitterBild(0, x, y) : weiss();
}

// A tall element (one field wide) draws the grid's pieces of its picture into the fields
// above it, as far as they lie on the page (from row y0): a piece above the page's first
// row belongs to the page above, and on a page centred down it would stand over the grid.
void hoheTeile(Zeichenplan& plan, int x, int y, int y0, const QRectF& ort)
{
    const KatalogEintrag* e = elementVon(x, y);
    if (!hohesElement(e))
        return;
    for (int k = 1; k < e->Hoehe && y - k >= y0; ++k)
        plan.bilder << FeldBild{ort.translated(0, -k * ort.height()), gitterBild(0, x, y - k)};
}

QPixmap bild(const QString& datei)
{
    QPixmap p;
    if (!QPixmapCache::find(datei, &p)) {
        p.load(datei);
        QPixmapCache::insert(datei, p);
    }
    return p;
}

QFont nummernSchrift()
{
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setHintingPreference(QFont::PreferNoHinting);
    schrift.setPixelSize(int(8 * TwipsProPunkt));
    return schrift;
}
} // namespace

Kachelung kachelung(const QSizeF& ausgabe, const QPointF& twipsProPixel, double faktor, int dimX, int dimY)
{
    Kachelung k;
    k.feldBreite = twipsProPixel.x() * FeldPixelBreite * faktor;
    k.feldHoehe = twipsProPixel.y() * FeldPixelHoehe * faktor;
    // A page narrower or lower than one field still takes one.
    k.felderX = std::max(1, int(std::lround(ausgabe.width()) / std::max(1L, std::lround(k.feldBreite))));
    k.felderY = std::max(1, int(std::lround(ausgabe.height()) / std::max(1L, std::lround(k.feldHoehe))));
    k.kachelnX = std::max(1, seitenFuer(dimX, k.felderX));
    k.kachelnY = std::max(1, seitenFuer(dimY, k.felderY));
    return k;
}

Kachel kachel(const Kachelung& k, int seite, int dimX, int dimY)
{
    const int c = (seite - 1) % k.kachelnX;
    const int t = (seite - 1) / k.kachelnX;
    Kachel g;
    g.x0 = 1 + k.felderX * c;
    g.y0 = 1 + k.felderY * t;
    g.x1 = k.felderX * (c + 1);
    g.y1 = k.felderY * (t + 1);
    if (g.x1 > dimX) {
        g.offX = (g.x1 - dimX) / 2.0;
        g.x1 = dimX;
    }
    if (g.y1 > dimY) {
        g.offY = (g.y1 - dimY) / 2.0;
        g.y1 = dimY;
    }
    return g;
}

Zeichenplan zeichenplan(DruckArt art, const Kachelung& k, int seite)
{
    Zeichenplan plan;
    // The desk may have changed since the drawing was started: only its fields are read.
    const Kachel g = kachel(k, seite, PultdimensionenX, PultdimensionenY);
    const double b = k.feldBreite, h = k.feldHoehe;
    for (int x = g.x0; x <= g.x1; ++x)
        for (int y = g.y0; y <= g.y1; ++y) {
            const QRectF ort(b * (g.offX + x - g.x0), h * (g.offY + y - g.y0), b, h);
            plan.bilder << FeldBild{ort, feldBild(art, x, y)};
            if (art == DruckArt::Gleisplan)
                hoheTeile(plan, x, y, g.y0, ort);
            if (x == g.x0)
                plan.nummern << Beschriftung{ort.topLeft() + QPointF(0.05 * b, 0.05 * b), mitNullen(y, 2)};
            if (y == g.y0)
                plan.nummern << Beschriftung{ort.topLeft() + QPointF(0.8 * b, 0.05 * b), mitNullen(x, 2)};
        }
    if (g.x1 < g.x0 || g.y1 < g.y0)
        return plan;
    for (int x = g.x0; x <= g.x1 + 1; ++x)
        plan.linien << QLineF(b * (g.offX + x - g.x0), h * g.offY, b * (g.offX + x - g.x0), h * (g.offY + g.y1 + 1 - g.y0));
    for (int y = g.y0; y <= g.y1 + 1; ++y)
        plan.linien << QLineF(b * g.offX, h * (g.offY + y - g.y0), b * (g.offX + g.x1 + 1 - g.x0), h * (g.offY + y - g.y0));
    return plan;
}

Zeichnung::Zeichnung(DruckArt a, const Seitenmass& m)
    : art(a), mass(m), kacheln(::kachelung(m.ausgabe, twipsProPixel(), 1.0, PultdimensionenX, PultdimensionenY))
{
}

void Zeichnung::seiteZeichnen(QPainter& p, int seite, const AusgabeZiel& ziel) const
{
    if (seite < 1 || seite > seitenAnzahl())
        return;
    p.save();
    if (ziel.drucker)
        p.translate(mass.rand());
    else
        p.scale(ziel.skala, ziel.skala);
    p.setClipRect(QRectF(QPointF(0, 0), mass.ausgabe));
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const Zeichenplan plan = zeichenplan(art, kacheln, seite);
    for (const FeldBild& f : plan.bilder) {
        const QPixmap b = bild(f.datei);
        if (!b.isNull())
            p.drawPixmap(f.ort, b, QRectF(b.rect()));
    }
    p.setFont(nummernSchrift());
    p.setPen(Qt::black);
    const double oben = QFontMetricsF(p.font()).ascent();
    for (const Beschriftung& n : plan.nummern)
        p.drawText(n.ort + QPointF(0, oben), n.text);
    p.setPen(QPen(Qt::black, 15));
    p.drawLines(plan.linien);
    p.restore();
}
