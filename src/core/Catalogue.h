#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// One element type of the catalogue.
struct KatalogEintrag {
    QString Bild;                 // picture file, relative to the configuration folder
    QString Name;                 // "Leer" marks the empty element
    int16_t ElementNr = 0;        // element code
    int32_t ArtikelNr = 0;
    int32_t ZusatzWert = 0;       // default configuration value of turnout and signal boards
    int16_t LNCVAnzahl = 0;
    int16_t Breite = 0;
    int16_t Hoehe = 0;
    std::array<QString, 4> Namen; // pictures of the parts of an element higher than one field
    int16_t InPalette = 0;
    int16_t DrehBasis = 0;
    std::array<int16_t, 21> DrehFolge{};
};

struct GrundplattenEintrag {
    QString Bild;
    int32_t ArtikelNr = 0;
};

inline constexpr int KatalogSlots = 131;          // index 0..130
inline constexpr int KatalogMaxEintraege = 130;   // element records a file may hold
inline constexpr int GrundplattenMax = 16;
inline constexpr int GrundplattenPaletteMax = 9;  // columns of the base-plate palette
inline constexpr int PaletteSpalten = 8;
inline constexpr int PaletteMaxEintraege = 48;    // 8 columns x 6 rows
inline constexpr int DrehFolgeMax = 20;           // entries joining one rotation sequence

// A catalogue file as read, before it becomes the program's catalogue.
struct KatalogDatei {
    std::vector<KatalogEintrag> eintraege;        // element records in file order
    std::vector<GrundplattenEintrag> grundplatten;
};

// File name of the catalogue of traffic side 0 (right), 1 (left) or 2 (both).
QString katalogDateiName(int verkehr);

// Reads and checks one catalogue file. Pictures are looked for in the file's
// folder. On failure returns false and sets fehler to a German message that
// names the file and the offending item; ziel is then unspecified.
bool liesKatalogDatei(const QString& pfad, KatalogDatei& ziel, QString& fehler);

// The same without looking for the pictures; the picture generator reads the
// files with it before the pictures exist.
bool liesKatalogEintraege(const QString& pfad, KatalogDatei& ziel, QString& fehler);

// Picture shown while a module is highlighted: the name up to its first "."
// followed by "_ausw.bmp".
QString hervorgehobenesBild(const QString& bild);

// Base plates the base-plate palette offers: connection module, connection
// boards and the two tools; the others are in the list only for their pictures.
inline bool inGrundplattenPalette(int32_t artikel)
{
    return artikel == 54430 || artikel == 54640 || artikel == 54642 || artikel == -99 || artikel == -1;
}

// Element codes below 1 stand for no element: the tools of the palettes
// (-1 the select tool, -99 the delete tool) and the empty element "Leer" (0).
// Placing one puts no element on a field, rotating one does nothing, and the
// track-plan drawing prints its field white.
inline bool istWerkzeugCode(int code) { return code < 1; }

// An element one field wide standing on more fields above the one it is
// placed on (the throttle): its upper parts take the fields above.
inline bool istHohesElement(const KatalogEintrag& e)
{
    return !istWerkzeugCode(e.ElementNr) && e.Breite == 1 && e.Hoehe >= 2;
}

// Elements whose module is programmed through LNCVs.
inline bool istLncvModul(int32_t artikel) { return artikel >= 54650 && artikel < 54711; }
