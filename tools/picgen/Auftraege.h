#pragma once
#include "Motiv.h"
#include "core/Catalogue.h"

#include <QString>
#include <map>

using Bildauftraege = std::map<QString, Motiv>; // picture file name -> motif

// Adds every picture that one catalogue file names, with the highlighted
// picture of each LNCV module and the throttle's parts. False, with a message,
// when a name is already taken by another drawing.
bool sammleAuftraege(const KatalogDatei& datei, Bildauftraege& auftraege, QString& fehler);

// The white picture of the printout, which no catalogue entry names.
inline const QString WeissBild = QStringLiteral("weiss.bmp");
