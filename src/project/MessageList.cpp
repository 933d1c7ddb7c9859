#include "project/MessageList.h"

QString aufzaehlung(const QStringList& zeilen, qsizetype max)
{
    QStringList genannt = zeilen.mid(0, max);
    if (zeilen.size() > max)
        genannt << QStringLiteral("... und ") + QString::number(zeilen.size() - max) + QStringLiteral(" weitere.");
    return genannt.join(QStringLiteral("\r\n"));
}
