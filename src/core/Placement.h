#pragma once
#include "core/Desk.h"

#include <QList>

#include <array>
#include <cstdint>

// The field's record as it was before the current placement.
inline PultFeld AltFeld;

// Undo buffer of one step: the last field removed with the delete tool.
inline PultFeld UndoFeld;
inline int16_t UndoElement = 0;
inline int16_t UndoX = 0, UndoY = 0;
inline int16_t UndoMoeglich = 0;                 // -1 = an undo step is available
// The values of a removed route memory, which live in its image, not in the field.
inline bool UndoMitFSBild = false;
inline std::array<int16_t, 2049> UndoFSLNCV{};

inline constexpr int FahrreglerArtikel = 54730;  // upper parts carry 54731 and 54732

// Is the base plate the part code of a throttle's middle or top part?
inline bool istFahrreglerOberteil(int32_t grundplatte)
{
    return grundplatte > FahrreglerArtikel && grundplatte < FahrreglerArtikel + 3;
}

// Places catalogue entry auswahl on the field under the cursor of the track
// plan. The delete tool (code -99) removes what the field holds and keeps it
// for undo; on a field it would not change it does nothing, so the step to
// undo stays the one before. Other tools leave the field as it is.
void SetzePultElement(int16_t auswahl);
// The same on field (x, y): the cursor of the track plan is put there first.
void SetzePultElementAuf(int x, int y, int16_t auswahl);

// Catalogue entry auswahl about to be placed on field (x, y).
struct Platzierung {
    int16_t auswahl;
    int x, y;
};

// Before the user places entries by a click, a paste or an undo: a throttle
// also takes the fields above its own for its upper parts. When some of them
// hold elements that no other placement of the list replaces anyway (an empty
// field of a pasted block leaves what stands there), one question names them
// all and asks whether they may be removed; true when the placement may go
// ahead (at once when no throttle covers an element).
bool fahrreglerPlatzBestaetigt(const QList<Platzierung>& platzierungen);

// Removes the element of field (x, y) (a throttle with its upper parts) and
// marks its LNCV file for deletion at the next save.
void LoeschePultElement(int x, int y);

// Frees the slot of a route memory on field (x, y).
void schaltfolgenmodul_loeschen(int x, int y);

// Redraws the base-plate picture of field (x, y) in the electrical view.
void elektrische_Verbindungen_setzen(int x, int y);

// Draws field (x, y) in all three grids as its record says: the picture of
// its element, or on an empty field that of the throttle part its base plate
// names, in the track plan and the address grid; its base plate and
// connection number in the electrical view; its address lines.
void feldZeichnen(int x, int y);

// Moves the route memory of field (x, y) with its image (values, programmed
// copy) to slot `platz` when that slot is free; the field's LNCV 0 names it
// then. False when the field owns no slot or `platz` is taken by another
// field. The caller rebuilds the route memory code.
bool fahrstrassenSpeicherVerlegen(int x, int y, int platz);

// Route memory slot 0..4 owned by field (x, y): the slot its LNCV 0 names when
// that slot belongs to the field, else the last slot that does; -1 for none.
int fahrstrassenSpeicherSlot(int x, int y);

// Puts the field removed last with the delete tool back whole, where the
// cursor of the track plan stood then, and draws it. What was placed there
// since is removed first as a deletion removes it. A route memory takes a
// free slot and gets its image's values back; false when no slot is free
// (the field stays empty and the step can be taken later).
bool undoEinsetzen();

// Forgets the undo step (desk reset or resized).
void undoVerwerfen();
