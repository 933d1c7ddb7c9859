// LNCV reads and writes over a pseudo-terminal against simulated modules
// that pace both directions at 16457 baud and answer 5 ms after a request.
// Prints the time per operation beside the floor: wire time of request and
// reply plus the 5 ms.
#include "BenchSimLeitung.h"
#include "BenchSupport.h"
#include "LnModulSim.h"
#include "core/Words.h"
#include "loconet/Lncv.h"
#include "loconet/OpenCom.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr int Anzahl = 200;
constexpr int Art = 5467;
constexpr int Adresse = 1;
constexpr int AntwortVerzugMs = 5;

void zeile(const char* was, qint64 ns, int bytesHin, int bytesZurueck, const PtySim& pty, int fehler)
{
    const double jeOp = double(ns) / Anzahl / 1e6;
    const double boden = double((bytesHin + bytesZurueck) * pty.byteNs()) / 1e6 + AntwortVerzugMs;
    std::printf("%-10s %4d ops  %7.2f ms/op  floor %6.2f ms/op  ratio %.3f  errors %d\n", was, Anzahl, jeOp, boden,
                jeOp / boden, fehler);
}

int lauf()
{
    QTemporaryDir geraete;
    LnModulSim sim;
    sim.antwortVerzugMs = AntwortVerzugMs;
    sim.modul(Art, Adresse);
    PtySim pty(sim);
    if (!com1AmSimulator(pty, geraete.path()))
        return 1;
    int32_t fehler = 0;
    open_com(fehler);
    Prog_On(Art, Adresse, fehler);
    if (fehler != 0) {
        std::fprintf(stderr, "set-up failed: %d\n", fehler);
        return 1;
    }
    int fehlerSchreiben = 0, fehlerLesen = 0;
    QElapsedTimer uhr;
    uhr.start();
    for (int i = 0; i < Anzahl; ++i) {
        Prog_Lncv(Art, i + 1, i * 300, fehler);
        fehlerSchreiben += fehler != 0;
    }
    const qint64 schreiben = uhr.nsecsElapsed();
    uhr.restart();
    for (int i = 0; i < Anzahl; ++i) {
        int32_t wert = 0;
        Read_Lncv(Art, i + 1, wert, fehler);
        fehlerLesen += fehler != 0 || wert != UWord_to_Int(i * 300);
    }
    const qint64 lesen = uhr.nsecsElapsed();
    Prog_Off(Art, Adresse, fehler);
    Comm1->schliessen();
    zeile("write", schreiben, 15, 4, pty, fehlerSchreiben);
    zeile("read", lesen, 15, 15, pty, fehlerLesen);
    return fehlerSchreiben + fehlerLesen == 0 ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    return imEreignisLauf(argc, argv, lauf);
}
