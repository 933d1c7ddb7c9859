#include "routes/RouteCommands.h"

#include "core/Words.h"
#include "platform/MsgBox.h"

#include <algorithm>

namespace {
using Liste = std::array<RouteBefehl, BefehlMax + 1>;

bool gueltig(int r, int s)
{
    return r >= 0 && r <= FSMax && (s == 0 || s == 1);
}

Liste& liste(int r, int s)
{
    return FSDaten[size_t(r)].Route[size_t(s)];
}

bool imListenbereich(int e)
{
    return e >= 1 && e <= BefehlMax;
}

bool belegt(const Liste& l, int e)
{
    return imListenbereich(e) && l[size_t(e)][Befehl::Vorgaenger] != 0 && l[size_t(e)][Befehl::Nachfolger] != 0;
}

// The lowest used slot whose link `feld` ends the chain.
int endeDerKette(int r, int s, Befehl::Feld feld)
{
    if (!gueltig(r, s))
        return -1;
    const Liste& l = liste(r, s);
    for (int e = 1; e <= BefehlMax; ++e)
        if (belegt(l, e) && l[size_t(e)][feld] == KeinGlied)
            return e;
    return -1;
}

// Links slot e behind slot p (p = -1: e becomes the first command).
void anhaengen(Liste& l, int p, int e)
{
    if (p != -1)
        l[size_t(p)][Befehl::Nachfolger] = int16_t(e);
    l[size_t(e)][Befehl::Vorgaenger] = int16_t(p);
}

void abschliessen(Liste& l, int p)
{
    if (p != -1)
        l[size_t(p)][Befehl::Nachfolger] = KeinGlied;
}

bool gleicherBefehl(const RouteBefehl& a, const RouteBefehl& b)
{
    return std::equal(a.begin(), a.begin() + Befehl::Vorgaenger, b.begin());
}

// Re-chains list 0 by command type 1..10; commands of other types follow in
// slot order so that no used slot drops out of the chain.
void nachArtVerketten(Liste& l, int bis)
{
    std::vector<int> reihe;
    for (int t = Befehlsart::Ausleuchtung; t <= Befehlsart::Freimeldung; ++t)
        for (int e = 1; e <= bis; ++e)
            if (belegt(l, e) && l[size_t(e)][Befehl::Befehlsart] == t)
                reihe.push_back(e);
    for (int e = 1; e <= bis; ++e)
        if (belegt(l, e) && std::find(reihe.begin(), reihe.end(), e) == reihe.end())
            reihe.push_back(e);
    int p = -1;
    for (int e : reihe) {
        anhaengen(l, p, e);
        p = e;
    }
    abschliessen(l, p);
}

// The release copy of set command e, or false when the type is not released.
bool freigabeBefehl(int r, int e, RouteBefehl& kopie)
{
    const RouteBefehl& b = liste(r, 0)[size_t(e)];
    kopie = b;
    switch (b[Befehl::Befehlsart]) {
    case Befehlsart::Ausleuchtung:
    case Befehlsart::Vorsignal1:
    case Befehlsart::Vorsignal2:
    case Befehlsart::Rangiersignal:
    case Befehlsart::Hauptsignal1:
    case Befehlsart::Hauptsignal2:
        kopie[Befehl::Wert] = alsWort(Get_Route_Adr(r, 0, e));
        kopie[Befehl::Zustand] = 0;
        return true;
    case Befehlsart::VorsignalKopplung:
        kopie[Befehl::LNCVNr] = LNCVNrFreigabeKopie;
        return true;
    default:
        return false;
    }
}
} // namespace

bool befehlBelegt(int r, int s, int e)
{
    return gueltig(r, s) && belegt(liste(r, s), e);
}

int FirstRouteIdx(int r, int s)
{
    return endeDerKette(r, s, Befehl::Vorgaenger);
}

int LastRouteIdx(int r, int s)
{
    return endeDerKette(r, s, Befehl::Nachfolger);
}

std::vector<int> RouteKette(int r, int s)
{
    std::vector<int> kette;
    int e = FirstRouteIdx(r, s);
    if (e == -1)
        return kette;
    const Liste& l = liste(r, s);
    std::array<bool, BefehlMax + 1> gesehen{};
    while (belegt(l, e) && !gesehen[size_t(e)]) {
        gesehen[size_t(e)] = true;
        kette.push_back(e);
        e = l[size_t(e)][Befehl::Nachfolger];
    }
    return kette;
}

int RouteSaveAnz(int r, int s)
{
    if (!gueltig(r, s))
        return 0;
    const Liste& l = liste(r, s);
    for (int e = BefehlMax; e >= 1; --e)
        if (belegt(l, e))
            return e;
    return 0;
}

int FindNewRouteElement(int r, int s)
{
    if (!gueltig(r, s))
        return -1;
    Liste& l = liste(r, s);
    for (int e = 1; e <= BefehlMax; ++e) {
        if (l[size_t(e)][Befehl::Vorgaenger] != 0 || l[size_t(e)][Befehl::Nachfolger] != 0)
            continue;
        anhaengen(l, LastRouteIdx(r, s), e);
        l[size_t(e)][Befehl::Nachfolger] = KeinGlied;
        return e;
    }
    return -1;
}

void DelRouteElement(int r, int s, int e)
{
    if (!gueltig(r, s) || !imListenbereich(e))
        return;
    Liste& l = liste(r, s);
    const int16_t vor = l[size_t(e)][Befehl::Vorgaenger];
    const int16_t nach = l[size_t(e)][Befehl::Nachfolger];
    if (belegt(l, vor))
        l[size_t(vor)][Befehl::Nachfolger] = nach;
    if (belegt(l, nach))
        l[size_t(nach)][Befehl::Vorgaenger] = vor;
    l[size_t(e)].fill(0);
}

void GleicheEintraegeLoeschen(int r, int s)
{
    if (!gueltig(r, s))
        return;
    // Deleting slot j changes only the links of its neighbours, never the
    // compared fields, so one pass finds every duplicate.
    const Liste& l = liste(r, s);
    for (int i = 1; i <= BefehlMax; ++i) {
        if (!belegt(l, i))
            continue;
        for (int j = i + 1; j <= BefehlMax; ++j)
            if (belegt(l, j) && gleicherBefehl(l[size_t(i)], l[size_t(j)]))
                DelRouteElement(r, s, j);
    }
}

void Make_new_FS(int r)
{
    if (!gueltig(r, 0))
        return;
    Liste& satz = liste(r, 0);
    nachArtVerketten(satz, RouteSaveAnz(r, 0));

    Liste& freigabe = liste(r, 1);
    freigabe.fill(RouteBefehl{});
    int p = -1, k = 0;
    for (int t = Befehlsart::Ausleuchtung; t <= Befehlsart::Hauptsignal2; ++t)
        for (int e = 1; e <= BefehlMax; ++e) {
            RouteBefehl kopie;
            if (!belegt(satz, e) || satz[size_t(e)][Befehl::Befehlsart] != t || !freigabeBefehl(r, e, kopie))
                continue;
            ++k;
            freigabe[size_t(k)] = kopie;
            anhaengen(freigabe, p, k);
            p = k;
        }
    abschliessen(freigabe, p);
}

void FS_zu_lang_Meldung()
{
    MsgBox(QStringLiteral("Fahrstraße zu lang!"), Msg::NurOk | Msg::Kritisch, QStringLiteral("Fehler!"));
}
