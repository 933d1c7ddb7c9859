#pragma once

// The keys of a 3-button segment: key 0 left, 1 middle, 2 right. Each key has
// one function (LNCV 115 + key) that decides which LNCVs hold its data.
enum T3Funktion : int {
    T3Schalten = 0,       // accessory address in LNCV 11 + k
    T3Lokfunktion = 1,    // loco address and function number in LNCV 50 + 2k, 51 + 2k
    T3Zieltaste = 2,      // destination key: address x 10 + red/green in 39 + 2k, LED 15 + k, key lock 40 + 2k
    T3Rueckmeldung = 3,   // route feedback: address x 10 + free/occupied in 39 + 2k, LED 15 + k, key lock 40 + 2k
    T3Entkuppler = 4,     // uncoupler: address x 10 + red/green in 11 + k, LNCV 14 bit k + 3
    T3StopGo = 5,         // GO on the middle key, STOP on the right key; LNCV 3 bit 3
};
inline constexpr int T3Tasten = 3;
inline constexpr int T3Funktionen = 6;

// LNCV holding the function code of key k.
inline int T3FunktionsLncv(int k)
{
    return 115 + k;
}

// The six LNCV numbers of key Taste (0, 1 or 2): switching/uncoupler address
// 11 + k, loco address 50 + 2k, loco function 51 + 2k, destination or
// feedback value 39 + 2k, LED address 15 + k, key-lock address 40 + 2k.
// Any other Taste leaves the outputs unchanged.
void T3_Taste_LNCV_Nr(int Taste, int& Schalt, int& Lok, int& Sfkt, int& Ziel, int& Led, int& Sperre);
