#include "project/ChangeDetection.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "project/DeskRecord.h"
#include "routes/RouteCodeFollowsDesk.h"
#include "routes/RouteTable.h"

#include <algorithm>

void make_lncv_copy(const int16_t* lncv, int16_t* kopie, int n)
{
    std::copy(lncv, lncv + n, kopie);
}

bool chk_lncv_copy(const int16_t* lncv, const int16_t* kopie, int n)
{
    return !std::equal(lncv, lncv + n, kopie);
}

namespace {
bool modulGeaendert(int x, int y)
{
    const PultFeld& feld = PultFelder[size_t(x)][size_t(y)];
    const KatalogEintrag& element = ElementKatalog[size_t(feld.ElementIndex)];
    switch (element.ArtikelNr) {
    case 54650: case 54660: case 54680: case 54690: case 54700: case 54710:
        return chk_lncv_copy(feld.LNCV.data(), feld.ProgKopie.data(), std::min<int>(element.LNCVAnzahl, 128));
    case 54670:
        return std::any_of(FSSpeicher.begin(), FSSpeicher.end(), [&](const FSSpeicherModul& m) {
            return m.X == x && m.Y == y && chk_lncv_copy(m.LNCV.data(), m.ProgKopie.data(), 2048);
        });
    default:
        return false;
    }
}
} // namespace

bool check_aenderung()
{
    fsCodeNachfuehren();
    bool geaendert = false;
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            if (PultFelder[size_t(x)][size_t(y)].Geaendert == 1 || modulGeaendert(x, y))
                geaendert = true;
    return geaendert;
}

bool aenderungZuMarkieren(const int16_t* lncv, const int16_t* kopie, int n)
{
    return PultDaten.PultProgJahr != 0 && chk_lncv_copy(lncv, kopie, n);
}
