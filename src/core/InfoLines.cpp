#include "core/InfoLines.h"

#include "core/MainWinState.h"

void InfoTxt_anzeigen(int zeile, const QString& text)
{
    HauptFenster& w = MainWin();
    if (zeile == 1)
        w.InfoTxt1 = text;
    else if (zeile == 2)
        w.InfoTxt2 = text;
    w.melden();
}
