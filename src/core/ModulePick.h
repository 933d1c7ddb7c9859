#pragma once
#include <QString>
#include <array>
#include <cstdint>

class QTimer;

// A LocoNet desk action picks a module by a click on the locked track plan.
inline bool ModulWahl = false;
inline bool ModulWahlOK = false;
inline int16_t ModulWahlX = 0, ModulWahlY = 0;

// The connection module that is to be configured.
inline int16_t AnschlussProgX = 0, AnschlussProgY = 0;

// Blinking of the module being worked on: the desk actions fill MarkBild with
// two picture paths and switch MarkTimer on and off.
inline std::array<QString, 2> MarkBild;
inline int16_t MarkBlink = 0;
QTimer& MarkTimer();

// One blink step: the current cell of the track plan shows the next picture.
void MarkTimer_Timer();
