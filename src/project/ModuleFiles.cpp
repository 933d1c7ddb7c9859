#include "project/ModuleFiles.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "project/ChangeDetection.h"
#include "project/DeskRecord.h"
#include "project/LncvFile.h"
#include "routes/RouteTable.h"

#include <algorithm>

void feldModulDateien(int x, int y, std::vector<ModulDatei>& liste)
{
    PultFeld& f = PultFelder[size_t(x)][size_t(y)];
    if (f.ElementIndex < 0 || f.ElementIndex >= KatalogSlots)
        return;
    const KatalogEintrag& e = ElementKatalog[size_t(f.ElementIndex)];
    if (e.ArtikelNr != FSSpeicherArtikel) {
        if (hatLncvDatei(e.ArtikelNr))
            liste.push_back({x, y, -1, e.ArtikelNr, lncvDateiName(e.ArtikelNr, f.LNCV[0]), f.LNCV.data(),
                             f.ProgKopie.data(), std::clamp<int>(e.LNCVAnzahl, 0, LncvAnzahlModul), MarkeLncvModul});
        return;
    }
    for (int s = 0; s < FSSpeicherMax; ++s) {
        FSSpeicherModul& m = FSSpeicher[size_t(s)];
        if (m.X == x && m.Y == y)
            liste.push_back({x, y, s, e.ArtikelNr, lncvDateiName(e.ArtikelNr, m.LNCV[0]), m.LNCV.data(),
                             m.ProgKopie.data(), LncvAnzahlFSSpeicher, MarkeLncvFSSpeicher});
    }
}

std::vector<ModulDatei> modulDateien()
{
    std::vector<ModulDatei> liste;
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            feldModulDateien(x, y, liste);
    return liste;
}
