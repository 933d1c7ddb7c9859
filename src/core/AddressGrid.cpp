#include "core/AddressGrid.h"

#include "core/Desk.h"
#include "core/MainWinState.h"

void Clr_LNCV_in_PultAdr()
{
    FlexGrid& adr = MainWin().PultAdr;
    FlexGrid::Stapel stapel(adr);
    for (int y = 1; y <= PultdimensionenY; ++y)
        for (int x = 1; x <= PultdimensionenX; ++x) {
            adr.setText(3 * y - 1, x, QString());
            adr.setText(3 * y, x, QString());
        }
}

void Show_LNCV_in_PultAdr()
{
    Clr_LNCV_in_PultAdr();
}
