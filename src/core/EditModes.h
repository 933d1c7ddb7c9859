#pragma once
#include <QString>

// The main window's edit mode 1..10.
inline int EditModus = 1;

// The text of info line 1 after a change to the mode.
QString editModusInfoText(int modus);

// Applies EditModus to the window: grids, palettes, menus, info lines, help context.
void ChangeEditMode();

// Applies the plan lock PultOptGPLocked to the window.
void GleisPlan_Lock_Unlock();
