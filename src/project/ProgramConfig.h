#pragma once
#include <QString>
#include <cstdint>

// The settings the program keeps between runs.
inline int16_t ComPort = 0;
inline int16_t LocoNetInterface = 0;   // -1 = serial LocoNet interface
inline int16_t USBInterface = 0;       // -1 = LocoNet USB interface / PC port at 115200 baud
inline double Verkehr = 0;             // traffic side: 0 right-hand, 1 left-hand, 2 both

// Folder of the program file, with a trailing "/".
QString programmVerz();

// The configuration file as read and written: in the program folder, or in the
// user's configuration folder when the program folder is not writable.
QString konfigDateiPfad();

void Load_conf();
// Writes the file; false (after telling the user) when it could not be written.
bool Save_conf();
