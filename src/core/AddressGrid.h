#pragma once

// Fills the address texts of every desk field for the current edit mode.
void Show_LNCV_in_PultAdr();

// Empties the two address lines of every desk field.
void Clr_LNCV_in_PultAdr();
