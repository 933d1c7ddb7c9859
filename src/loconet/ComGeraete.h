#pragma once
#include <QString>

// COM port numbers as the configuration keeps them, mapped to devices:
// COM1..COM4 are /dev/ttyS0..3 unless a link named "COMn" in the device
// folder points the number at another device (/dev/ttyUSB0, /dev/ttyACM0, ...).

// The device folder, ending with "/": "dosdevices/" beside the configuration file.
QString geraeteVerz();

// Puts the device folder elsewhere (tests); an empty path restores the default.
void setzeGeraeteVerz(const QString& verz);

// The device that COM n reaches; empty when the number reaches none.
QString comGeraet(int n);
