#include "core/PartsList.h"

#include "config/SupplyServices.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"

#include <algorithm>

namespace {
// Part class of an article, -1 when it counts nowhere.
int klasseVon(int32_t artikel)
{
    switch (artikel) {
    case 54640: return 1;
    case 54642: return 2;
    case 54644: return 3;
    case 54650: return 4;
    case 54660: return 5;
    case 54670: return 6;
    case 54680: return 7;
    case 54730: return 8;
    case 54690: return 11;
    case 54700: return 12;
    case 54710: return 13;
    case 54480: return 16;
    case 54490: return 17;
    default: return -1;
    }
}

int32_t aufgerundet(int32_t n, int32_t d)
{
    return n <= 0 ? 0 : n / d + (n % d > 0 ? 1 : 0);
}

void abziehen(int32_t& wert, int32_t menge)
{
    wert = std::max(wert - menge, 0);
}

void teileZaehlen()
{
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y) {
            const PultFeld& f = PultFelder[size_t(x)][size_t(y)];
            int32_t a = 0;
            if (ElementKatalog[size_t(f.ElementIndex)].ArtikelNr > 54430)
                a = ElementKatalog[size_t(f.ElementIndex)].ArtikelNr;
            if (f.Grundplatte > 54430)
                a = f.Grundplatte;
            if (const int k = klasseVon(a); k >= 0)
                ++StkAnzahl[size_t(k)];
        }
    StkAnzahl[0] = PultdimensionenX * PultdimensionenY - 3 * StkAnzahl[8];
}

void setsBerechnen(std::array<int32_t, 18>& t)
{
    const auto& n = StkAnzahl;
    if (n[17] < 1 || (n[5] < 1 && n[13] != 0)) {
        for (int i : {4, 5, 1, 2, 17})
            t[size_t(i)] = n[size_t(i)];
    } else {
        StkBestell[9] = 1;
        t[4] = std::max(n[4] - 3, 0);
        t[5] = std::max(n[5] - 3, 0);
        t[1] = std::max(n[1] - 4, 0);
        t[2] = std::max(n[2] - 2, 0);
        t[17] = std::max(n[17] - 1, 0);
    }
    if (t[17] > 0 && n[13] > 0) {
        StkBestell[14] = 1;
        abziehen(t[4], 3);
        t[13] = std::max(n[13] - 3, 0);
        abziehen(t[1], 4);
        abziehen(t[2], 2);
        abziehen(t[17], 1);
    } else {
        t[13] = n[13];
    }
    for (const auto& [signale, bestell] : {std::pair{5, 10}, std::pair{13, 15}}) {
        const int32_t e = std::min(t[4], t[size_t(signale)]) / 4;
        StkBestell[size_t(bestell)] = e;
        abziehen(t[4], 4 * e);
        abziehen(t[size_t(signale)], 4 * e);
        abziehen(t[1], 2 * e);
        abziehen(t[2], 4 * e);
    }
}
} // namespace

void calc_stueckliste()
{
    StkAnzahl.fill(0);
    StkBestell.fill(0);
    std::array<int32_t, 18> t{};
    teileZaehlen();
    setsBerechnen(t);
    StkBestell[1] = aufgerundet(t[1], 2);
    StkBestell[2] = aufgerundet(t[2], 4);
    StkBestell[3] = aufgerundet(StkAnzahl[3], 2);
    for (int i : {4, 5, 13, 17})
        StkBestell[size_t(i)] = std::max(t[size_t(i)], 0);
    for (int i : {6, 7, 8, 11, 12})
        StkBestell[size_t(i)] = StkAnzahl[size_t(i)];
    const int32_t s = PultdimensionenX * PultdimensionenY
        - 30 * (StkBestell[9] + StkBestell[10] + StkBestell[14] + StkBestell[15]) - 3 * StkBestell[8]
        - StkBestell[11] - StkBestell[12];
    StkBestell[0] = aufgerundet(s, 6);
}

void Check_Elek_Verb()
{
    auto_scan();
}
