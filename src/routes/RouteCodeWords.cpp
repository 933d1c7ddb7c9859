#include "routes/RouteCodeWords.h"

#include "core/Words.h"
#include "routes/RouteCommands.h"

#include <algorithm>

namespace {
constexpr int32_t WortMax = 65535;
constexpr int32_t CodeKopplung = 4, CodePause = 5, CodeKopf = 6, CodeAufruf = 6;
constexpr int32_t FSNummerBasis = 6000;

struct Wort {
    int32_t a = 0, c = 0;
    int32_t wert() const { return a * 10 + c; }
    bool passt() const { return c >= 0 && c <= 9 && a >= 0 && wert() <= WortMax; }
};

// The words of command e of list l of route r; 0 words for a type that gives none.
int befehlsWorte(int r, int l, int e, std::array<Wort, 2>& w)
{
    const RouteBefehl& b = FSDaten[size_t(r)].Route[size_t(l)][size_t(e)];
    const int32_t zustand = Int_to_UWord(b[Befehl::Zustand]);
    const int32_t wert = Int_to_UWord(b[Befehl::Wert]);
    switch (b[Befehl::Befehlsart]) {
    case Befehlsart::Ausleuchtung:
    case Befehlsart::Weiche:
    case Befehlsart::Vorsignal1:
    case Befehlsart::Vorsignal2:
    case Befehlsart::Rangiersignal:
    case Befehlsart::Hauptsignal1:
    case Befehlsart::Hauptsignal2:
    case Befehlsart::NutzerMagnetartikel:
    case Befehlsart::Freimeldung:
    case Befehlsart::NutzerRueckmeldung:
        w[0] = {Get_Route_Adr(r, l, e), zustand};
        return 1;
    case Befehlsart::VorsignalKopplung:
        w[0] = {Get_Route_Adr(r, l, e), CodeKopplung};
        w[1] = {fsFeldLncv(b[Befehl::Wert], b[Befehl::Zustand], 0), CodeKopplung};
        return 2;
    case Befehlsart::Pause:
    case Befehlsart::NutzerPause:
        w[0] = {wert * 2, CodePause};
        return 1;
    case Befehlsart::NutzerFSAufruf:
        w[0] = {Get_Route_Adr(r, l, e), zustand + CodeAufruf};
        return 1;
    case Befehlsart::NutzerFSNummer:
        w[0] = {FSNummerBasis + Get_Route_Adr(r, l, e), zustand};
        return 1;
    default:
        return 0;
    }
}

QString grundFuer(const Wort& w)
{
    if (w.c < 0 || w.c > 9)
        return QStringLiteral("Zustand %1 ist ungültig").arg(w.c);
    return QStringLiteral("der Wert %1 ist größer als %2").arg(w.wert()).arg(WortMax);
}
} // namespace

FSBlock fsBlock(int r, int l, std::vector<FSVerweigert>& verweigert)
{
    FSBlock block;
    const std::vector<int> kette = RouteKette(r, l);
    if (kette.empty())
        return block;
    const auto& rm = FSDaten[size_t(r)].Rueckmeldeadressen;
    const Wort kopf{Int_to_UWord(rm[size_t(2 * l)]), Int_to_UWord(rm[size_t(2 * l + 1)]) + CodeKopf};
    if (!kopf.passt()) {
        verweigert.push_back({r, l, 0, QStringLiteral("Rückmeldeadresse: ") + grundFuer(kopf)});
        return block;
    }
    block.worte[0] = uint16_t(kopf.wert());
    block.n = 1;
    for (size_t i = 0; i < kette.size(); ++i) {
        std::array<Wort, 2> w;
        const int anzahl = befehlsWorte(r, l, kette[i], w);
        const int befehl = int(i) + 1;
        if (anzahl == 0) {
            const int16_t art = FSDaten[size_t(r)].Route[size_t(l)][size_t(kette[i])][Befehl::Befehlsart];
            verweigert.push_back({r, l, befehl, QStringLiteral("unbekannte Befehlsart %1").arg(art)});
            continue;
        }
        const auto falsch = std::find_if(w.begin(), w.begin() + anzahl, [](const Wort& x) { return !x.passt(); });
        if (falsch != w.begin() + anzahl) {
            verweigert.push_back({r, l, befehl, grundFuer(*falsch)});
            continue;
        }
        for (int k = 0; k < anzahl; ++k)
            block.worte[size_t(block.n++)] = uint16_t(w[size_t(k)].wert());
    }
    return block;
}
