#pragma once
#include "routes/RouteTable.h"

#include <vector>

// The two command lists of a route (s = 0 sets the route, 1 releases it):
// doubly linked chains through the fixed slots 1..100. A slot is free when
// both its links are 0 and used when both are non-zero. Every walk along a
// chain is bounded, so a damaged list (broken or circular links) never hangs.

// Command types of Befehl::Befehlsart.
namespace Befehlsart {
enum : int16_t {
    Ausleuchtung = 1, Weiche = 2, Vorsignal1 = 3, Vorsignal2 = 4, VorsignalKopplung = 5, Rangiersignal = 6,
    Hauptsignal1 = 7, Hauptsignal2 = 8, Pause = 9, Freimeldung = 10,
    NutzerMagnetartikel = 21, NutzerRueckmeldung = 22, NutzerPause = 23, NutzerFSAufruf = 24, NutzerFSNummer = 25,
};
} // namespace Befehlsart

// Is slot e of list s of route r in use (both links non-zero)? False for e outside 1..100.
bool befehlBelegt(int r, int s, int e);

// First / last command of list s of route r: the lowest used slot whose
// Vorgaenger / Nachfolger is 65535; -1 when the list is empty.
int FirstRouteIdx(int r, int s);
int LastRouteIdx(int r, int s);

// The slots of list s of route r in chain order, from FirstRouteIdx along
// Nachfolger. Stops at the last command, at a link to a slot that is not in
// use, and at a slot met before; at most 100 slots.
std::vector<int> RouteKette(int r, int s);

// Highest used slot of list s of route r (searched from 100 down); 0 when the
// list is empty. The project file writes slots 1..RouteSaveAnz.
int RouteSaveAnz(int r, int s);

// Takes the first free slot for a new command and links it at the end of the
// list; returns the slot, or -1 when all 100 are used (nothing changes then).
// The caller fills fields X..LNCVNr.
int FindNewRouteElement(int r, int s);

// Unlinks slot e from its list and sets its 8 words to 0.
void DelRouteElement(int r, int s, int e);

// Removes duplicate commands (equal in X, Y, Wert, Zustand, Befehlsart and
// LNCVNr) of list s; of two equal commands the one in the lower slot stays.
// Only used slots are compared.
void GleicheEintraegeLoeschen(int r, int s);

// Completes a newly defined route r: chains list 0 by command type (turnouts
// after illumination, signals after turnouts, pause and release feedback
// last; slot order within a type) and builds list 1 from it: every command
// but turnouts, pauses and feedback, switched to red/off, with its address.
void Make_new_FS(int r);

// "Fahrstraße zu lang!": a command list is full.
void FS_zu_lang_Meldung();
