#pragma once
#include "core/Desk.h"
#include "core/DeskReset.h"
#include "core/Words.h"
#include "project/DeskRecord.h"
#include "support/TestCatalogue.h"

#include <QList>

// The desk the tests work on: an empty desk of a given size on the catalogue
// loaded, and its fields.
namespace TestDesk {

// Empty fields of LeerFeld on a desk of dx x dy fields, with its grids sized.
inline void leeresPult(int dx, int dy)
{
    PultdimensionenX = int16_t(dx);
    PultdimensionenY = int16_t(dy);
    init_flexgrid();
    for (auto& spalte : PultFelder)
        spalte.fill(LeerFeld);
}

// A new project's empty desk of dx x dy fields, cleared the way the program does.
inline void neuesPult(int dx, int dy)
{
    PultDaten = PultDatenSatz{};
    PultdimensionenX = int16_t(dx);
    PultdimensionenY = int16_t(dy);
    pult_leeren();
}

inline PultFeld& feld(int x, int y) { return PultFelder[size_t(x)][size_t(y)]; }

inline int lncv(int x, int y, int n) { return Int_to_UWord(feld(x, y).LNCV[size_t(n)]); }

// Puts catalogue entry `index` on field (x, y) with the LNCVs given as pairs number, value (0..65535).
inline PultFeld& setzen(int x, int y, int index, const QList<int>& lncvs = {})
{
    PultFeld& f = feld(x, y);
    f = LeerFeld;
    f.ElementIndex = int16_t(index);
    for (qsizetype i = 0; i + 1 < lncvs.size(); i += 2)
        f.LNCV[size_t(lncvs[i])] = alsWort(lncvs[i + 1]);
    return f;
}

} // namespace TestDesk
