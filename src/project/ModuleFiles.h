#pragma once
#include <QString>
#include <cstdint>
#include <vector>

// The LNCV files of the desk's modules: the one place that works out which
// file a module is saved in. The save writes these files and names them in
// the project file; a removed module's file is marked for deletion by it.

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
