#pragma once
// A desk of programmable modules for the desk-action tests, its simulated
// counterparts and the message trace in readable form.
#include "LnModulSim.h"
#include "core/CatalogueState.h"
#include "routes/RouteTable.h"
#include "support/TestDesk.h"

#include <QStringList>

namespace PultTest {

// Catalogue index of the first element of an article.
inline int16_t index(int32_t artikel)
{
    for (int i = 0; i < KatalogAnzahl; ++i)
        if (ElementKatalog[size_t(i)].ArtikelNr == artikel)
            return int16_t(i);
    return -1;
}

// A desk module on (x, y) with address adr, its values as pairs number, value.
inline PultFeld& modul(int x, int y, int32_t artikel, int adr, const QList<int>& lncvs = {})
{
    return TestDesk::setzen(x, y, index(artikel), QList<int>{0, adr} + lncvs);
}

// A route memory on (x, y) in image slot; its image takes address and values.
inline FSSpeicherModul& fsSpeicher(int x, int y, int slot, int adr)
{
    TestDesk::setzen(x, y, index(54670), {0, slot});
    FSSpeicherModul& m = FSSpeicher[size_t(slot)];
    m = FSSpeicherModul{};
    m.X = int16_t(x);
    m.Y = int16_t(y);
    m.LNCV[0] = alsWort(adr);
    return m;
}

// The messages the modules received, one line each:
// "an 5465/3", "aus 5465/3", "taste", "lies 5465 12", "schreib 5465 12=7".
inline QStringList spur(const LnModulSim& sim)
{
    QStringList zeilen;
    for (const QByteArray& m : sim.nachrichten) {
        const SimLn::Lncv n = SimLn::lies(m);
        if (n.opcode == 0xE5)
            zeilen << QStringLiteral("aus %1/%2").arg(n.art).arg(n.wert);
        else if (n.art == 0xFFFF)
            zeilen << QStringLiteral("taste");
        else if (n.flags == 0x80)
            zeilen << QStringLiteral("an %1/%2").arg(n.art).arg(n.wert);
        else if (n.befehl == 0x21)
            zeilen << QStringLiteral("lies %1 %2").arg(n.art).arg(n.lncv);
        else
            zeilen << QStringLiteral("schreib %1 %2=%3").arg(n.art).arg(n.lncv).arg(n.wert);
    }
    return zeilen;
}

// The expected trace, built module by module.
struct Spur {
    QStringList zeilen;
    int art = 0;

    Spur& an(int a, int adr)
    {
        art = a;
        zeilen << QStringLiteral("an %1/%2").arg(a).arg(adr);
        return *this;
    }
    Spur& aus(int adr) { return zeile(QStringLiteral("aus %1/%2").arg(art).arg(adr)); }
    // Reads LNCV von, or von..bis.
    Spur& lies(int von, int bis = -1)
    {
        for (int n = von; n <= std::max(von, bis); ++n)
            zeile(QStringLiteral("lies %1 %2").arg(art).arg(n));
        return *this;
    }
    Spur& schreib(int n, int wert) { return zeile(QStringLiteral("schreib %1 %2=%3").arg(art).arg(n).arg(wert)); }
    // Reads LNCV von..bis and writes each value of neu that the module (alt) does not hold.
    Spur& vergleichen(int von, int bis, const QMap<int, int>& alt, const QMap<int, int>& neu)
    {
        for (int n = von; n <= bis; ++n) {
            lies(n);
            if (alt.value(n) != neu.value(n))
                schreib(n, neu.value(n));
        }
        return *this;
    }
    // Reads the eight stamp values from erste; writes those that differ.
    Spur& stempel(int erste, const std::array<int, 8>& alt, const std::array<int16_t, 8>& neu)
    {
        for (int i = 0; i < 8; ++i) {
            lies(erste + i);
            if (alt[size_t(i)] != Int_to_UWord(neu[size_t(i)]))
                schreib(erste + i, Int_to_UWord(neu[size_t(i)]));
        }
        return *this;
    }

private:
    Spur& zeile(const QString& z)
    {
        zeilen << z;
        return *this;
    }
};

} // namespace PultTest
