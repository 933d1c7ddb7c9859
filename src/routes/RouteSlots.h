#pragma once
#include <cstdint>

// The route slots of the signal boards: the signal board under a route's
// start key (article 54660, or 54710 for left-hand traffic) keeps the route's
// trigger data in one of ten slots s = 0..9, LNCV 41+4s..44+4s of the field:
// destination key, set command, release feedback and release command, each
// address*10 + code. A route refers to its slot through Start(2) = s + 1.
// Slots are only ever written into a field that still carries a signal board.

inline constexpr int FSSlotAnzahl = 10;
inline constexpr int FSSlotErsteLNCV = 41;     // slot s: LNCV 41+4s .. 44+4s
inline constexpr int FSRueckmeldeAdrMax = 4095;

// First LNCV of slot s (0..9).
constexpr int fsSlotLncv(int s) { return FSSlotErsteLNCV + 4 * s; }

// Does field (x, y) lie on the desk and carry a signal board?
bool traegtSignalmodul(int x, int y);

// Is slot s of field (x, y) taken: one of its four LNCVs is not 0, or a route
// other than `ausser` refers to it?
bool fsSlotBelegt(int x, int y, int s, int ausser = -1);

// The four words of route r's slot (address*10 + code, 0..65535), in LNCV
// order. A release feedback that does not fit gives 0, never a word that
// wrapped into another address.
struct FSSlotWerte {
    int32_t ziel = 0, festlegen = 0, freimeldung = 0, aufloesen = 0;
};
FSSlotWerte fsSlotWerte(int r);

// Takes the lowest free slot of route r's start field and writes it: 0 on
// success, -99 (after saying why) when the start field carries no signal
// board, all ten slots are taken, or a feedback address of the route lies
// above 4095. Start(2) stays 0 then. With `verlegen` the route exists already
// and its start key moves: the message says it keeps its former start key.
int NeueFSin54660(int r, bool verlegen = false);

// Writes the four LNCVs of route r's slot (none when Start(2) is 0), for a
// change of that route. The automatic-numbering flags are not touched. A
// release feedback above 4095 is left out of the slot, and the message names
// the route.
void SetFSin54660(int r);

// Rewrites the slots of all routes 0..FSAnzahl, so that changed destination
// and feedback addresses reach them. When the release feedbacks left out
// differ from what the user was last told (a route newly left out, left out
// with another address, or fitting again while others stay left out), one
// message names every route whose release feedback is left out; the same
// state again tells nothing.
void RefreshFSin54660();

// A new route table: release feedbacks left out are told again.
void freimeldungsHinweisVergessen();

// Sets the four LNCVs of route r's slot to 0 (none when Start(2) is 0).
void DelFSin54660(int r);
