#include "config/ThreeButtonKeys.h"

void T3_Taste_LNCV_Nr(int Taste, int& Schalt, int& Lok, int& Sfkt, int& Ziel, int& Led, int& Sperre)
{
    if (Taste < 0 || Taste >= T3Tasten)
        return;
    Schalt = 11 + Taste;
    Lok = 50 + 2 * Taste;
    Sfkt = 51 + 2 * Taste;
    Ziel = 39 + 2 * Taste;
    Led = 15 + Taste;
    Sperre = 40 + 2 * Taste;
}
