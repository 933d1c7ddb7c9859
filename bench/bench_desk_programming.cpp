// Programs a desk of 50 turnout boards over a pseudo-terminal against
// simulated modules that pace both directions at 16457 baud and answer 5 ms
// after a request. Prints the time of each run beside its bus floor: the
// wire time of every request and of every reply plus the modules' answer
// time, worked out from the messages that were sent.
#include "BenchSimLeitung.h"
#include "BenchSupport.h"
#include "LnModulSim.h"
#include "core/Desk.h"
#include "core/DeskReset.h"
#include "core/MenuCommands.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"

#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr int Spalten = 10, Zeilen = 5;
constexpr int AntwortVerzugMs = 5;
constexpr int WerteJeModul = 12;

int16_t weichenIndex()
{
    for (int i = 0; i < KatalogAnzahl; ++i)
        if (ElementKatalog[size_t(i)].ArtikelNr == 54650)
            return int16_t(i);
    return -1;
}

// Bus time of the messages the modules received: request, answer time and reply.
double bodenMs(const LnModulSim& sim, const PtySim& pty)
{
    qint64 bytes = 0;
    int antworten = 0;
    for (const QByteArray& m : sim.nachrichten) {
        const SimLn::Lncv n = SimLn::lies(m);
        bytes += m.size();
        if (n.opcode == 0xE5)
            continue;   // end of programming: no reply
        bytes += n.befehl == 0x20 ? 4 : 15;
        ++antworten;
    }
    return double(bytes * pty.byteNs()) / 1e6 + antworten * AntwortVerzugMs;
}

void zeile(const char* was, double ms, const LnModulSim& sim, const PtySim& pty)
{
    const double boden = bodenMs(sim, pty);
    std::printf("%-34s %5d messages  %9.1f ms  floor %9.1f ms  ratio %.3f  garbled bytes %d\n", was,
                int(sim.nachrichten.size()), ms, boden, ms / boden, pty.verstuemmelt());
}

int lauf()
{
    if (!katalogLaden())
        return 1;
    QTemporaryDir geraete, projekt;
    LnModulSim sim;
    sim.antwortVerzugMs = AntwortVerzugMs;
    PtySim pty(sim);
    if (!com1AmSimulator(pty, geraete.path()))
        return 1;
    setzeMsgBoxResponder([](const MsgBoxAufruf&) { return int(Msg::Ok); });

    PultdimensionenX = Spalten;
    PultdimensionenY = Zeilen;
    PultDaten.PultName = QStringLiteral("Bench");
    pult_leeren();
    PultVerz = projekt.path() + QStringLiteral("/");
    PultDatei = QStringLiteral("Bench.plt");
    PultDaten.PultInit = -1;   // initialised: the first run writes every value other than 0
    const int16_t index = weichenIndex();
    for (int x = 1; x <= Spalten; ++x)
        for (int y = 1; y <= Zeilen; ++y) {
            PultFeld& f = PultFelder[size_t(x)][size_t(y)];
            f.ElementIndex = index;
            const int adresse = (x - 1) * Zeilen + y;
            f.LNCV[0] = int16_t(adresse);
            for (int i = 0; i < WerteJeModul; ++i)
                f.LNCV[size_t(2 + i * 6)] = int16_t(adresse * 10 + i);
            sim.modul(5465, uint16_t(adresse));
        }

    QElapsedTimer uhr;
    uhr.start();
    PultMenu_Click(2);
    zeile("first programming, initialised", uhr.nsecsElapsed() / 1e6, sim, pty);

    sim.nachrichten.clear();
    for (int x = 1; x <= Spalten; ++x)
        for (int y = 1; y <= Zeilen; ++y)
            ++PultFelder[size_t(x)][size_t(y)].LNCV[8];
    uhr.restart();
    PultMenu_Click(2);
    zeile("second run, one change per module", uhr.nsecsElapsed() / 1e6, sim, pty);
    return PultDaten.PultProgJahr != 0 ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    return imEreignisLauf(argc, argv, lauf);
}
