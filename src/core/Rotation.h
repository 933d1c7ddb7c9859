#pragma once

// Replaces the element at the cursor of the track plan by the next member of
// its rotation family (the last member wraps to the first).
void ElementDrehen();

// The catalogue index that follows element e in its rotation family; e itself
// when e belongs to no family.
int naechsteDrehung(int e);
