#include "config/SupplyScan.h"

#include "config/SupplyServices.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskChanges.h"
#include "core/Placement.h"
#include "core/Words.h"
#include "routes/RouteTable.h"

#include <algorithm>
#include <vector>

namespace {
// Part codes that carry the supply in a special way.
constexpr int32_t Anschlussmodul = 54430;
constexpr int32_t Querverbinder = 54640;
constexpr int32_t ReglerUnten = 54730;
constexpr int32_t ReglerMitte = 54731;
constexpr int32_t ReglerOben = 54732;
constexpr int32_t Routenspeicher = 54670;

constexpr int16_t ErsteStartverzoegerung = 30;

enum Richtung { Links, Rechts, Hoch, Runter };

PultFeld& feld(int x, int y)
{
    return PultFelder[size_t(x)][size_t(y)];
}

int elementNr(const PultFeld& f)
{
    return f.ElementIndex >= 0 && f.ElementIndex < KatalogSlots ? ElementKatalog[size_t(f.ElementIndex)].ElementNr : 0;
}

// Cross connection boards and the three fields of a throttle pass the supply on in several directions.
bool istKnoten(int32_t p)
{
    return p == Querverbinder || p == ReglerUnten || p == ReglerMitte || p == ReglerOben;
}

// A walk up or down the column of a throttle ends in the column's end field:
// the supply does not leave the column upward or downward.
bool endeDerReglerspalte(int32_t p, Richtung d)
{
    return (p == ReglerOben && d == Hoch) || (p == ReglerUnten && d == Runter);
}

// Does a part take the supply that enters it moving up or down? The top
// field of a throttle only from below, its bottom field only from above.
bool traegtSenkrecht(int32_t p, Richtung d)
{
    return p == Querverbinder || p == ReglerMitte || endeDerReglerspalte(p, d);
}

// Desk modules that get a start-up position in LNCV 4.
bool hatStartposition(int32_t p)
{
    return p == 54650 || p == 54660 || p == 54680 || p == 54690 || p == 54700 || p == 54710;
}

// Current in mA that a field draws from its supply.
double feldStrom(int32_t p, const PultFeld& f)
{
    switch (p) {
    case 54650: {
        const int e = elementNr(f);
        return e >= 201 && e <= 203 ? 13.5 : 10.5;
    }
    case 54660:
    case 54710: return 20.5;
    case 54670: return 7.5;
    case 54680: return 35.0;
    case 54690: return 16.5;
    case 54700: return 13.5;
    case ReglerUnten: return 7.5;
    case Querverbinder:
    case 54644: return 6.0;
    default: return 0.0;
    }
}

// Every field but the connection modules starts the scan unfed.
void clear_anschluss()
{
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            if (!istAnschlussmodulPlatte(feld(x, y).Grundplatte))
                feld(x, y).Anschluss = 0;
}

// The walks of one connection module's supply. A walk goes field by field in
// one direction until a field stops it; the node fields it numbers are kept
// and their own walks made after it. Which fields a supply reaches does not
// depend on that order, and a desk full of nodes needs no deep recursion.
class Speisung {
public:
    Speisung(int nummer, bool& doppelt) : n(nummer), doppeltGespeist(doppelt) {}

    // Walks right from the connection module at (c, r), then from every node reached.
    void start_scan(int c, int r)
    {
        gehen(c, r, Rechts);
        while (!offen.empty() && !doppeltGespeist) {
            const Knoten k = offen.back();
            offen.pop_back();
            knoten(k);
        }
    }

private:
    struct Knoten {
        int x, y;
        int32_t p;
    };

    void knoten(const Knoten& k)
    {
        gehen(k.x, k.y, Links);
        gehen(k.x, k.y, Rechts);
        if (k.p != ReglerOben)
            gehen(k.x, k.y, Hoch);
        if (k.p != ReglerUnten)
            gehen(k.x, k.y, Runter);
    }

    void gehen(int x, int y, Richtung d)
    {
        const int dx = d == Links ? -1 : d == Rechts ? 1 : 0;
        const int dy = d == Hoch ? -1 : d == Runter ? 1 : 0;
        for (x += dx, y += dy; imPult(x, y); x += dx, y += dy)
            if (set_anschluss(x, y, d))
                return;
    }

