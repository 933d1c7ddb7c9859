#pragma once
#include <QString>
#include <array>
#include <cstdint>

// The routes of the desk: a fixed table of route records. Routes 0..FSAnzahl
// are in use, without gaps. Every number is a signed 16-bit word; 65535 and
// -1 are the same word.

// One command of a command list: 8 words, indexed by Befehl::Feld.
using RouteBefehl = std::array<int16_t, 8>;

namespace Befehl {
enum Feld : int {
    X = 0,            // column of the command's desk field (0 for user commands)
    Y = 1,            // row of that field
    Wert = 2,         // address, seconds or number; type 5: column of the linked distant signal
    Zustand = 3,      // 0 red/off, 1 green/on, 2 free, 3 occupied; type 5: row of the distant signal
    Befehlsart = 4,   // command type, 0 in a free slot
    LNCVNr = 5,       // LNCV of field (X, Y) holding the address; -1 = Wert holds it; -2 = release copy of type 5
    Vorgaenger = 6,   // slot of the previous command; KeinGlied = first command
    Nachfolger = 7,   // slot of the next command; KeinGlied = last command
};
} // namespace Befehl

inline constexpr int16_t KeinGlied = -1;        // link word 65535: no previous / next command
inline constexpr int BefehlMax = 100;           // command slots 1..100 per list
inline constexpr int16_t LNCVNrImWert = -1;     // the address is held in Wert
inline constexpr int16_t LNCVNrFreigabeKopie = -2; // release copy of a distant-signal link

// One route: its keys, its release condition, its two LocoNet commands and
// two linked command lists (0 sets the route, 1 releases it).
struct Fahrstrasse {
    QString Name;
    // column, row, route slot 1..10 in the start key's signal board (0 = none), 0, 0
    std::array<int16_t, 5> Start{};
    // column, row, address, code (0 red, 1 green), LNCV of the destination field (-1 = take address and code)
    std::array<int16_t, 5> Ziel{};
    // column, row, feedback address, code (2 free, 3 occupied), LNCV of the feedback field (-1 = take the address)
    std::array<int16_t, 5> Aufloesen{};
    // address and code of the set command, address and code of the release command, 0
    std::array<int16_t, 5> Rueckmeldeadressen{};
    // Route[list][slot 1..100]; slot 0 is unused.
    std::array<std::array<RouteBefehl, BefehlMax + 1>, 2> Route{};
};

inline constexpr int FSMax = 300;            // routes 0..300
inline std::array<Fahrstrasse, FSMax + 1> FSDaten;
inline int16_t FSAnzahl = -1;                // index of the last route, -1 = none
inline const Fahrstrasse LeerFahrstrasse{};

// Image of one route memory module.
struct FSSpeicherModul {
    int16_t X = 0, Y = 0;                    // desk field of the owner, both 0 = free slot
    int16_t Voll = 0;                        // -1 = takes no further route
    int16_t LetzteLNCV = 0;                  // last LNCV written with route code, 5 = none
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

// Clears the route table and every route memory image.
void alleFahrstrassenLoeschen();

// Is r the index of a route in use (0..FSAnzahl)?
bool fahrstrasseVorhanden(int r);

// LNCV n of desk field (x, y) as 0..65535; 0 for a field off the desk or an LNCV it does not have.
int32_t fsFeldLncv(int x, int y, int n);

// Destination of route r: address and code (0 red, 1 green). Read from the
// destination field's LNCV Ziel(4) (address*10 + code) unless Ziel(4) is -1.
int32_t Get_Ziel_Adr(int r);
int32_t Get_Ziel_Zust(int r);

// Feedback address that releases route r: the release field's LNCV
// Aufloesen(4) (a plain address) unless Aufloesen(4) is -1.
int32_t Get_Aufloesen_Adr(int r);

// Address of command e (1..100) of list s of route r: from the LNCV LNCVNr of
// the command's field (+1 for a distant signal's second address, and for a
// main signal's second address when the desk numbers it first + 1), else Wert;
// 0 for the release copy of a distant-signal link. 0..65535.
int32_t Get_Route_Adr(int r, int s, int e);

// Deletes route r: clears its route slot in the start key's signal board and
// moves the routes behind it up by one. The caller rebuilds the route memory code.
void DelFS(int r);
