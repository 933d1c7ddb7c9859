#pragma once
#include <QString>

// "major.minor.revision" of the program.
inline QString ProgVersion;

// Date of the program version shown in the start window and the About box.
inline const QString ProgDatum = QStringLiteral("29.04.2016");

void versionSetzen();