    // Visits one field of a walk; true stops the walk.
    bool set_anschluss(int x, int y, Richtung d)
    {
        if (doppeltGespeist)
            return true;
        PultFeld& f = feld(x, y);
        const int32_t p = get_artnr(x, y);
        if (p == Anschlussmodul) {
            // Reaching another module against its feeding direction joins two supplies.
            if (d == Links && f.Anschluss != n) {
                doppeltGespeist = true;
                clear_anschluss();
            }
            return true;
        }
        if ((d == Hoch || d == Runter) && !traegtSenkrecht(p, d))
            return true;
        if (p == 0 || f.Anschluss == n)
            return true;
        f.Anschluss = int16_t(n);
        if (istKnoten(p))
            offen.push_back({x, y, p});
        return endeDerReglerspalte(p, d);
    }

    const int n;
    bool& doppeltGespeist;
    std::vector<Knoten> offen;
};

// True when some part is fed by no connection module.
bool nicht_versorgt()
{
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            if (get_artnr(x, y) != 0 && feld(x, y).Anschluss == 0)
                return true;
    return false;
}

// A route memory keeps its LNCVs in its image: the position goes into bits
// 0..5 of LNCV 3 there, bits 6 and 7 stay.
void routenspeicherPosition(int x, int y, int position)
{
    const int slot = fahrstrassenSpeicherSlot(x, y);
    if (slot < 0)
        return;
    int16_t& konfiguration = FSSpeicher[size_t(slot)].LNCV[3];
    konfiguration = int16_t((konfiguration & 192) + (position & 63));
}

// Numbers the desk modules of supplies 1..anzahl in scan order and gives
// each supply its start-up delay: 30 for the first, then the previous
// supply's delay plus the number of modules in the previous supply.
void set_startup_verz(int anzahl)
{
    anzahl = std::min(anzahl, AnschlussMax);
    std::array<int, AnschlussMax + 1> module{};
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y) {
            PultFeld& f = feld(x, y);
            if (f.Anschluss < 1 || f.Anschluss > anzahl)
                continue;
            const int32_t p = get_artnr(x, y);
            int& m = module[size_t(f.Anschluss)];
            if (hatStartposition(p))
                f.LNCV[4] = alsWort(++m);
            else if (p == Routenspeicher)
                routenspeicherPosition(x, y, ++m);
        }
    for (int i = 1; i <= anzahl; ++i)
        Startverz[size_t(i)] = i == 1 ? ErsteStartverzoegerung : *Startverz[size_t(i - 1)] + module[size_t(i - 1)];
    werteGeaendert();
}

void calc_strom()
{
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y) {
            const PultFeld& f = feld(x, y);
            if (f.Anschluss >= 1 && f.Anschluss <= AnschlussMax)
                Strom[size_t(f.Anschluss)] += feldStrom(get_artnr(x, y), f);
        }
}
} // namespace

Versorgungsscan versorgung_scannen()
{
    Versorgungsscan scan;
    Startverz.fill(std::nullopt);
    Strom.fill(0.0);
    clear_anschluss();
    bool vorhanden = false;
    bool doppelt = false;
    // The number of supplies is the highest connection number, wherever its module stands.
    int anzahl = 0;
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y) {
            if (get_artnr(x, y) != Anschlussmodul)
                continue;
            vorhanden = true;
            const int n = feld(x, y).Anschluss;
            if (n == 0) {
                scan.ohneNummer << QPoint(x, y);
                continue;
            }
            anzahl = std::max(anzahl, n);
            Speisung(n, doppelt).start_scan(x, y);
        }
    if (!vorhanden)
        scan.befund = VersorgungsBefund::KeinAnschlussmodul;
    else if (doppelt)
        scan.befund = VersorgungsBefund::DoppeltGespeist;
    else if (nicht_versorgt())
        scan.befund = VersorgungsBefund::NichtGespeist;
    else {
        set_startup_verz(anzahl);
        calc_strom();
    }
    return scan;
}
