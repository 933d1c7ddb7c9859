#pragma once
#include <QString>

// "major.minor.revision" of the program.
inline const QString ProgVersion = QStringLiteral("%1.%2.%3")
                                       .arg(TESSARO_VERSION_MAJOR)
                                       .arg(TESSARO_VERSION_MINOR)
                                       .arg(TESSARO_VERSION_PATCH);

// Date of the program version shown in the start window and the About box.
inline const QString ProgDatum = QStringLiteral("29.04.2016");
