#pragma once
#include "core/Catalogue.h"

#include <QString>

// The catalogue of the configured traffic side as the program uses it.
inline std::array<KatalogEintrag, KatalogSlots> ElementKatalog;
inline std::array<GrundplattenEintrag, GrundplattenMax> Grundplatten;
inline int KatalogAnzahl = 0;        // element records read
inline int GrundplattenAnzahl = 0;   // base plates read

// Palette cells: catalogue indices (column 0..8, row 0..5) and base-plate indices.
inline int16_t ElementePalette[9][6] = {};
inline int16_t GrundplattenPalette[9][2] = {};
// The palette entry the user selected: a catalogue index in mode 1, a base plate in mode 2.
inline int16_t AuswahlElement = 0;

// Sizes of one desk and palette cell in pixels, and the width of the palettes.
inline int FeldBreite = 84;
inline int FeldHoehe = 54;
inline int PalettenBreite = 0;

// Configuration folder with the catalogue files and pictures, ending in "/".
inline QString KonfVerz;

// Reads the catalogue of traffic side Verkehr and builds palettes and rotation
// sequences. On a missing or malformed file returns false with a German
// message; the catalogue in memory is then left as it was.
bool neues_pult_setzen(QString* fehler = nullptr);
