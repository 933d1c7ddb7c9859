#pragma once
#include <QString>
#include <array>

// The commands a user adds to a route in the route editor (types 21..25):
// switch an accessory, send a feedback, wait, call a route by its feedback
// address, number, lock or unlock a route. Each type has its value label,
// its value maximum and the state options it offers.

inline constexpr int NutzerArtAnzahl = 5;       // command-type options 0..4 = types 21..25
inline constexpr int NutzerZustandAnzahl = 3;   // state options 0..2
inline constexpr int NutzerArtPause = 2;        // the type that needs no state

struct NutzerBefehlArt {
    QString option;                               // caption of the command-type option
    QString wertText;                             // label of the value box
    int maximum;                                  // largest value
    std::array<QString, NutzerZustandAnzahl> zustaende;   // caption per state option, empty = not offered
};

// The type behind command-type option `art` (0..4).
const NutzerBefehlArt& nutzerBefehlArt(int art);

// Does type option `art` offer state option `zustand`?
bool nutzerZustandAngeboten(int art, int zustand);

// What the dialog holds: the chosen type and state options (-1 none) and the value text.
struct NutzerEingabe {
    int art = -1;
    int zustand = -1;
    QString wert;
};

// May the dialog be confirmed: a type chosen, its value within the type's
// maximum, and a state it offers chosen (a pause needs none).
bool nutzerEingabeGueltig(const NutzerEingabe& e);

// The user command in slot e of list s of route r, as the dialog shows it.
NutzerEingabe Put_UBest_Form_Values(int r, int s, int e);

// Writes the dialog's answer into slot e of list s of route r: no desk field,
// the value held in Wert; the links stay as they are.
void Get_UBest_Form_Values(int r, int s, int e, const NutzerEingabe& eingabe);
