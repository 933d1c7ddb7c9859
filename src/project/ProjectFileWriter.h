#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

struct ModulDatei;

// The lines of the project file, as built from the desk in memory.

// Key suffixes of the stored address groups, in file order, with their group.
struct AdrGruppenSchluessel {
    const char* suffix;
    int gruppe;
};
extern const std::array<AdrGruppenSchluessel, 14> AdrGruppenSchluesselListe;

// A 32-bit floating value as the file writes it: "3", "-2", "2.5", ".5".
QString gleitZahl(float wert);

// The automatic-numbering ticks that placing the field's element gives it.
std::array<uint8_t, 128> vorgabeAutoFlags(int x, int y);

// Every line after the header, in file order: desk keys, field lines,
// routes, connection lines, the ticks of fields that differ from placing and
// the LNCV file of every module (with the slot of a route memory).
QStringList projektDateiZeilen();

// The same, naming the module files given: those the save writes.
QStringList projektDateiZeilen(const std::vector<ModulDatei>& dateien);
