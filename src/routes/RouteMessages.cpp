#include "routes/RouteMessages.h"

#include "routes/RouteTable.h"

namespace {
constexpr int ListeMax = 10;
} // namespace

QString fsName(int r)
{
    return QStringLiteral("Fahrstraße %1 \"%2\"").arg(r + 1).arg(FSDaten[size_t(r)].Name);
}

QString fsAufzaehlung(const QStringList& zeilen)
{
    QStringList gezeigt = zeilen.mid(0, ListeMax);
    if (zeilen.size() > ListeMax)
        gezeigt << QStringLiteral("... und %1 weitere").arg(zeilen.size() - ListeMax);
    return gezeigt.join(QStringLiteral("\r\n"));
}
