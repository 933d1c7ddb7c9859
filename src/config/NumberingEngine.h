#pragma once
#include <functional>

// One step of automatic addressing and the walk over the desk in the chosen
// numbering order. Both work on AdrOpt and PultFelder.

// IncAutoAdr returns this when the user ended the numbering (or a run was refused).
inline constexpr int NummerierungBeendet = 99;

// Groups counted in half addresses (red and green output of one accessory address).
bool istHalbadressGruppe(int gruppe);

// Highest address a group may hand out: 2047 for accessory, 4095 for feedback groups.
int adressMaximum(int gruppe);

// Groups checked against each other for overlapping ranges: 0 accessory, 1 feedback, -1 none.
int kollisionsKlasse(int gruppe);

// Amount one address of the group advances its offset: 0.5 for half-address
// groups, 2 for main and distant signals when they are multi-aspect, else 1.
float adressSchritt(int gruppe);

// True when a numbering run (not a clear run) would hand out an address to
// LNCV lncvNr of field (x, y): the LNCV is ticked, may be replaced, and an
// illumination LNCV has its illuminated neighbour piece.
bool wirdVergeben(int gruppe, int x, int y, int lncvNr);

// Numbers (Vergeben true) or clears LNCV LNCVNr of field (x, y) in group
// Gruppe. Returns 0 when done or skipped, NummerierungBeendet when the user
// ended the numbering in the collision question.
int IncAutoAdr(int Gruppe, int x, int y, int LNCVNr, bool Vergeben);

// The field of one pair of loop values: Tausch false gives column Aussen,
// row Innen; Tausch true column Innen, row Aussen.
void RowCol_XY(int& y, int& x, int Aussen, int Innen, bool Tausch);

// Builds the loop table for the current desk; an order outside 0..7 is taken as 0.
void schleifenTabelleBauen();

// Visits every desk field once in the numbering order (the loop table is
// built first). schritt returns 0 to go on; any other value ends the walk
// and is returned.
int pultDurchlaufen(const std::function<int(int x, int y)>& schritt);
