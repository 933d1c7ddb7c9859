#pragma once
#include "print/PageGeometry.h"
#include "print/PrintList.h"

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>

// How a drawing of the desk is cut into pages of whole fields.
struct Kachelung {
    double feldBreite = 0, feldHoehe = 0;   // printed size of one desk field
    int felderX = 1, felderY = 1;           // desk columns and rows on one page
    int kachelnX = 1, kachelnY = 1;         // pages across and down
    int seiten() const { return kachelnX * kachelnY; }
};

// One field prints at the size of a grid cell, 81 x 51 screen pixels, times `faktor`.
Kachelung kachelung(const QSizeF& ausgabe, const QPointF& twipsProPixel, double faktor, int dimX, int dimY);

// The fields of page `seite`: columns x0..x1, rows y0..y1, and the offsets in
// fields that centre a partial page.
struct Kachel {
    int x0 = 1, y0 = 1, x1 = 0, y1 = 0;
    double offX = 0, offY = 0;
};
Kachel kachel(const Kachelung& k, int seite, int dimX, int dimY);

// What one page of a drawing shows, in twips of the page's output image, in drawing order.
struct FeldBild {
    QRectF ort;
    QString datei;
};
struct Beschriftung {
    QPointF ort;   // top left corner of the text
    QString text;
};
struct Zeichenplan {
    QList<FeldBild> bilder;
    QList<Beschriftung> nummern;
    QList<QLineF> linien;
};

// The page as the desk grids of the main window show the desk now: the track
// plan's pictures (white for an empty field) or the base plates' pictures.
Zeichenplan zeichenplan(DruckArt art, const Kachelung& k, int seite);

// The track plan or the electrical connections, in landscape, tiled over pages.
class Zeichnung : public DruckListe {
public:
    Zeichnung(DruckArt art, const Seitenmass& mass);
    int seitenAnzahl() const override { return kacheln.seiten(); }
    bool quer() const override { return true; }
    void seiteZeichnen(QPainter& p, int seite, const AusgabeZiel& ziel) const override;
    const Kachelung& kachelung() const { return kacheln; }

private:
    DruckArt art;
    Seitenmass mass;
    Kachelung kacheln;
};
