#pragma once
#include <array>
#include <cstddef>

struct PultFeld;

// The LNCVs of one field that hold addresses of one group, in numbering order.
struct GruppenLncvs {
    std::array<int, 6> nr{};
    int anzahl = 0;
    void dazu(int n) { nr[std::size_t(anzahl++)] = n; }
};

// Which LNCVs of a field with element code code carry addresses of group gruppe.
GruppenLncvs gruppenLncvs(int gruppe, int code, const PultFeld& feld);

// Numbers (AutoAdrSetzen true) or clears (false) every address of one group
// over the desk in the numbering order. A group whose range start is 0 is
// left alone. Before numbering, a run that would hand out an address above
// the group's maximum is refused with a message and writes nothing. Returns
// 0, or NummerierungBeendet when it was refused or the user ended it.
int gruppeAutoAdr(int gruppe);

// Writes the two auxiliary-key addresses into the auxiliary keys, destination
// keys and signals of the desk, whatever the ticks say. Addresses outside
// 0..2047 are refused with a message and nothing is written.
int FaGT_HaGT_SGT_FHT_autoAdr();

// Address group numbered by button Index of the numbering dialog (0..11, 14);
// -1 for the auxiliary-key button 12 and for indices without a group.
int gruppeVonKnopf(int Index);

// Runs the numbering of button Index: its group, or the auxiliary keys for 12.
void AutoInc_Clr(int Index);
