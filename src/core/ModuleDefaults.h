#pragma once
#include <cstdint>

// LNCVs that every desk module shares.
namespace LncvNr {
inline constexpr int ModulAdresse = 0;
inline constexpr int Helligkeit = 2;
inline constexpr int Konfiguration = 3;   // bit 0 brightness control, bit 1 key lock, bit 6 start-up reboot
inline constexpr int Startzeit = 4;
inline constexpr int TastenProgZeit = 5;
} // namespace LncvNr

// Initial values of the module just placed on field (x, y), by its article.
void modulVorgabenSetzen(int x, int y);

// Writes the desk options of the desk record into the module at field (x, y).
void set_modul_optionen(int x, int y);

// When field (x, y) now holds a module of the same article as before the
// placement (AltFeld) and the old module had addresses, asks whether to take
// them over and copies them on Yes.
void LNCV_uebernehmen(int x, int y);
