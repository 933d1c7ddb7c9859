#pragma once
#include <QString>
#include <array>
#include <cstdint>

// One route: its keys, its release condition, its two LocoNet commands and
// two linked command lists (0 sets the route, 1 releases it).
struct Fahrstrasse {
    QString Name;
    std::array<int16_t, 5> Start{};
    std::array<int16_t, 5> Ziel{};
    std::array<int16_t, 5> Aufloesen{};
    std::array<int16_t, 5> Rueckmeldeadressen{};
    // Route[list][slot 1..100][word 0..7]; slot 0 is unused.
    std::array<std::array<std::array<int16_t, 8>, 101>, 2> Route{};
};

inline constexpr int FSMax = 300;            // routes 0..300
inline std::array<Fahrstrasse, FSMax + 1> FSDaten;
inline int16_t FSAnzahl = -1;                // index of the last route, -1 = none
inline const Fahrstrasse LeerFahrstrasse{};

// Image of one route memory module.
struct FSSpeicherModul {
    int16_t X = 0, Y = 0;                    // desk field of the owner, both 0 = free slot
    int16_t Voll = 0;
    int16_t LetzteLNCV = 0;
    std::array<int16_t, 2049> LNCV{};
    std::array<int16_t, 2049> ProgKopie{};
};

inline constexpr int FSSpeicherMax = 5;
inline std::array<FSSpeicherModul, FSSpeicherMax> FSSpeicher;

// Route definition and editing in progress, and the clicks handed to it.
inline bool FSinArbeit = false;
inline int16_t FSKlick = 0, FSKlickX = 0, FSKlickY = 0;
inline bool FSModulEdit = false;
inline int16_t FSModulTab = 0;               // route-slot tab 0..9 shown in mode 8
inline int16_t FSWarnungAus = 0;             // 1 = the route warning is switched off for this run

// Clears the route table and every route memory image.
void alleFahrstrassenLoeschen();

// Last used command position of a list (words 6 and 7 both set), 0 when none.
int RouteSaveAnz(int route, int liste);

// Starts the interactive definition of new routes on the desk.
void FS_new();

// May a desk edit that can invalidate routes go ahead?
bool FS_Warnung_Pruefen();

// Rebuilds the route command code of every route memory image.
void make_54670_code();

// Rewrites the route slots in the signal boards of all start keys.
void RefreshFSin54660();
