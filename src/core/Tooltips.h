#pragma once
#include <QString>

// Tooltips of the address grid PultAdr. A tooltip text is computed once when
// the mouse enters a desk field, not at every move inside it.
inline int AdrTipX = 0, AdrTipY = 0;   // desk field of the shown tooltip, 0 = none

// Tooltip of a 3-button segment on desk field (x, y): the function and addresses of its three keys.
QString T3_Info_Text(int x, int y);
// Tooltip of a joystick board on desk field (x, y): its loco address or its accessory addresses.
QString Joy_Info_Text(int x, int y);

// The mouse moved over cell (zeile, spalte) of the address grid (-1 = outside
// the cells). In edit mode 7 the grid's ToolTipText becomes the text of the
// desk field that owns the cell (3-button segment and joystick board, else
// empty); header cells change nothing. In every other mode there is no tooltip.
void PultAdr_MouseMove(int zeile, int spalte);

// The address lines of field (x, y) were rewritten: its tooltip is computed
// again when the mouse next moves over it.
void adressTooltipVergessen(int x, int y);
