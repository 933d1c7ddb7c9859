#include "loconet/LnSenden.h"

#include "loconet/LnPort.h"
#include "project/ProgramConfig.h"

#include <QElapsedTimer>

namespace {
constexpr qint64 SendeFrist = 5000;
constexpr int CtsTaktMs = 2;   // the CTS line raises no event: look at it this often

bool ctsFrei(const QElapsedTimer& uhr)
{
    return warteHoechstens([] { return Comm1->cts(); }, SendeFrist - uhr.elapsed(), CtsTaktMs);
}

// Writes the bytes one by one, each only while CTS is on when ctsBeachten;
// false when the port is closed or the 5 s since the start ran out.
bool schreibe(const QByteArray& bytes, bool ctsBeachten)
{
    // Bytes of the previous message may still be on their way out of the
    // driver; they are not discarded, so no message is cut short.
    if (!Comm1 || !Comm1->offen())
        return false;
    if (!ctsBeachten)
        return Comm1->schreiben(bytes);
    QElapsedTimer uhr;
    uhr.start();
    for (char c : bytes)
        if (!ctsFrei(uhr) || !Comm1->schreiben(QByteArray(1, c)))
            return false;
    return true;
}
} // namespace

void send(const LnPuffer& Puffer, int Anzahl, int32_t& Fehler)
{
    Fehler = schreibe(mitPruefbyte(Puffer, Anzahl), LocoNetInterface == 0) ? 0 : 1;
}

void send_str(const QString& s, int32_t& Fehler)
{
    Fehler = schreibe(s.toLatin1(), true) ? 0 : 1;
}

void delay(double Sekunden)
{
    warteHoechstens([] { return false; }, qint64(Sekunden * 1000));
}
