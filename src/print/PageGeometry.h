#pragma once
#include <QPageSize>
#include <QPointF>
#include <QSizeF>

// Sizes of one list's pages, its preview and the print dialog, all in twips.
struct Seitenmass {
    QSizeF papier;              // the printer page, turned as the list prints
    QSizeF ausgabe;             // the part of it one page occupies (DruckSkala)
    double vorschauSkala = 1;   // from the page to the preview
    QSizeF vorschau;
    QSizeF dialog;

    // Top left corner of a drawing on paper: centred, 5 % of the page free on each side.
    QPointF rand() const { return QPointF((papier.width() - ausgabe.width()) / 2, (papier.height() - ausgabe.height()) / 2); }
};

inline constexpr double DruckSkala = 0.9;
inline constexpr int VorschauTeiler = 3;

// The page size in twips, in portrait or turned to landscape.
QSizeF papierTwips(const QPageSize& format, bool quer);

// Text pages in portrait: the preview is a third of the screen height wide.
Seitenmass textSeitenmass(const QSizeF& papier, double schirmHoehe);
// Drawings in landscape: the preview is a third of the screen height high.
Seitenmass grafikSeitenmass(const QSizeF& papier, double schirmHoehe);

// Twips per screen pixel, across and down (15 on a screen of 96 dots per inch).
QPointF twipsProPixel();
// The height of the screen in twips.
double schirmHoeheTwips();
