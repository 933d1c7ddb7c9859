#pragma once
#include "routes/RouteCodeWords.h"

// The route memory code: LNCV 6..2039 of the route memory images FSSpeicher
// hold, route by route, the block of the set list and then the block of the
// release list. Both blocks of a route go into the same route memory, the
// first one with room; a memory that cannot take a route is marked full and
// the code goes on in the next slot that holds a route memory. With
// AdrOpt_FahrstFolgenStart a >= 1 every block starts at a multiple of a and
// at least one LNCV stays free behind the block before; a <= 0 packs them.

inline constexpr int FSCodeErsteLNCV = 6;
inline constexpr int FSCodeLetzteLNCV = 2039;

// Does image slot m hold a route memory of the desk?
bool fsSpeicherVorhanden(int m);

// Places the two blocks of one route into the route memories: 0 when placed,
// -1 when no route memory had room (every one is marked full then).
int copy_to_54670(const FSBlock& festlegen, const FSBlock& aufloesen);

// Rebuilds the code of all route memories from all routes. Says so when
// routes exist but no route memory, when routes did not fit (naming them), and
// when commands were left out because their word would not fit 16 bits.
void make_54670_code();

// The same rebuild without a word, for the code that follows every change of
// what it reads; what did not fit is told where routes are defined, changed
// or loaded and where route memories are placed or removed.
void fsCodeErneuern();
