#pragma once
#include <cstdint>

// The route-definition state beside FSinArbeit and the desk clicks
// (RouteTable.h): the answers of the route step dialogs and the shared
// position of the seven step dialogs.

// Answer of a route step dialog; the caller sets it to Warten before it shows one.
namespace FSAntwort {
enum : int16_t { Warten = 0, OK = 1, Abbruch = 2 };
}
inline int16_t FSBestaet = FSAntwort::Warten;

// Destination of the destination step: -1 an ordinary destination key,
// 0, 1, 2 the left, middle or right key of a 3-button segment.
inline int16_t FSAuswahl = -1;

// Answer of the key-choice dialog: -1 waiting, 0 left, 1 middle, 2 right, 3 cancel.
inline int16_t ZT3TMTaste = -1;

// Code of the step dialog activated last; all seven follow its position.
inline int16_t WinAkt = 1;

// Index of the route the wizard is creating, -1 when none. Steps evaluated for
// another route (the route editor) change an existing route.
inline int FSNeueFahrstrasse = -1;

// Refuses a command while a route is being defined or edited: tells the user
// and returns true; returns false when no route is in work.
bool fsInArbeitAbweisen();
