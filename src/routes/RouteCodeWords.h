#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// The route code of one command list: a block of unsigned 16-bit words, each
// A*10 + C. The header carries the route's LocoNet command (code + 6), then
// every command of the chain gives one word (a distant-signal link two).

inline constexpr int FSBlockMax = 201;   // header and 100 commands of two words each

struct FSBlock {
    std::array<uint16_t, FSBlockMax> worte{};
    int n = 0;                           // words used; 0 = the list gives no block
};

// A command left out of the code because its word would not fit 16 bits (or
// its type or state gives no word): route, list, position in the chain from 1.
struct FSVerweigert {
    int route = 0, liste = 0, befehl = 0;
    QString grund;
};

// Builds the block of list l (0 set, 1 release) of route r. A list without
// commands gives no block; a header that does not fit gives none either and
// is reported with befehl = 0. Refused commands are appended to `verweigert`.
FSBlock fsBlock(int r, int l, std::vector<FSVerweigert>& verweigert);
