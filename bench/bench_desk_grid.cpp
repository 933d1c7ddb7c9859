// Builds a full 99 x 99 desk, puts a picture in every cell of both desk grids
// and of the address grid, shows the grids and prints how long each step took.
#include "BenchSupport.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskReset.h"
#include "core/MainWinState.h"
#include "platform/FlexGridView.h"
#include "project/ProgramConfig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    ohneBildschirm();
    QApplication app(argc, argv);
    if (!katalogLaden())
        return 1;
    HauptFenster& w = MainWin();
    FlexGridView plan(&w.Pult[0]), elektrisch(&w.Pult[1]), adressen(&w.PultAdr);
    for (QWidget* v : {static_cast<QWidget*>(&plan), static_cast<QWidget*>(&elektrisch), static_cast<QWidget*>(&adressen)}) {
        v->resize(1200, 800);
        v->show();
    }
    PultdimensionenX = PultdimensionenY = 99;
    messen("init_flexgrid + pult_leeren (99 x 99)", [] { pult_leeren(); });
    messen("a picture in every cell (3 grids, 29,403 cells)", [&] {
        FlexGrid::Stapel s0(w.Pult[0]), s1(w.Pult[1]), s2(w.PultAdr);
        for (int x = 1; x <= 99; ++x)
            for (int y = 1; y <= 99; ++y) {
                const QString bild = KonfVerz + ElementKatalog[size_t(3 + (x + y) % 20)].Bild;
                w.Pult[0].setCellPicture(y, x, bild);
                w.Pult[1].setCellPicture(y, x, bild);
                w.PultAdr.setCellPicture(3 * y - 2, x, bild);
            }
    });
    messen("repaint of the three visible grids", [&] {
        plan.grab();
        elektrisch.grab();
        adressen.grab();
    });
    messen("scroll to the far corner and repaint", [&] {
        plan.scrollToBottom();
        adressen.scrollToBottom();
        plan.grab();
        adressen.grab();
    });
    return 0;
}
