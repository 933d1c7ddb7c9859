#pragma once
#include <array>
#include <cstdint>

class StartForm;
class MainWindow;

// LNCV number shown in each value box of the connection-module dialog.
inline std::array<int16_t, 11> AnschlussLNCVNr{};

// The start-up of the program: start window, configuration, main window,
// catalogue. Returns false when the program is to end instead of running:
// the start window was closed, or the catalogue could not be read (the user
// has then been told why).
bool programmStarten();

// The windows start-up created (null before).
StartForm* startFenster();

// Shows the start window with the program's version, centred on the screen:
// the first window the program shows (created at the first call).
StartForm* startFensterZeigen();
