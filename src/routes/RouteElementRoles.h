#pragma once
#include <QString>

// Which desk elements a route takes in which role, and the texts that tell the
// user what a click on the desk found. Element codes are those of the catalogue.

bool istStarttaste(int code);      // start key, and an ordinary destination key
bool istWeiche(int code);          // turnout of the element step
bool istFsSignal(int code);        // signal of the element step
bool istAuslNachbar(int code);     // illuminated piece beside its module (51, 52)

// Element code on desk field (x, y); 0 outside the desk.
int fsElementCode(int x, int y);

// Is key k (0..2) of the 3-button segment on field (x, y) a destination key (function 2)?
bool dreiTastenZiel(int x, int y, int k);
// Has the 3-button segment on field (x, y) at least one destination key?
bool dreiTastenMitZiel(int x, int y);

// "X= 3 / Y= 5": the position text of a clicked field.
QString fsPosition(int x, int y);

// What the start and destination steps show for a clicked field, and whether
// it may be confirmed.
struct KlickBefund {
    QString text;
    bool ok = false;
};
KlickBefund startKlick(int x, int y);
// An ordinary destination key (not a 3-button segment): its LNCV 39 names the address.
KlickBefund zielKlick(int x, int y);
// Key k (0..2) of a 3-button segment chosen as destination: LNCV 39 + 2k.
KlickBefund dreiTastenZielKlick(int x, int y, int k);
// The 3-button segment on (x, y) offers no destination key.
KlickBefund zielVerweigert(int x, int y);

// Is (x, y) with destination choice `auswahl` (-1, or 0..2 for a 3-button
// segment) a destination the route may take?
bool zielGueltig(int x, int y, int auswahl);

// Column of the module whose illumination the piece 51 or 52 on (x, y) shows:
// the first field of another element leftwards (51) or rightwards (52) along
// the row; 0 when the desk edge comes first or (x, y) holds neither piece.
int auslModulSpalte(int x, int y);
// LNCV of that module holding the illumination address: 23 for 51, 21 for 52.
int auslModulLncv(int code);

// The parts of a signal element that the signal step offers.
struct SignalTeile {
    bool haupt = false, vor = false, rangier = false, zwerg = false, ausleuchtung = false;
};
SignalTeile signalTeile(int code);

// Number of drives of a turnout for the element step: 1 or 2. Crossing
// turnouts (201..203) follow their LNCV 15; a value outside 4..9 keeps
// `bisher` (the decision of the previous turnout click).
int weichenAntriebe(int code, int lncv15, int bisher);
