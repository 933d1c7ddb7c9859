#pragma once
#include "config/AddressOptions.h"
#include "config/NumberingEngine.h"
#include "core/MainWinState.h"
#include "core/Placement.h"
#include "support/Meldungen.h"
#include "support/TestDesk.h"

// An empty desk on the real catalogue of right-hand traffic, with every
// message box recorded and answered by `antwort`.
struct NumberingTestDesk : Meldungen {
    void katalogLaden()
    {
        echtenKatalogLaden();
        adressGruppenBenennen();
    }

    void anlegen(int dx, int dy)
    {
        TestDesk::neuesPult(dx, dy);
        AdrOpt = AdrOptDaten{};
        AutoAdrSetzen = true;
        neu(Msg::Ok);
    }

    static int16_t katalogIndex(int code)
    {
        for (int i = 0; i < KatalogSlots; ++i)
            if (ElementKatalog[size_t(i)].ElementNr == code && !ElementKatalog[size_t(i)].Name.isEmpty())
                return int16_t(i);
        qFatal("element code %d is not in the catalogue", code);
        return 0;
    }

    // Places the element with the given code through the placing of the track plan.
    static PultFeld& setze(int x, int y, int code)
    {
        MainWin().Pult[0].setzeZelle(y, x);
        SetzePultElement(katalogIndex(code));
        return feld(x, y);
    }

    static PultFeld& feld(int x, int y) { return TestDesk::feld(x, y); }

    static int lncv(int x, int y, int n) { return TestDesk::lncv(x, y, n); }

    // Range start and the next address to be handed out, as the dialog stores them.
    static void bereich(int gruppe, float start, float naechste)
    {
        AdrOpt.AdrOpt_StartAdr[size_t(gruppe)] = start;
        AdrOpt.AdrOpt_AdrOff[size_t(gruppe)] = naechste - start - (istHalbadressGruppe(gruppe) ? 0.5f : 1.0f);
    }
};
