#include "project/ProjectFileState.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "project/ProjectFileWriter.h"
#include "routes/RouteTable.h"

#include <QCryptographicHash>
#include <optional>

namespace {
std::optional<QByteArray> gespeichert;

template <typename Feld>
void hinzu(QCryptographicHash& h, const Feld& werte)
{
    h.addData(QByteArrayView(reinterpret_cast<const char*>(werte.data()), qsizetype(sizeof(werte[0]) * werte.size())));
}

QByteArray fingerabdruck()
{
    QCryptographicHash h(QCryptographicHash::Sha1);
    for (const QString& zeile : projektDateiZeilen())
        h.addData(zeile.toUtf8() + '\n');
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            hinzu(h, PultFelder[size_t(x)][size_t(y)].LNCV);
    for (const FSSpeicherModul& m : FSSpeicher)
        hinzu(h, m.LNCV);
    return h.result();
}
} // namespace

void projektAlsGespeichertMerken()
{
    gespeichert = fingerabdruck();
}

bool projektUngespeichert()
{
    return gespeichert && *gespeichert != fingerabdruck();
}
