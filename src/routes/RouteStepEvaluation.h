#pragma once
#include <QString>

// What a confirmed route step writes into the route record: the name, the
// start key, the destination key with the route's LocoNet commands and its
// route slot, the release condition, and the commands of the set list. The
// inputs are what the step dialogs held; the clicked field is FSKlickX,
// FSKlickY and the destination choice FSAuswahl.

// Result of a step: done (go on), repeat it, or the route table is full.
namespace SchrittErgebnis {
enum : int { Fertig = 0, Wiederholen = 1, TabelleVoll = 99 };
}

// Release step: the first selected feedback option (0..4 free, 5..9 occupied
// of the sources LNCV 13, 22, 24, 26, 28), or a typed address with its state.
struct FreigabeEingabe {
    bool nurTaste = false;          // released by the release key only
    int option = -1;
    bool adresseAngeboten = false;  // the frame for a typed address was shown
    int adresse = 0;
    int zustand = -1;               // 0 "frei", 1 "belegt", -1 none chosen
    int pause = 0;                  // seconds
};

// Turnout: chosen state of each drive, 0 red, 1 green, -1 none.
struct WeichenEingabe {
    int antrieb1 = -1;
    int antrieb2 = -1;
};

// Signal: the parts ticked "benutzen" and their aspects, 0 red, 1 green, -1 none.
struct SignalEingabe {
    bool haupt = false;
    int haupt1 = -1;
    bool mehrbegriffig = false;
    int haupt2 = -1;
    int haupt2Adresse = 0;          // typed second address of a multi-aspect main signal
    bool vor = false;
    int vor1 = -1;
    int vor2 = -1;
    int hauptsignalX = 0;           // main signal picked for a linked distant signal, 0 = none
    int hauptsignalY = 0;
    bool rangier = false;
    int rangierZustand = -1;
    bool ausleuchtung1 = false;
    bool ausleuchtung2 = false;
};

// Everything the element step may read; the clicked field's element decides which part counts.
struct ElementEingabe {
    WeichenEingabe weiche;
    SignalEingabe signal;
    bool nachbarBenutzen = false;   // illuminated piece: "benutzen"
};

// Step 0: a new route (route -1) takes the next free record, cleared, with the
// name; an existing route only gets the new name. An empty name repeats.
void nameAuswerten(int& route, const QString& name, int& ergebnis);
// Step 1: the clicked start key. Without a click, or on a field that cannot be a start key: repeat.
void startAuswerten(int route, bool geklickt, int& ergebnis);
// Step 2: the clicked destination key. A new route also gets its LocoNet
// commands and a route slot; without a free slot it is dropped (route := -1,
// schritt := 4). An existing route keeps its commands and its slot.
void zielAuswerten(int& route, bool geklickt, int& schritt, int& ergebnis);
// Step 3: the release condition. Release by key only leaves the route
// without a release feedback.
void freigabeAuswerten(int route, const FreigabeEingabe& e, int& ergebnis);
// Step 4: the clicked element's commands; without a click the element step is
// done. A clicked field is marked in the address grid only when a command for
// it was stored; with or without one the step repeats.
void elementAuswerten(int route, bool geklickt, const ElementEingabe& e, int& ergebnis);

// Writes a route mark into line 1 or 2 of desk field (x, y) in the address grid.
void SetPultAdr_mit_FSInfo(int x, int y, int zeile, const QString& text);
