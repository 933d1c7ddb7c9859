#include "loconet/StartWache.h"

#include "loconet/LeitungsRuhe.h"
#include "loconet/LnAntwort.h"
#include "loconet/LnNachricht.h"
#include "loconet/Lncv.h"

StartWache::StartWache() : vorher(std::exchange(LN_NachrichtErfasst, {}))
{
    LN_NachrichtErfasst = [this](int zeile) { erfasst(zeile); };
}

StartWache::~StartWache()
{
    LN_NachrichtErfasst = std::move(vorher);
    beenden();
}

void StartWache::erfasst(int zeile)
{
    if (zeile == LN_ZeileLncv) {
        const LncvFelder f = leseLncvFelder(LN_Antwort[LN_ZeileLncv]);
        const std::pair<uint16_t, uint16_t> modul{f.art, f.wert};
        if (f.istLeseAntwort() && f.lncvNr == 0 && !gestartet.contains(modul))
            gestartet << modul;
    }
    if (vorher)
        vorher(zeile);
}

void StartWache::ruhe()
{
    LeitungsRuhe stille;
    stille.beginnen();
    stille.abwarten();
    beenden();
}

void StartWache::beenden()
{
    for (const auto& [art, adresse] : std::exchange(gestartet, {})) {
        int32_t egal = 0;
        Prog_Off(art, adresse, egal);
    }
}
