#pragma once
#include <QString>
#include <array>
#include <cstdint>

// Address groups: one per kind of address; slots 11..19 and 23..25 are unused.
namespace AdrGruppe {
enum : int {
    MAWeichen = 0, Schalt = 1, MAAusl = 2, Hauptsig = 3, Vorsig = 4, Rangsig = 5, TsperrZT = 6, TsperrW = 7,
    Entkuppler = 8, Zieltaster = 9, Zwergsig = 10, RMWeichen = 20, RMAusl = 21, Fahrst = 22,
};
inline constexpr int Anzahl = 26;
inline constexpr std::array<int, 14> Benutzt = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 21, 22};
} // namespace AdrGruppe

struct AdrOptDaten {
    int16_t AdrOpt_MagAdr_FaGTHaGT = 0;   // go and stop auxiliary keys
    int16_t AdrOpt_MagAdr_SGTFHT = 0;     // shunting and route auxiliary keys
    std::array<float, AdrGruppe::Anzahl> AdrOpt_StartAdr{};
    std::array<float, AdrGruppe::Anzahl> AdrOpt_AdrOff{};
    int16_t AdrOpt_OptSigMehrbegriff = 0;
    int16_t AdrOpt_OptNummerierung = 0;
    int16_t AdrOpt_OptErsetzen = 0;
    // outer start, end, step, inner start, end, step, swap flag (-1 = rows outer)
    std::array<int16_t, 7> AutoIndices{};
    int16_t AdrOpt_FahrstFolgenStart = 0;
};

inline AdrOptDaten AdrOpt;
inline std::array<QString, AdrGruppe::Anzahl> AdrBereichName;
// A numbering run hands out addresses (true) or clears them (false).
inline bool AutoAdrSetzen = true;

// Names of the used address groups, as the program shows them.
void adressGruppenBenennen();

// Builds AutoIndices from the numbering order and the desk size; an order
// outside 0..7 leaves AutoIndices unchanged.
void make_auto_indices();
