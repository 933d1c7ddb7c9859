#include "routes/RouteTable.h"

#include "core/Desk.h"
#include "core/DeskChanges.h"
#include "routes/RouteCodeFollowsDesk.h"
#include "core/Words.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "routes/RouteCommands.h"
#include "routes/RouteSlots.h"

#include <algorithm>

namespace {
int32_t wort(int16_t w)
{
    return Int_to_UWord(w);
}

bool imTabellenbereich(int r)
{
    return r >= 0 && r <= FSMax;
}
} // namespace

int32_t fsFeldLncv(int x, int y, int n)
{
    if (!imPult(x, y) || n < 0 || n >= int(PultFeld{}.LNCV.size()))
        return 0;
    return Int_to_UWord(PultFelder[size_t(x)][size_t(y)].LNCV[size_t(n)]);
}

void alleFahrstrassenLoeschen()
{
    FSDaten.fill(LeerFahrstrasse);
    FSSpeicher.fill(FSSpeicherModul{});
    FSAnzahl = -1;
    // Without routes and route memory images the code is empty: current at once.
    werteGeaendert();
    fsCodeNachfuehren();
    freimeldungsHinweisVergessen();
}

bool fahrstrasseVorhanden(int r)
{
    return r >= 0 && r <= FSAnzahl && r <= FSMax;
}

int32_t Get_Ziel_Adr(int r)
{
    if (!imTabellenbereich(r))
        return 0;
    const auto& z = FSDaten[size_t(r)].Ziel;
    return z[4] == -1 ? wort(z[2]) : fsFeldLncv(z[0], z[1], z[4]) / 10;
}

int32_t Get_Ziel_Zust(int r)
{
    if (!imTabellenbereich(r))
        return 0;
    const auto& z = FSDaten[size_t(r)].Ziel;
    return z[4] == -1 ? wort(z[3]) : fsFeldLncv(z[0], z[1], z[4]) % 10;
}

int32_t Get_Aufloesen_Adr(int r)
{
    if (!imTabellenbereich(r))
        return 0;
    const auto& a = FSDaten[size_t(r)].Aufloesen;
    return a[4] == -1 ? wort(a[2]) : fsFeldLncv(a[0], a[1], a[4]);
}

int32_t Get_Route_Adr(int r, int s, int e)
{
    if (!imTabellenbereich(r) || s < 0 || s > 1 || e < 1 || e > BefehlMax)
        return 0;
    const RouteBefehl& b = FSDaten[size_t(r)].Route[size_t(s)][size_t(e)];
    const int16_t n = b[Befehl::LNCVNr];
    if (n == LNCVNrImWert)
        return wort(b[Befehl::Wert]);
    if (n < 0)
        return 0;
    const int32_t v = fsFeldLncv(b[Befehl::X], b[Befehl::Y], n);
    switch (b[Befehl::Befehlsart]) {
    case Befehlsart::Vorsignal2: return v + 1;
    case Befehlsart::Hauptsignal2: return PultDaten.PultOpt_HS_FolgeAdr == 1 ? v + 1 : wort(b[Befehl::Wert]);
    default: return v;
    }
}

void DelFS(int r)
{
    if (!fahrstrasseVorhanden(r))
        return;
    DelFSin54660(r);
    std::move(FSDaten.begin() + r + 1, FSDaten.begin() + FSAnzahl + 1, FSDaten.begin() + r);
    FSDaten[size_t(FSAnzahl)] = LeerFahrstrasse;
    --FSAnzahl;
    werteGeaendert();
}
