#pragma once
#include "core/CatalogueState.h"
#include "core/DeskReset.h"
#include "core/Desk.h"
#include "core/Words.h"

#include <QList>

// A small catalogue held in memory and an empty desk with its grids built,
// for the tests of the address grid and the tooltips.
namespace AdressTestPult {

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
    ElementKatalog = {};
    for (int i = 0; i < Anzahl; ++i) {
        ElementKatalog[size_t(i)].Name = QString::fromUtf8(zeilen[i].name);
        ElementKatalog[size_t(i)].ElementNr = int16_t(zeilen[i].code);
        ElementKatalog[size_t(i)].ArtikelNr = zeilen[i].artikel;
    }
    KatalogAnzahl = Anzahl;
    LeerIndex = Leer;
    LeerFeld = PultFeld{};
    LeerFeld.AutoFlag.fill(1);
}

// Catalogue and an empty desk of dx x dy fields with its grids sized.
inline void anlegen(int dx, int dy)
{
    katalogSetzen();
    PultdimensionenX = int16_t(dx);
    PultdimensionenY = int16_t(dy);
    init_flexgrid();
    for (auto& spalte : PultFelder)
        spalte.fill(LeerFeld);
}

// Puts catalogue entry e on field (x, y) with the LNCVs given as pairs number, value (0..65535).
inline PultFeld& setzen(int x, int y, int e, const QList<int>& lncvs = {})
{
    PultFeld& f = PultFelder[size_t(x)][size_t(y)];
    f = LeerFeld;
    f.ElementIndex = int16_t(e);
    for (qsizetype i = 0; i + 1 < lncvs.size(); i += 2)
        f.LNCV[size_t(lncvs[i])] = alsWort(lncvs[i + 1]);
    return f;
}

} // namespace AdressTestPult
