#pragma once
#include <Qt>
#include <cstdint>

// The chosen catalogue entry is the select tool.
inline bool AuswahlModus = false;
// The track-plan cell whose tooltip was set last (0 = none).
inline int16_t PultTipX = 0, PultTipY = 0;

// Mouse and key handling of the palettes and desk grids. Rows and columns are
// grid cells as the views report them; -1 means outside the cells.
void Elemente_Click(int palette, int zeile, int spalte);
void Pult_MouseDown(int grid, Qt::MouseButton knopf, Qt::KeyboardModifiers mods, int zeile, int spalte);
void Pult_MouseMove(int grid, Qt::MouseButtons knoepfe, int zeile, int spalte);
void Pult_MouseUp(int grid, Qt::MouseButton knopf, Qt::KeyboardModifiers mods, int zeile, int spalte);
void Pult_KeyUp(int taste, Qt::KeyboardModifiers mods);
void PultAdr_MouseDown(Qt::MouseButton knopf, int zeile, int spalte);
