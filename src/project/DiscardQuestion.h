#pragma once

// Before "Neues Pult" or "Pult laden" gives up the open desk: when it has
// changes that were neither programmed nor saved, asks whether to discard
// them. True = go on (nothing to lose, or the user agreed).
bool aenderungenVerwerfenFragen();
