#pragma once

// The index of the last desk-menu item chosen (1..9).
inline int PultMenuIndex = 0;

// The desk actions of the menu "Pult": read back, program, initialise (all
// modules or picked ones) and clear the desk over LocoNet.
void Pult_Read();
void Pult_Prog();
void Pult_Init_Neu();
void Pult_Init();
void Pult_Clear();
