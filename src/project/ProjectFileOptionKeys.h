#pragma once
#include "project/ProjectFileParser.h"

#include <QString>
#include <functional>
#include <vector>

// A numeric option key of the project file: a desk option, an address option
// or the range start or offset of a stored address group. The plan lock is
// none of them.
struct OptionsSchluessel {
    QString praefix;    // "PultOpt_", "AdrOpt_", "AdrOpt_StartAdr_" or "AdrOpt_AdrOff_"
    QString name;       // the key without its prefix
    double min, max;    // the range of its dialog box
    bool ganz;          // a 16-bit whole number; otherwise a 32-bit floating value
    std::function<double(const ProjektInhalt&)> wert;
    std::function<void(ProjektInhalt&, double)> setzen;

    QString key() const { return praefix + name; }
};

// Every option key, in file order.
const std::vector<OptionsSchluessel>& optionsSchluesselListe();

// The option key named key, or nullptr for any other key.
const OptionsSchluessel* optionsSchluessel(const QString& key);
