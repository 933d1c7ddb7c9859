#include "loconet/LnAntwort.h"

#include "loconet/LnNachricht.h"

#include <algorithm>
#include <iterator>

namespace {
struct Erfassung {
    uint8_t opcode;
    int zeile;
    int laenge;
};

constexpr Erfassung erfassungen[] = {
    {LnOpcode::Quittung, LN_ZeileQuittung, 4},
    {LnOpcode::PeerTransfer, LN_ZeileLncv, 15},
    {LnOpcode::Direktpaket, LN_ZeileDirekt, 15},
    {LnOpcode::SlotDaten, LN_ZeileSlot, 14},
};

const Erfassung* erfassungFuer(int b)
{
    for (const Erfassung& e : erfassungen)
        if (e.opcode == b)
            return &e;
    return nullptr;
}

uint8_t opcodeDerZeile(int zeile)
{
    for (const Erfassung& e : erfassungen)
        if (e.zeile == zeile)
            return e.opcode;
    return 0;
}

// A captured message counts only with the right check byte; the LNCV
// messages must also carry their length 0x0F.
bool intakt(const int16_t* puffer, int laenge)
{
    uint8_t summe = 0;
    for (int i = 0; i < laenge; ++i)
        summe ^= uint8_t(puffer[i]);
    if (summe != 0xFF)
        return false;
    const bool lncvArt = puffer[0] == LnOpcode::PeerTransfer || puffer[0] == LnOpcode::Direktpaket;
    return !lncvArt || puffer[1] == 0x0F;
}

void abschliessen()
{
    LN_AntwortAktiv = 0;
    if (!intakt(LN_AntwortPuffer, LN_AntwortLaenge))
        return;
    std::copy_n(LN_AntwortPuffer, LN_AntwortLaenge, LN_Antwort[LN_AntwortTyp]);
    LN_Antwort[LN_AntwortTyp][LN_Marke] = -1;
    if (LN_NachrichtErfasst)
        LN_NachrichtErfasst(LN_AntwortTyp);
}
} // namespace

void Antwort_erfassen(int b)
{
    b &= 0xFF;
    if (const Erfassung* e = erfassungFuer(b)) {
        LN_AntwortTyp = int16_t(e->zeile);
        LN_AntwortLaenge = int16_t(e->laenge);
        LN_AntwortPos = 0;
        LN_AntwortAktiv = -1;
    } else if (b & 0x80) {
        // Any other opcode ends the message being captured: it was cut short.
        LN_AntwortAktiv = 0;
        return;
    }
    if (LN_AntwortAktiv == 0)
        return;
    LN_AntwortPuffer[LN_AntwortPos++] = int16_t(b);
    if (LN_AntwortPos == LN_AntwortLaenge)
        abschliessen();
}

bool LN_ZeileKomplett(int zeile)
{
    return LN_Antwort[zeile][LN_Marke] != 0 && LN_Antwort[zeile][0] == opcodeDerZeile(zeile);
}

void LN_ErfassungAbbrechen()
{
    LN_AntwortAktiv = 0;
}

void LN_AntwortLeeren()
{
    for (auto& zeile : LN_Antwort)
        std::fill(std::begin(zeile), std::end(zeile), int16_t(0));
}

void LN_MarkenLoeschen()
{
    for (int zeile = 0; zeile <= 2; ++zeile) {
        LN_Antwort[zeile][0] = 0;
        LN_Antwort[zeile][LN_Marke] = 0;
    }
}
