#include "core/BasicText.h"

#include <cmath>

namespace Zahl {

QString mitVorzeichenstelle(qint64 wert)
{
    return wert < 0 ? QString::number(wert) : QLatin1Char(' ') + QString::number(wert);
}

QString gesperrt(qint64 wert)
{
    return mitVorzeichenstelle(wert) + QLatin1Char(' ');
}

double lies(const QString& text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    double vorzeichen = 1.0;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        if (text[i] == QLatin1Char('-'))
            vorzeichen = -1.0;
        ++i;
    }
    double wert = 0.0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        wert = wert * 10.0 + (text[i++].unicode() - '0');
    if (i < n && text[i] == QLatin1Char('.')) {
        double stelle = 0.1;
        for (++i; i < n && text[i].isDigit() && text[i].unicode() < 128; ++i, stelle /= 10.0)
            wert += (text[i].unicode() - '0') * stelle;
    }
    return vorzeichen * wert;
}

qint64 liesGanz(const QString& text, qint64 min, qint64 max)
{
    const double wert = std::round(lies(text));
    if (wert < double(min))
        return min;
    if (wert > double(max))
        return max;
    return qint64(wert);
}

} // namespace Zahl
