#pragma once
#include <QString>
#include <Qt>
#include <array>
#include <cstdint>

class QTimer;

// A LocoNet desk action picks a module by a click on the locked track plan;
// a right click cancels the pick (ModulWahlAbbruch).
inline bool ModulWahl = false;
inline bool ModulWahlOK = false;
inline bool ModulWahlAbbruch = false;
inline int16_t ModulWahlX = 0, ModulWahlY = 0;

// True while a desk action works on the modules over LocoNet: menus (but the
// plan lock), desk edits and closing the window are refused meanwhile.
inline bool PultAktionLaeuft = false;

// A click on the track plan during a desk action: records a pick or its cancel.
void ModulWahl_Klick(Qt::MouseButton knopf, int x, int y);

// The connection module that is to be configured.
inline int16_t AnschlussProgX = 0, AnschlussProgY = 0;

// Blinking of the module being worked on: the desk actions fill MarkBild with
// two picture paths, name the module's field and switch MarkTimer on and off.
inline std::array<QString, 2> MarkBild;
inline int16_t MarkBlink = 0;
inline int16_t MarkFeldX = 0, MarkFeldY = 0;
QTimer& MarkTimer();

// One blink step: the module's field on the track plan shows the next picture.
void MarkTimer_Timer();
