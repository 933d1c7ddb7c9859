#include "loconet/ComGeraete.h"

#include "project/ProgramConfig.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString verzGesetzt;
}

QString geraeteVerz()
{
    if (!verzGesetzt.isEmpty())
        return verzGesetzt;
    return QFileInfo(konfigDateiPfad()).absolutePath() + QStringLiteral("/dosdevices/");
}

void setzeGeraeteVerz(const QString& verz)
{
    verzGesetzt = verz.isEmpty() || verz.endsWith(QLatin1Char('/')) ? verz : verz + QLatin1Char('/');
}

QString comGeraet(int n)
{
    const QFileInfo link(geraeteVerz() + QStringLiteral("COM%1").arg(n));
    if (link.isSymLink())
        return QDir::cleanPath(link.absoluteDir().absoluteFilePath(link.symLinkTarget()));
    if (n >= 1 && n <= 4)
        return QStringLiteral("/dev/ttyS%1").arg(n - 1);
    return {};
}
