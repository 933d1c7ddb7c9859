#include "core/Version.h"

void versionSetzen()
{
    ProgVersion = QStringLiteral("%1.%2.%3").arg(TESSARO_VERSION_MAJOR).arg(TESSARO_VERSION_MINOR).arg(TESSARO_VERSION_PATCH);
}
