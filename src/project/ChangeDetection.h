#pragma once
#include <cstdint>

// Copies n values of an LNCV array into its programmed copy.
void make_lncv_copy(const int16_t* lncv, int16_t* kopie, int n);
// True when the first n values differ from the programmed copy.
bool chk_lncv_copy(const int16_t* lncv, const int16_t* kopie, int n);

// True when the desk has changes that were not programmed: a field edited on
// the desk grids, or a module whose values differ from its programmed copy.
bool check_aenderung();
