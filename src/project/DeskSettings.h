#pragma once
#include "project/DeskEntries.h"

#include <QString>

// The boxes of the desk-settings dialog from the open project.
PultEingabe einstellungenEingabe();

// "12.05.2016 - 14.05": date and time of the last programming of the desk.
QString progDatumText(const PultDatenSatz& daten);

// OK of the desk-settings dialog. Refused entries are reported; a smaller
// desk is applied only after the shrink warning and, when cut-off fields hold
// anything, the route warning were both confirmed. Then the options, the
// route feedback addresses and the size are taken, every module gets the
// desk options again and the route memory code is rebuilt (true). On false
// nothing has changed.
bool einstellungenUebernehmen(const PultEingabe& e);

// Gives the desk the new size. Fields that fall off are removed like deleted
// modules (route memory slot freed, LNCV file marked for deletion); fields
// that a growing desk adds start empty; the grids are rebuilt and the undo
// step and the mark are dropped.
void pultGroesseAendern(int spalten, int zeilen);
