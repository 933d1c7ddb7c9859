#include "loconet/LnPort.h"

#include "loconet/LnAntwort.h"
#include "loconet/SerielleLeitung.h"
#include "platform/Wait.h"

#include <QElapsedTimer>

namespace {
bool textEmpfang = false;

void erfasse(const QByteArray& bytes)
{
    for (char c : bytes)
        Antwort_erfassen(uint8_t(c));
}
} // namespace

void LN_starten(QObject* eltern)
{
    LN_verbinden(new SerielleLeitung(eltern), eltern);
}

void LN_verbinden(LnLeitung* leitung, QObject* eltern)
{
    if (Comm1)
        QObject::disconnect(Comm1, &LnLeitung::datenDa, nullptr, nullptr);
    Comm1 = leitung;
    QObject::connect(Comm1, &LnLeitung::datenDa, Comm1, &Comm1_OnComm);
    if (!Timer1) {
        Timer1 = new QTimer(eltern);
        Timer1->setInterval(150);
        QObject::connect(Timer1, &QTimer::timeout, Timer1, &Timer1_Timer);
        Timer1->start();
    }
}

void Comm1_OnComm()
{
    if (!textEmpfang && Comm1)
        erfasse(Comm1->lesen());
}

void Timer1_Timer()
{
    if (!textEmpfang && Comm1 && Comm1->wartend() > 0)
        erfasse(Comm1->lesen());
}

void setzeTextEmpfang(bool an)
{
    textEmpfang = an;
}

bool warteHoechstens(const std::function<bool()>& cond, qint64 ms, int pollMs)
{
    QElapsedTimer uhr;
    uhr.start();
    QTimer takt;
    if (pollMs > 0)
        takt.start(pollMs);   // its ticks wake the waiting event loop
    // Timers may fire a little early: wait again for the rest of the time.
    while (!cond()) {
        const qint64 rest = ms - uhr.elapsed();
        if (rest < 0 || Warten::programmEndet())
            return false;
        Warten::bis(cond, int(rest) + 1);
    }
    return true;
}
