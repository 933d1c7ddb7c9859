#pragma once
#include "support/TestDesk.h"

// A small catalogue held in memory and an empty desk with its grids built,
// for the tests of the address grid and the tooltips.
namespace AdressTestPult {

using TestDesk::lncv;
using TestDesk::setzen;

enum Eintrag {
    Leer = 0, Loeschen, Weiche, Weiche201, Signal, SignalLinks, Entkuppler, Schaltertaste, Zieltaste, Drei,
    Joystick, Joystick711, Zna, Gleis, Weiche424, Anzahl
};

inline void katalogSetzen()
{
    struct Zeile { const char* name; int code; int artikel; };
    static const Zeile zeilen[Anzahl] = {
        {"Leer", 0, 0},          {"Löschen", -99, -99},      {"Weiche", 101, 54650},   {"Weiche 3", 201, 54650},
        {"Signal", 531, 54660},  {"Signal L", 511, 54710},   {"Entkuppler", 401, 54650}, {"Schalter", 610, 54650},
        {"Zieltaste", 402, 54660}, {"3 Tasten", 700, 54690}, {"Joystick", 710, 54700}, {"Joystick 2", 711, 54700},
        {"Zugnummer", 920, 54680}, {"Gleis", 10, 54642},     {"Taste", 424, 54650},
    };
    leererKatalog();
    for (int i = Loeschen; i < Anzahl; ++i)
        katalogAnhaengen(QString::fromUtf8(zeilen[i].name), zeilen[i].code, zeilen[i].artikel);
}

// Catalogue and an empty desk of dx x dy fields with its grids sized.
inline void anlegen(int dx, int dy)
{
    katalogSetzen();
    TestDesk::leeresPult(dx, dy);
}

} // namespace AdressTestPult
