#pragma once

// Whether the project in memory has changes that were not saved: everything
// the project file and the LNCV files hold, compared with the state of the
// last save, load or new desk.

// Remembers the current state as saved (after a save, a load, a new desk).
void projektAlsGespeichertMerken();

// True when the project differs from the state remembered last; false while
// no state has been remembered (no desk was created or loaded).
bool projektUngespeichert();
