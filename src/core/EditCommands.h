#pragma once
#include "core/Desk.h"

// The marked rectangle of the track plan: first column and row and the spans.
inline bool Markiert = false;
inline int16_t MarkX = 0, MarkY = 0, MarkDX = 0, MarkDY = 0;

// The clipboard, indexed (column offset, row offset).
inline constexpr int ClipMax = 50;   // spans 0..50: at most 51 x 51 fields
inline std::array<std::array<PultFeld, ClipMax + 1>, ClipMax + 1> ClipPult;
inline bool ClipVoll = false;
inline int16_t ClipDX = 0, ClipDY = 0;

// True while the edit commands may act: edit mode 1, plan not locked, a desk built.
bool bearbeitenErlaubt();

// Asks the route warning before an edit of the track plan: true when the
// user let the edit go ahead and the plan may still be edited. Callers take
// what their edit acts on before asking and act on that alone.
bool warnungErlaubtBearbeitung();

// Copy (any key code but 88) or cut (88) the marked rectangle; a cut asks the
// route warning and then cuts the rectangle marked when it asked.
void Cntrl_C_X(int tastenCode);
// Paste the clipboard at the cursor of the track plan after asking the route
// warning, as Ctrl+V and the menu item do: the clipboard and the place of the
// cursor when it asked. A throttle whose upper parts would remove elements
// the paste does not replace asks first.
void Cntrl_V();
// Delete the element at the cursor of the track plan after asking the route
// warning: the field under the cursor when it asked.
void loeschenNachWarnung();
// Undo the last deletion with the delete tool; a throttle brought back asks
// first when its upper parts would remove elements.
void Cntrl_Z();
// Enables the edit menu items for the current mode, lock, tool, mark and clipboard.
void ClipBoardFlags();
// Empties the clipboard (its records refer to catalogue indices).
void clipboardLeeren();
