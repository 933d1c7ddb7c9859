#pragma once
#include "config/AddressOptions.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/Placement.h"
#include "routes/RouteCommands.h"
#include "routes/RouteSlots.h"
#include "routes/RouteStepState.h"
#include "support/Meldungen.h"
#include "support/TestCatalogue.h"
#include "support/TestDesk.h"

#include <QList>

// The desk of the route editor tests (6 x 2 fields, real catalogue):
//   (1,1) main signal 501, start key of route 0, main signal address 100
//   (2,1) turnout 101, address 10, track feedback 500
//   (3,1) main signal 501, address 120, start key of route 1
//   (4,1) main signal 501 as destination key: LNCV 39 = 301 (address 30 green)
//   (5,1) main signal 501, address 130, illumination 140; (6,2) the route memory
// Route 0 "Abc": start (1,1) slot 1, destination (4,1), released by the
// feedback 500 free of (2,1), commands 1000 occupied / 1000 free; set list
// turnout red, main signal (3,1) green; release list built from it.
// Route 1 "Süd": start (3,1) slot 1, destination (4,1) given directly, no commands.
namespace EditorTestDesk {

inline void aufbauen()
{
    using TestDesk::setzen;
    PultDaten = PultDatenSatz{};
    TestDesk::neuesPult(6, 2);
    setzen(1, 1, katalogIndex(501), {0, 11, 31, 100});
    setzen(2, 1, katalogIndex(101), {0, 21, 11, 10, 13, 500});
    setzen(3, 1, katalogIndex(501), {0, 31, 31, 120});
    setzen(4, 1, katalogIndex(501), {0, 41, 39, 301, 31, 110});
    setzen(5, 1, katalogIndex(501), {0, 51, 31, 130, 25, 140});
    MainWin().Pult[0].setzeZelle(2, 6);
    SetzePultElement(katalogIndex(930));
    AdrOpt = AdrOptDaten{};
    AdrOpt.AdrOpt_StartAdr[AdrGruppe::Fahrst] = 1000;

    Fahrstrasse& a = FSDaten[0];
    a = LeerFahrstrasse;
    a.Name = QStringLiteral("Abc");
    a.Start = {1, 1, 1, 0, 0};
    a.Ziel = {4, 1, 30, 1, 39};
    a.Aufloesen = {2, 1, 500, 2, 13};
    a.Rueckmeldeadressen = {1000, 3, 1000, 2, 0};
    const QList<QList<int>> befehle{{2, 1, 0, 0, Befehlsart::Weiche, 11}, {3, 1, 0, 1, Befehlsart::Hauptsignal1, 31}};
    for (const QList<int>& b : befehle) {
        const int e = FindNewRouteElement(0, 0);
        for (int f = 0; f < 6; ++f)
            a.Route[0][size_t(e)][size_t(f)] = int16_t(b[f]);
    }
    Fahrstrasse& b = FSDaten[1];
    b = LeerFahrstrasse;
    b.Name = QStringLiteral("Süd");
    b.Start = {3, 1, 1, 0, 0};
    b.Ziel = {4, 1, 31, 0, -1};
    b.Aufloesen = {0, 0, 700, 3, -1};
    b.Rueckmeldeadressen = {1001, 3, 1001, 2, 0};
    FSAnzahl = 1;
    Make_new_FS(0);
    RefreshFSin54660();
    FSinArbeit = false;
    FSBestaet = FSAntwort::Warten;
    EditModus = 8;
}

// Fields X..LNCVNr of the commands of list s of route r in chain order.
inline QList<QList<int>> liste(int r, int s)
{
    QList<QList<int>> l;
    for (int e : RouteKette(r, s)) {
        const RouteBefehl& b = FSDaten[size_t(r)].Route[size_t(s)][size_t(e)];
        l << QList<int>{b[0], b[1], b[2], b[3], b[4], b[5]};
    }
    return l;
}

inline QList<int> slotWorte(int x, int y, int s)
{
    QList<int> w;
    for (int n = fsSlotLncv(s); n < fsSlotLncv(s + 1); ++n)
        w << TestDesk::lncv(x, y, n);
    return w;
}

inline QList<int> gruppe(const std::array<int16_t, 5>& g)
{
    return {g[0], g[1], g[2], g[3], g[4]};
}

} // namespace EditorTestDesk
