// A full 99 x 99 desk with a turnout module on every field: times a change of
// edit mode (the whole address grid refreshed), pasting a 51 x 51 block and
// redrawing the desk. Each is to stay under 100 ms.
#include "core/AddressGrid.h"
#include "BenchSupport.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskMouse.h"
#include "core/DeskReset.h"
#include "core/EditCommands.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/Placement.h"
#include "platform/FlexGridView.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "project/ProgramConfig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    ohneBildschirm();
    QApplication app(argc, argv);
    setzeMsgBoxResponder([](const MsgBoxAufruf&) { return int(Msg::Nein); });
    if (!katalogLaden())
        return 1;
    HauptFenster& w = MainWin();
    FlexGridView plan(&w.Pult[0]), adressen(&w.PultAdr);
    plan.resize(1400, 900);
    adressen.resize(1400, 900);
    plan.show();
    adressen.show();

    PultDaten.PultOpt_ZS_AdrOpt = 1;
    PultdimensionenX = PultdimensionenY = 99;
    pult_leeren();
    const int16_t weiche = katalogIndex(101);
    messen("place a turnout module on all 9,801 fields", [&] {
        FlexGrid::Stapel s0(w.Pult[0]), s1(w.Pult[1]), s2(w.PultAdr);
        for (int x = 1; x <= 99; ++x)
            for (int y = 1; y <= 99; ++y) {
                w.Pult[0].setzeZelle(y, x);
                SetzePultElement(weiche);
                PultFelder[size_t(x)][size_t(y)].LNCV[11] = int16_t(x * 10 + y);
            }
    });
    std::printf("fields holding the turnout: %d, text of field (99, 99): %s\n",
                int(std::count_if(&PultFelder[1][1], &PultFelder[99][99] + 1,
                                  [&](const PultFeld& f) { return f.ElementIndex == weiche; })),
                qPrintable(w.PultAdr.Text(3 * 99 - 1, 99)));
    messen("switch to edit mode 3 (address grid refreshed)", [] {
        EditModus = 3;
        ChangeEditMode();
    });
    std::printf("address text of field (99, 99) in mode 3: %s\n", qPrintable(w.PultAdr.Text(3 * 99 - 1, 99)));
    messen("switch to edit mode 7 (address grid refreshed)", [] {
        EditModus = 7;
        ChangeEditMode();
    });
    adressen.grab();
    EditModus = 1;
    ChangeEditMode();
    Markiert = true;
    MarkX = MarkY = 1;
    MarkDX = MarkDY = 50;
    Cntrl_C_X(0);
    w.Pult[0].setzeZelle(40, 45);
    messen("paste a 51 x 51 block", [] { Cntrl_V(); });
    messen("redraw the desk", [&] { plan.grab(); });
    messen("redraw the address grid", [&] { adressen.grab(); });
    return 0;
}
