#pragma once

// Changes of an existing route from the route editor, through the same step
// dialogs, waits and evaluation that define a new route. Each of them leaves
// FSinArbeit as it found it, so an open editor keeps the desk protected.

// After an element was added to the set list of route r (k: the slot that was
// last in the set list before, -1 when it was empty): removes duplicates and
// gives every command that was really appended, and is not equal to one the
// route had, its counterpart at the end of the release list.
void NeueEintraegeAnhaengen(int r, int k);

// Lets the user click further elements for the set list of route r, one
// element step after the other, until "Fahrstraße beenden" or cancel.
void FS_hinzuf(int r);

// Changes one header part of route r: -1 name, -2 start key, -3 destination
// key, -4 release condition (each by its step dialog), -5 the LocoNet
// commands of the route's slot (by the route-slot dialog of the start key's
// board). Any other part does nothing.
void FS_Aendern(int r, int teil);
