#pragma once
#include <QString>
#include <cstdint>

// Sizes the desk grids and the address grid for the current desk dimensions.
void init_flexgrid();

// Resets the desk to empty fields of the current size and clears everything
// that belongs to one project's layout; builds the identity stamp.
void pult_leeren();

// The identity stamp values 3..6 from the first 8 characters of the project name.
void kennungAusNamen(const QString& name, int16_t kennung[8]);
