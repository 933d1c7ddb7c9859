#pragma once
#include "loconet/PultLauf.h"

#include <cstdint>

class StartWache;

// The index of the last desk-menu item chosen (1..9).
inline int PultMenuIndex = 0;

// The desk actions of the menu "Pult": read back, program, initialise (all
// modules or picked ones) and clear the desk over LocoNet.
void Pult_Read();
void Pult_Prog();
void Pult_Init_Neu();
void Pult_Init();
void Pult_Clear();

// The software version of the 3-button segment at (X, Y), which is in
// programming mode: when one of its keys has the uncoupler or STOP/GO
// function, LNCV 1 is read and a version below 2 is warned about. Fehler:
// result of that read, unchanged when no key needs it.
void Check_3TM_Version(int32_t X, int32_t Y, int32_t ArtikelNr, int32_t& Fehler);

// Initialises module m by a key press on it: reset, module address, the
// programmed copies forgotten once the module took the reset. The watch of
// the run lets the line fall quiet at the prompt and ends the programming
// mode of modules whose start answers were not taken.
ModulVersuch Modul_Init(const PultModul& m, StartWache& wache);
