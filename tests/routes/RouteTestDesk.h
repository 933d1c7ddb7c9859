#pragma once
#include "core/PlacementTestDesk.h"
#include "routes/RouteCommands.h"

#include <vector>

// The placement test desk with routes: commands are added through the list
// operations, the way route definition adds them.
struct RouteTestDesk : PlacementTestDesk {
    static RouteBefehl& befehl(int r, int s, int e) { return FSDaten[size_t(r)].Route[size_t(s)][size_t(e)]; }

    // Adds a command at the end of list s of route r; returns its slot.
    static int neu(int r, int s, int art, int x = 0, int y = 0, int wert = 0, int zustand = 0, int lncvNr = -1)
    {
        const int e = FindNewRouteElement(r, s);
        if (e > 0) {
            RouteBefehl& b = befehl(r, s, e);
            b[Befehl::X] = int16_t(x);
            b[Befehl::Y] = int16_t(y);
            b[Befehl::Wert] = alsWort(wert);
            b[Befehl::Zustand] = int16_t(zustand);
            b[Befehl::Befehlsart] = int16_t(art);
            b[Befehl::LNCVNr] = int16_t(lncvNr);
        }
        return e;
    }

    // A new route r (FSAnzahl raised to r) with start, destination and its two LocoNet commands.
    static Fahrstrasse& route(int r, int startX = 0, int startY = 0, int festAdr = 0, int festCode = 0,
                              int aufAdr = 0, int aufCode = 0)
    {
        Fahrstrasse& fs = FSDaten[size_t(r)];
        fs = LeerFahrstrasse;
        fs.Name = QStringLiteral("FS%1").arg(r);
        fs.Start = {int16_t(startX), int16_t(startY), 0, 0, 0};
        fs.Ziel[4] = -1;
        fs.Aufloesen[4] = -1;
        fs.Rueckmeldeadressen = {int16_t(festAdr), int16_t(festCode), int16_t(aufAdr), int16_t(aufCode), 0};
        FSAnzahl = int16_t(std::max<int>(FSAnzahl, r));
        return fs;
    }

    static std::vector<int> kette(int r, int s) { return RouteKette(r, s); }
};
