#pragma once
#include <array>
#include <cstdint>

// Parts of the desk and packs and sets to order, by part class 0..17.
inline std::array<int32_t, 18> StkAnzahl{};
inline std::array<int32_t, 18> StkBestell{};

// Fills StkAnzahl and StkBestell from the current desk.
void calc_stueckliste();

// The supply check when the user leaves the electrical view.
void Check_Elek_Verb();
