#pragma once
#include "config/AddressOptions.h"
#include "project/DeskEntries.h"

#include <QString>

// What "Neues Pult" chose before its dialog opens: the project's folder and
// file and the desk record with the defaults of a new project. Nothing of it
// reaches the open desk until the dialog's OK.
struct NeuesPultVorgabe {
    QString verz;            // ends with "/"
    QString datei;
    PultDatenSatz daten;     // the current record with the new-project defaults
    int16_t spalten = 0, zeilen = 0;   // the size the dialog offers: the current one
};

// The defaults of a new project in the folder verz, file datei.
NeuesPultVorgabe neuesPultVorgabe(const QString& verz, const QString& datei);

// The desk record of a new project: the options "Neues Pult" offers, never
// programmed and not initialised; name and stamps as in bisher.
PultDatenSatz neuesPultDaten(const PultDatenSatz& bisher);

// The stored address options of a new project: every group starts at 0 with
// offset 0, except the route feedback start fahrstrStart; the route blocks
// are aligned to folgenStart. What the project file does not store stays.
void neueAdressOptionen(AdrOptDaten& a, float fahrstrStart, int16_t folgenStart);

// The boxes of the new-desk dialog when it opens: options and size from the
// defaults, right-hand traffic, empty name, route
// feedback start and alignment "0". The turnout and follow-on signal boxes
// keep their last state (taken from bisher; unchecked the first time).
PultEingabe neuesPultEingabe(const NeuesPultVorgabe& v, const PultEingabe& bisher);

// OK of the new-desk dialog. Refused entries are reported and nothing
// changes (false). Otherwise the catalogue of the chosen traffic side is
// read, folder, file, desk record, address options, plan lock and edit mode
// are set and an empty desk of the chosen size is built (true).
bool neuesPultAnlegen(const NeuesPultVorgabe& v, const PultEingabe& e);
