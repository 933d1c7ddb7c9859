#include "project/ProjectFileState.h"

#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "project/ProjectFileWriter.h"
#include "routes/RouteCodeFollowsDesk.h"
#include "routes/RouteTable.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace {
// Everything the files hold: the lines of the project file and the values of
// every module. Kept whole, not as a digest: comparing is as quick as hashing,
// and no two different states can ever look alike.
struct Stand {
    QStringList zeilen;
    std::vector<int16_t> lncv;
    bool operator==(const Stand&) const = default;
};

std::optional<Stand> gespeichert;

template <typename Feld>
void hinzu(std::vector<int16_t>& ziel, const Feld& werte)
{
    ziel.insert(ziel.end(), werte.begin(), werte.end());
}

Stand jetzt()
{
    fsCodeNachfuehren();
    Stand s{projektDateiZeilen(), {}};
    s.lncv.reserve(size_t(PultdimensionenX) * size_t(PultdimensionenY) * PultFelder[0][0].LNCV.size()
                   + FSSpeicher.size() * FSSpeicher[0].LNCV.size());
    for (int x = 1; x <= PultdimensionenX; ++x)
        for (int y = 1; y <= PultdimensionenY; ++y)
            hinzu(s.lncv, PultFelder[size_t(x)][size_t(y)].LNCV);
    for (const FSSpeicherModul& m : FSSpeicher)
        hinzu(s.lncv, m.LNCV);
    return s;
}
} // namespace

void projektAlsGespeichertMerken()
{
    gespeichert = jetzt();
}

bool projektUngespeichert()
{
    return gespeichert && !(*gespeichert == jetzt());
}
