#pragma once
#include <QString>
#include <cstdint>
#include <optional>

// A programmable module of the desk as the desk actions see it: where it is,
// how it is addressed on LocoNet and where the project keeps its values (the
// desk field, or for a route memory the image of its slot).
struct PultModul {
    int x = 0, y = 0;
    int32_t artikel = 0;           // catalogue article, e.g. 54650
    int32_t art = 0;               // type number on LocoNet: article / 10
    int16_t* lncv = nullptr;       // the project's values
    int16_t* kopie = nullptr;      // their programmed copy
    QString bild;                  // picture file of the element

    bool istFSSpeicher() const { return artikel == 54670; }
    int16_t adresse() const { return lncv[0]; }
    // Last LNCV that programming decides one by one (from LNCV 2 on).
    int letzteEntschiedene() const;
    // Writing 0 here resets the module to its factory settings.
    int resetLncv() const { return istFSSpeicher() ? 2048 : 119; }
    // Number of values that read-back takes over (LNCV 0 up).
    int uebernahmeAnzahl() const;
    // Read-back leaves these alone: the key functions of a 3-button segment
    // are set in the editor only, the module does not hold them.
    bool nurImEditor(int n) const { return artikel == 54690 && n >= 115 && n <= 117; }
    // Forgets what was programmed: every copy 0, as after a reset.
    void kopieVergessen() const;
};

// True for the seven module articles that the desk actions work on.
bool istProgrammierbar(int32_t artikel);

// The module on desk field (x, y); none when the field holds no programmable
// module (or a route memory without an image).
std::optional<PultModul> pultModul(int x, int y);
