#include "loconet/PultModul.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/Placement.h"
#include "routes/RouteCodeFollowsDesk.h"
#include "routes/RouteTable.h"

#include <algorithm>

int PultModul::letzteEntschiedene() const
{
    switch (artikel) {
    case 54670: return 2039;
    case 54680: return 30;
    case 54690: return 55;
    case 54700: return 89;
    default: return 80;   // turnout and signal boards
    }
}

int PultModul::uebernahmeAnzahl() const
{
    if (istFSSpeicher())
        return 2048;
    const int anzahl = ElementKatalog[size_t(PultFelder[size_t(x)][size_t(y)].ElementIndex)].LNCVAnzahl;
    return std::clamp(anzahl, 0, 128);
}

void PultModul::kopieVergessen() const
{
    std::fill_n(kopie, istFSSpeicher() ? 2048 : 128, int16_t(0));
}

bool istProgrammierbar(int32_t artikel)
{
    switch (artikel) {
    case 54650: case 54660: case 54670: case 54680: case 54690: case 54700: case 54710:
        return true;
    default:
        return false;
    }
}

std::optional<PultModul> pultModul(int x, int y)
{
    if (!imPult(x, y))
        return std::nullopt;
    PultFeld& feld = PultFelder[size_t(x)][size_t(y)];
    const KatalogEintrag& e = ElementKatalog[size_t(feld.ElementIndex)];
    if (!istProgrammierbar(e.ArtikelNr))
        return std::nullopt;
    PultModul m{x, y, e.ArtikelNr, e.ArtikelNr / 10, feld.LNCV.data(), feld.ProgKopie.data(), e.Bild};
    if (m.istFSSpeicher()) {
        fsCodeNachfuehren();
        const int slot = fahrstrassenSpeicherSlot(x, y);
        if (slot < 0)
            return std::nullopt;
        m.lncv = FSSpeicher[size_t(slot)].LNCV.data();
        m.kopie = FSSpeicher[size_t(slot)].ProgKopie.data();
    }
    return m;
}
