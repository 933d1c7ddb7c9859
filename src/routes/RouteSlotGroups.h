#pragma once
#include <cstdint>

// The four groups of a route slot as the route-slot dialog shows them: an
// address and the option of its code. g = 0 destination key (red, green),
// 1 set command (red, green, free, occupied), 2 release feedback (free,
// occupied), 3 release command (red, green, free, occupied).

inline constexpr int FSGruppenAnzahl = 4;

// Does group g offer code c (0 red, 1 green, 2 free, 3 occupied)?
bool fsGruppeBietetCode(int g, int code);

// Largest address of group g with code `code` (-1 none chosen): feedback
// addresses reach 4095, accessory addresses 2047.
int fsGruppeMaximum(int g, int code);

struct FSGruppenWert {
    int adresse = 0;
    int code = -1;        // chosen option, -1 none
    bool operator==(const FSGruppenWert&) const = default;
};

// How group g shows the slot word `wort` (0..65535): address wort / 10 and the
// option of its code when the group offers it and the word is not 0.
FSGruppenWert fsGruppeZeigen(int g, int32_t wort);

// The word group g stores for what the dialog holds: address*10 + code (0
// when no option is chosen). A group left as it was shown keeps its former
// word `alt` unchanged, also one whose code the group does not offer.
int32_t fsGruppeWort(int g, const FSGruppenWert& wert, int32_t alt);
