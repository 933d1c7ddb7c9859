#pragma once
#include <array>
#include <cstdint>

// One field of the desk. Records are copied whole; no field holds a pointer.
struct PultFeld {
    int32_t Grundplatte = 0;              // base-plate article under the field, 0 = none
    int16_t ElementIndex = 0;             // index into ElementKatalog
    std::array<int16_t, 128> LNCV{};      // module values, LNCV 0 = module address
    std::array<int16_t, 128> ProgKopie{}; // values as last programmed or read back
    std::array<uint8_t, 128> AutoFlag{};  // 1 = automatic numbering may set the value
    int16_t Geaendert = 0;                // 1 = edited on the desk grids
    int16_t Anschluss = 0;                // connection (supply) number, 0 = none

    bool operator==(const PultFeld&) const = default;
};

inline constexpr int PultMax = 99;       // columns and rows 1..99; row and column 0 unused

// The desk, indexed (column, row).
inline std::array<std::array<PultFeld, PultMax + 1>, PultMax + 1> PultFelder;
inline int16_t PultdimensionenX = 0;
inline int16_t PultdimensionenY = 0;

// The empty-field template and the catalogue index of "Leer".
inline PultFeld LeerFeld;
inline int16_t LeerIndex = 0;

// The field the open element dialog, the LNCV table or a numbering step works on.
inline int16_t AktFeldX = 1;
inline int16_t AktFeldY = 1;

// The grids are built for the current desk size.
inline bool PultAufgebaut = false;

inline bool imPult(int x, int y)
{
    return x >= 1 && y >= 1 && x <= PultdimensionenX && y <= PultdimensionenY;
}
