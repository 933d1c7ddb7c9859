#pragma once
#include <cstdint>

// Opens the serial port for the configured interface type (ComPort,
// LocoNetInterface, USBInterface). On failure sets Fehler to 1 and tells the
// user; otherwise leaves Fehler as it was. An open port is left as it is.
void open_com(int32_t& Fehler);
