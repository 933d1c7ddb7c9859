#pragma once
#include <array>
#include <cstdint>
#include <optional>

// Supply of the desk from its connection modules.

inline constexpr int AnschlussMax = 20;   // connection numbers 1..20

// Current in mA per connection number 1..20 (entry 0 unused); 0 = supplies
// nothing, or the last scan found a supply fault.
inline std::array<double, AnschlussMax + 1> Strom{};
// Start-up delay per connection number 1..20 (entry 0 unused); empty unless
// the last scan found every part fed once and the number is at most the
// highest connection number on the desk.
inline std::array<std::optional<int>, AnschlussMax + 1> Startverz{};

// Base plates of a connection module: not yet chosen (54430), old (54480) and current (54490) version.
bool istAnschlussmodulPlatte(int32_t grundplatte);

// Part code of field (x, y): 54430 for every connection module, another base
// plate's own article, else the article of the field's element (0 = none).
int32_t get_artnr(int x, int y);

// Smallest connection number 1..20 that no connection module of the desk
// carries yet; 0 when all 20 are in use.
int get_next_anschluss_nummer();

// Scans the supply of the whole desk (versorgung_scannen): connection numbers
// of the fields, start-up delays and positions, currents; reports
// unnumbered connection modules and supply faults in message boxes.
void auto_scan();
