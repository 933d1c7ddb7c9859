#pragma once
#include <QString>

// Numbers as the printed lists write them: at least `stellen` digits with
// leading zeros, the sign in front ("00": 3 -> "03", -3 -> "-03").
inline QString mitNullen(qint64 wert, int stellen)
{
    const QString ziffern = QString::number(wert < 0 ? -wert : wert).rightJustified(stellen, QLatin1Char('0'));
    return wert < 0 ? QLatin1Char('-') + ziffern : ziffern;
}
