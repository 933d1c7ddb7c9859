#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// The LNCV files of the modules: the one place that works out which file a
// module is saved in and reads the names back. The save writes these files
// and names them in the project file; the load finds them by these names; a
// removed module's file is marked for deletion by it; the connection modules
// keep theirs under the same form.

// The articles of the connection modules, which keep LNCV files of the same
// form beside those of the desk's modules.
inline constexpr std::array<int32_t, 2> AnschlussModulArtikel = {54480, 54490};

// The name of a module's LNCV file: article, "_", address, ".lcv", both
// numbers in plain digits, the address with "-" when negative (a connection
// module passes its five-digit article, 54480 or 54490).
QString lncvDateiName(int32_t artikel, int64_t adresse);

// The LNCV file of a module in the project folder PultVerz.
QString lncvModulDatei(int32_t artikel, int64_t adresse);

// The name of the LNCV file of the module that placing the element (code)
// of article artikel on field (x, y) gives: its module address (LNCV 0) is
// column + 100 x row with automatic module addresses for the elements that
// take it, else 0. A load looks for a module saved without its file's name
// by it.
QString platzierteModulDatei(int32_t artikel, int code, int x, int y, int16_t zsAdrOpt);

// The article a name of that form gives; 0 for any other name (no article or
// no address, other characters, another ending, a path).
int32_t lncvDateiArtikel(QStringView name);

// Whether the name is that of a connection module's LNCV file.
bool istAnschlussModulDatei(QStringView name);

// The name of a project file as the description line of its module files
// holds it: they are Windows-1252, so a character it lacks is a "?" there.
QString projektNameInModulDatei(const QString& pultDatei);

struct ModulDatei {
    int x = 0, y = 0;
    int slot = -1;                    // a route memory's image in FSSpeicher, -1 for other modules
    int32_t artikel = 0;
    QString name;                     // article "_" address ".lcv"
    int16_t* lncv = nullptr;          // the values the file holds
    const int16_t* kopie = nullptr;   // their programmed copy
    int n = 0;                        // how many values the file holds
    int markeNr = 0;                  // the value that takes the change mark
};

// The files of the module on field (x, y), appended to liste: none for a
// field without an LNCV module, one per image for a route memory.
void feldModulDateien(int x, int y, std::vector<ModulDatei>& liste);

// The files of every module of the desk, in field order (column by column).
std::vector<ModulDatei> modulDateien();
