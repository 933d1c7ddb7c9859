#pragma once
#include "core/Desk.h"

#include <QString>
#include <array>
#include <optional>

// The settings of a joystick board (element codes 710 and 711) as its dialog
// shows them, and their coding in LNCV 50..89 of the board.
//
// Directions d: 0 oben, 1 unten, 2 links, 3 rechts; oben/unten and
// links/rechts are the two axes. Control levels L: 0 and 1. Boxes and options
// of a level are indexed as the dialog's control arrays are.

inline constexpr int JoyRichtungen = 4;
inline constexpr int JoyEbenen = 2;
inline constexpr int JoyFunktionen = 9;   // f0..f8

// Control modes of the loco-function mode.
enum JoySteuerart { JoyJedeRichtung = 0, JoyEinAus = 1, JoyKombination = 2 };

struct JoyEingabe {
    bool lokFunktionen = true;                 // "Lok-Sonderfunktionen", else "Magnetartikel-Befehle"
    QString lokAdr;                            // LokAdrTxt
    bool tasterSchaltetEbene = false;          // "Drucktaster schaltet Joystickfunktion um"
    QString tasterWert;                        // DruckTaSfktTxt: function number or accessory address
    std::array<QString, JoyEbenen * JoyRichtungen> speed;   // SpeedTxt(4L + d)
    // Per level and axis (2L + axis): its first direction (oben, links) runs
    // "rückwärts" and its partner "vorwärts"; otherwise the reverse.
    std::array<bool, JoyEbenen * 2> ersteRueckwaerts{};
    int steuerart = JoyJedeRichtung;           // SfktOpt
    std::array<QString, 6> sfktNt;             // SfktNtTxt(3L + 0..2)
    // Control mode 1: the axis whose movement switches the function on, per level (0 oben/unten, 1 links/rechts).
    std::array<int, JoyEbenen> einschaltAchse{};
    std::array<bool, JoyEbenen * JoyRichtungen * JoyFunktionen> sfktBit{};   // SfktBit(36L + 9d + b)
    std::array<QString, JoyEbenen * JoyRichtungen> magAdr;  // MagAdrTxt(4L + d)
    std::array<bool, JoyEbenen * JoyRichtungen> gruen{};    // "Grün" chosen, else "Rot"
};

// The LNCVs 50..89 of a board, all the dialog shows and stores.
using JoyWerte = std::array<int16_t, 40>;
JoyWerte joyWerte(const PultFeld& feld);

// Fills the dialog's settings from a board's LNCVs. The settings of the mode
// the board is not in (loco functions or accessories) keep what bisher shows.
JoyEingabe joyLaden(const PultFeld& feld, const JoyEingabe& bisher);

// Stores the settings into the board's LNCVs. The values of the mode not
// chosen become 0, so the board holds the values of one mode only.
void joySpeichern(PultFeld& feld, const JoyEingabe& e);

// The text boxes of the dialog.
enum class JoyBox { LokAdr, Taster, Speed, SfktNt, MagAdr };

// Largest value a box may hold while the chosen settings store it; none when
// they do not store it (a box of another mode or control mode).
std::optional<int> joyMaximum(const JoyEingabe& e, JoyBox box, int index = 0);

// The option clicks, with what follows from each of them.
void joyModusWaehlen(JoyEingabe& e, bool lokFunktionen);
void joyTasterWaehlen(JoyEingabe& e, bool schaltetEbene);
// Running direction of direction d on level L: the partner direction of the axis gets the opposite one.
void joyFahrtrichtung(JoyEingabe& e, int ebene, int richtung, bool rueckwaerts);
bool joyRueckwaerts(const JoyEingabe& e, int ebene, int richtung);

// Presets of the menu "Voreinstellungen": they only set the controls they name.
void joyKorvanderBockkran(JoyEingabe& e);
void joyRocoGleiskran(JoyEingabe& e);
