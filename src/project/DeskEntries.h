#pragma once
#include "project/DeskRecord.h"

#include <QString>

// What the boxes of the new-desk and the desk-settings dialog hold. Both
// dialogs bind their controls to this record; checking and applying work on
// it without widgets.
struct PultEingabe {
    QString projektName;
    QString spalten, zeilen;              // AnzCol_Txt, AnzRow_Txt
    int verkehr = 0;                      // the selected VerkehrOpt button
    bool modAdr = false;                  // ModAdr_Chk
    bool hellStart = false;               // Hell_Chk
    bool hellOpt = false;                 // ModKonfBit_Ckh(0)
    bool tastenOpt = false;               // ModKonfBit_Ckh(1)
    bool startReboot = false;             // Start_reboot_chk
    bool blinken = false, belegt = false; // Blnk_Chk, Belegt_Chk
    bool hsFolge = false, vsFolge = false;// HS_Folgeadr_Chk, VS_Folgeadr_Chk
    QString hellWert;                     // Hell_Txt
    QString progZeit;                     // ProgZeit_Txt
    QString weichenDauer;                 // WeichenDauer_Txt
    QString radr;                         // Radr_Txt
    QString radrOff;                      // RadrOff_Txt (settings dialog only)
    QString fstFolSta;                    // FstFolStaTxt
};

// The largest value each numeric box accepts.
namespace PultGrenze {
inline constexpr int Groesse = 99;
inline constexpr int Helligkeit = 10;
inline constexpr int Zeit = 255;
inline constexpr int Adresse = 4095;
} // namespace PultGrenze

// Every option box from the desk record (check boxes on for 1).
void optionenEintragen(PultEingabe& e, const PultDatenSatz& daten);
// The twelve options of the dialogs into the desk record.
void optionenUebernehmen(const PultEingabe& e, PultDatenSatz& daten);

// Why the entries cannot be taken: a size below 1, empty or above 99, or an
// empty brightness or time box. Empty when they are usable.
QString eingabeFehler(const PultEingabe& e);

// The message box of a refused entry: critical stop, OK only, "Achtung!".
void eingabeFehlerMelden(const QString& text);

// Switches the catalogue to traffic side seite when Verkehr names another one.
// When the catalogue cannot be read, Verkehr and the catalogue stay as they
// were, the reason is reported and the result is false.
bool verkehrWechseln(int seite);

// A box value as a whole number, rounded to the nearest integer.
int ganzZahl(const QString& text);
