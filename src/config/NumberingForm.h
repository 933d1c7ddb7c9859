#pragma once
#include <QString>
#include <array>

// The numbering dialog free of widgets: its box texts and options, how they
// pass to and from AdrOpt, and what its buttons run.

// Text box indices 0..14: 0 and 1 the two auxiliary-key addresses, 2..14 one
// address group each (no next-address box for 0 and 1).
inline constexpr int KonfAdrBoxen = 15;
inline constexpr int HilfstastenKnopf = 12;

// Address group of text box index i (-1 for 0, 1 and indices without a group).
int gruppeVonBox(int i);
// Text box index of a button index (the auxiliary-key button 12 gives 0).
int boxVonKnopf(int knopf);
// Maximum of text box index i: 4095 for 3, 7 and 12, otherwise 2047.
int konfAdrMaximum(int i);

struct KonfAdrEingabe {
    std::array<QString, KonfAdrBoxen> konfAdr;   // range starts, 0 and 1 the auxiliary-key addresses
    std::array<QString, KonfAdrBoxen> startAdr;  // next addresses (2..14)
    bool mehrbegriff = false;
    int nummerierung = 0;                        // selected order option, -1 for none
    bool ersetzen = false;                       // "alle Adressen neu numerieren ..."
    bool operator==(const KonfAdrEingabe&) const = default;
};

// A next address as the dialog shows it ("101", "101.5") and reads it ("." or ",").
QString adressText(double adresse);
double adressLesen(const QString& text);

// Dialog to AdrOpt: starts, offsets (so the next address typed is the first
// handed out; an empty next address counts as the range start), options and
// the loop table. No order chosen counts as order 0.
void Read_Form_Einstellungen(const KonfAdrEingabe& e);
// AdrOpt to dialog.
KonfAdrEingabe Load_Form_Einstellungen();

// Checks the boxes a button relies on (knopf 0..14, -1 for "Alles Starten"):
// empty text when all are within their maximum, else the message saying which is not.
QString knopfPruefen(const KonfAdrEingabe& e, int knopf);

// A button of the dialog: refused with a message while a box it relies on is
// out of range (false); otherwise stores the boxes, numbers (vergeben) or
// clears the group of knopf, or every group in button order for knopf -1,
// and refreshes the address grid and the route memory code.
bool knopfAusfuehren(const KonfAdrEingabe& e, int knopf, bool vergeben);

// Sets the automatic-numbering tick of every LNCV of every desk field (0 off, 1 on).
void AutoNumm_Setzen(int an);
