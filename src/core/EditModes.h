#pragma once
#include <QString>

// The main window's edit mode 1..10.
inline int EditModus = 1;

// Caption of the mode's menu item and the text of info line 1 after the change.
QString editModusCaption(int modus);
QString editModusInfoText(int modus);

// Applies EditModus to the window: grids, palettes, menus, info lines, help context.
void ChangeEditMode();

// Applies the plan lock PultOptGPLocked to the window.
void GleisPlan_Lock_Unlock();
