#pragma once
#include <cstdint>

// Copies n values of an LNCV array into its programmed copy.
void make_lncv_copy(const int16_t* lncv, int16_t* kopie, int n);
// True when the first n values differ from the programmed copy.
bool chk_lncv_copy(const int16_t* lncv, const int16_t* kopie, int n);

// True when the desk has changes that were not programmed: a field edited on
// the desk grids, or a module whose values differ from its programmed copy.
bool check_aenderung();

// Value that LNCV 127 of a module (2047 of a route memory) takes when the
// module is saved with changes made after the desk was last programmed.
inline constexpr int16_t AenderungsMarke = 255;
inline constexpr int MarkeLncvModul = 127;
inline constexpr int MarkeLncvFSSpeicher = 2047;

// True when a module with these values is to carry the mark on saving: its
// first n values differ from the programmed copy and the desk has been
// programmed before (PultProgJahr not 0).
bool aenderungZuMarkieren(const int16_t* lncv, const int16_t* kopie, int n);
