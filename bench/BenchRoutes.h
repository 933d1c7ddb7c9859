#pragma once
// A full route table for the benchmarks of the route memory code.
#include "core/Desk.h"
#include "routes/RouteCommands.h"
#include "routes/RouteTable.h"

#include <iterator>

// A command of every type in turn, on fields whose LNCVs give the addresses.
inline void routenFuellen()
{
    static const int16_t arten[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 21, 22, 23, 24, 25};
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            for (int n = 0; n < 128; ++n)
                PultFelder[size_t(x)][size_t(y)].LNCV[size_t(n)] = int16_t((x * 7 + y * 13 + n) % 2000);
    for (int r = 0; r <= FSMax; ++r) {
        FSDaten[size_t(r)] = LeerFahrstrasse;
        FSDaten[size_t(r)].Rueckmeldeadressen = {int16_t(1000 + r), 3, int16_t(1000 + r), 2, 0};
        FSAnzahl = int16_t(r);
        for (int l = 0; l < 2; ++l)
            for (int i = 0; i < BefehlMax; ++i) {
                const int e = FindNewRouteElement(r, l);
                const int16_t art = arten[(r + i) % int(std::size(arten))];
                const int16_t x = int16_t(1 + (r + i) % PultdimensionenX), y = int16_t(1 + i % PultdimensionenY);
                const bool mitFeld = art <= 8;
                RouteBefehl& b = FSDaten[size_t(r)].Route[size_t(l)][size_t(e)];
                b[Befehl::X] = mitFeld ? x : int16_t(0);
                b[Befehl::Y] = mitFeld ? y : int16_t(0);
                b[Befehl::Wert] = art == 5 ? x : int16_t(100 + i);
                b[Befehl::Zustand] = art == 5 ? y : int16_t(i % 2);
                b[Befehl::Befehlsart] = art;
                b[Befehl::LNCVNr] = mitFeld ? int16_t(31) : LNCVNrImWert;
            }
    }
}

// Five route memories on the right-hand column of a 20 x 20 desk.
inline void routenspeicherSetzen()
{
    PultdimensionenX = PultdimensionenY = 20;
    for (int m = 0; m < FSSpeicherMax; ++m) {
        FSSpeicher[size_t(m)].X = int16_t(20);
        FSSpeicher[size_t(m)].Y = int16_t(m + 1);
    }
}
