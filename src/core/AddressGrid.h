#pragma once
#include <QString>

struct PultFeld;

// The address grid PultAdr: desk field (x, y) owns column x and the rows
// 3y-2 (element picture), 3y-1 and 3y (the two address lines of the current
// edit mode). Column 0 holds the captions of the two lines.

// The two address lines of one field.
struct AdressZeilen {
    QString zweite;   // row 3y-1
    QString dritte;   // row 3y
};

// The address lines of a field for edit mode modus (modes 1, 2 and 10 give none).
// LNCVs count as set when they are not 0 and are shown as unsigned 16-bit numbers.
AdressZeilen adressZeilen(const PultFeld& feld, int modus);

// Rewrites the two address lines of desk field (x, y) for the current EditModus.
void set_PultAdr(int x, int y);

// Writes the captions of column 0 and the address lines of every desk field.
void Show_LNCV_in_PultAdr();

// Empties the two address lines of every desk field; captions and pictures stay.
void Clr_LNCV_in_PultAdr();

// Writes the captions of the two address lines of every desk row for the current EditModus.
void Beschrifte_Spalte_0();
