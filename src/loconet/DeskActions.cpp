#include "loconet/DeskActions.h"

#include "platform/MsgBox.h"

namespace {
// Reading, programming, initialising and clearing whole desks is not part of
// this version; the user is told so instead of the menu item doing nothing.
void nichtVerfuegbar()
{
    MsgBox(QStringLiteral("Diese Pultaktion ist in dieser Programmversion noch nicht verfügbar."),
           Msg::NurOk | Msg::Information, QStringLiteral("Pult-Programmierung"));
}
} // namespace

void Pult_Read()
{
    nichtVerfuegbar();
}

void Pult_Prog()
{
    nichtVerfuegbar();
}

void Pult_Init_Neu()
{
    nichtVerfuegbar();
}

void Pult_Init()
{
    nichtVerfuegbar();
}

void Pult_Clear()
{
    nichtVerfuegbar();
}
