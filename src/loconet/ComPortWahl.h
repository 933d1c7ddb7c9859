#pragma once
#include <QString>
#include <cstdint>

// The settings behind the COM port dialog, free of widgets.

enum InterfaceTyp : int { Zentrale = 0, SeriellesInterface = 1, UsbInterface = 2 };

// The type that the two flags describe, LocoNetInterface tested first.
int interfaceTyp(int16_t locoNetInterface, int16_t usbInterface);

// The port number in the text: 1..255, or 0 when the text is no usable number.
int comNummer(const QString& text);

// What the dialog shows for a number: the device it reaches.
QString geraeteAnzeige(int nummer);

// OK: closes the port, stores type and number and writes the configuration file.
void comPortUebernehmen(int typ, int nummer);
