#pragma once
#include "loconet/LnNachricht.h"

#include <QString>
#include <cstdint>

// Sends words 0..Anzahl of Puffer and the check byte. Fehler 0 sent; 1 not
// sent within 5 s or the port is not open. To a command station each byte
// goes out only while its CTS line is on; a LocoNet interface ignores CTS.
void send(const LnPuffer& Puffer, int Anzahl, int32_t& Fehler);

// Sends the characters of s, each only while CTS is on. Fehler as for send.
void send_str(const QString& s, int32_t& Fehler);

// Returns once more than Sekunden seconds have passed; the window stays alive.
void delay(double Sekunden);
