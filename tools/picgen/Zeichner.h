#pragma once
#include "Motiv.h"

#include <QImage>

class Flaeche;

// Draws the picture of one motif; a null image when the motif is unknown.
QImage zeichne(const Motiv& motiv);

// The groups of motifs, each drawn by its own file. They return false for a
// code they do not know.
bool zeichneGleis(Flaeche& f, int code);                 // plain track, turnouts
bool zeichneSignal(Flaeche& f, int code, int artikel);   // signals of both families
bool zeichneModul(Flaeche& f, int code);                 // keys, displays and other modules
bool zeichneWerkzeug(Flaeche& f, int code);
bool zeichneGrundplatte(Flaeche& f, int artikel);
QImage zeichneFahrregler(int teil, bool hervorgehoben);  // part 0..2, or -1 for the whole throttle
