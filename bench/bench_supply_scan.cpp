// Scans the supply of a full 99 x 99 desk fed by 20 connection modules and
// prints how long it took (goal: under 50 ms). Every row is full of desk
// modules and track pieces; each module feeds a band of rows joined by a
// column of cross connection boards, so every part is fed exactly once.
#include "BenchSupport.h"

#include "config/SupplyServices.h"
#include "core/Desk.h"
#include "platform/MsgBox.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {
constexpr int Module = 20;


// Band b holds the rows of one module. Its column of cross boards alternates
// between columns 2 and 3, so two bands never meet through it.
void pultFuellen()
{
    static const int codes[] = {101, 1, 501, 51, 700, 1, 710, 920, 201, 3, 401, 52};
    PultdimensionenX = PultdimensionenY = PultMax;
    for (auto& spalte : PultFelder)
        spalte.fill(LeerFeld);
    const int zeilenJeBand = (PultMax + Module - 1) / Module;
    int n = 0;
    for (int y = 1; y <= PultMax; ++y) {
        const int band = (y - 1) / zeilenJeBand;
        const bool ersteZeile = (y - 1) % zeilenJeBand == 0;
        const int querSpalte = 2 + band % 2;
        for (int x = 1; x <= PultMax; ++x) {
            PultFeld& f = PultFelder[size_t(x)][size_t(y)];
            if (x == 1 && ersteZeile) {
                f.Grundplatte = 54490;
                f.Anschluss = int16_t(band + 1);
            } else if (x == querSpalte)
                f.Grundplatte = 54640;
            else if (x > querSpalte || ersteZeile)
                f.ElementIndex = katalogIndex(codes[n++ % int(std::size(codes))]);
        }
    }
}
} // namespace

int main(int argc, char* argv[])
{
    ohneBildschirm();
    QApplication app(argc, argv);
    if (!katalogLaden())
        return 1;
    int meldungen = 0;
    setzeMsgBoxResponder([&](const MsgBoxAufruf& a) {
        std::fprintf(stderr, "%s\n", qPrintable(a.text));
        ++meldungen;
        return int(Msg::Ok);
    });
    pultFuellen();
    for (int runde = 1; runde <= 5; ++runde) {
        const QByteArray text = "supply scan 99 x 99, 20 connection modules, run " + QByteArray::number(runde);
        messen(text.constData(), auto_scan);
    }
    const double summe = std::accumulate(Strom.begin() + 1, Strom.end(), 0.0);
    std::printf("  supplies with a delay: %d, last delay %d, current in all %.1f mA\n",
                int(std::count_if(Startverz.begin(), Startverz.end(), [](auto& v) { return v.has_value(); })),
                Startverz[Module].value_or(-1), summe);
    std::printf("messages shown: %d\n", meldungen);
    return meldungen == 0 ? 0 : 2;
}
