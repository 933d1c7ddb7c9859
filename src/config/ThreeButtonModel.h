#pragma once
#include <QString>
#include <array>

struct PultFeld;

// What the 3-button dialog shows for one key, free of widgets. Texts are the
// box texts; a box's value is the number its text begins with (0 when none).
struct T3Taste {
    int funktion = -1;          // 0..5; -1 = no function option selected
    QString magAdr, lokAdr, sfktAdr;
    QString ztMagAdr, ztLedAdr, ztSperre;
    QString rmAdr, rmLed, rmSperre;
    bool magAuto = false, ztAuto = false, ztLedAuto = false, ztSperreAuto = false;
    int rotGruen = -1;          // 0 "Taster sendet ROT", 1 "GRÜN", -1 neither
    int freiBelegt = -1;        // 2 "Taster sendet Frei", 3 "Belegt", -1 neither
};
using T3Eingabe = std::array<T3Taste, 3>;

// Largest value of the address boxes and of the loco boxes.
inline constexpr int T3AdressMax = 2047;
inline constexpr int T3LokMax = 9999;

// The keys as stored in the field: a function outside 0..5 gives funktion -1
// and the key's boxes "0", like a key without data.
T3Eingabe t3Lesen(const PultFeld& feld);

// Index of the first key whose function needs a state (red/green, free/occupied)
// while none is chosen; -1 when every key has what it needs.
int t3TasteOhneZustand(const T3Eingabe& eingabe);

// True when every box that the keys' functions use is within its maximum.
bool t3WerteImBereich(const T3Eingabe& eingabe);

// Writes the three keys into the field: their six LNCVs, the function codes
// 115..117, LNCV 3 bit 3 (STOP/GO), LNCV 14 bits 3..5 (uncouplers) and the
// automatic-numbering flags of the LNCVs the functions use. A key without a
// selected function keeps its function code and gets its six LNCVs cleared.
// Refused (false, nothing written) while a key lacks its state or a used box
// is out of range.
bool t3Schreiben(PultFeld& feld, const T3Eingabe& eingabe);
