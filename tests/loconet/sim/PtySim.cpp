#include "PtySim.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtySim::PtySim(LnModulSim& sim_, double baud, QObject* eltern)
    : QObject(eltern), sim(sim_), byteZeitNs(qint64(11 * 1e9 / baud))
{
    takt.setSingleShot(true);
    takt.setTimerType(Qt::PreciseTimer);
    connect(&takt, &QTimer::timeout, this, &PtySim::faellige);
}

PtySim::~PtySim()
{
    delete notifier;
    if (masterFd >= 0)
        ::close(masterFd);
    if (slaveFd >= 0)
        ::close(slaveFd);
}

bool PtySim::starten()
{
    char name[256] = {};
    if (::openpty(&masterFd, &slaveFd, name, nullptr, nullptr) != 0)
        return false;
    termios tio{};
    ::tcgetattr(slaveFd, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slaveFd, TCSANOW, &tio);
    ::fcntl(masterFd, F_SETFL, ::fcntl(masterFd, F_GETFL) | O_NONBLOCK);
    slave = QString::fromLocal8Bit(name);
    uhr.start();
    notifier = new QSocketNotifier(masterFd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &PtySim::lesbar);
    return true;
}

void PtySim::lesbar()
{
    char puffer[512];
    const ssize_t n = ::read(masterFd, puffer, sizeof puffer);
    if (n <= 0)
        return;
    const qint64 jetzt = jetztNs();
    for (ssize_t i = 0; i < n; ++i) {
        rxFrei = std::max(rxFrei, jetzt) + byteZeitNs;
        for (const SimSendung& s : sim.empfange(QByteArray(1, puffer[i]))) {
            if (s.echo) {
                plane(rxFrei, s.bytes);
                continue;
            }
            qint64 start = std::max(rxFrei + qint64(s.verzugMs) * 1000000, txFrei);
            for (char c : s.bytes) {
                start += byteZeitNs;
                plane(start, QByteArray(1, c));
            }
            txFrei = start;
        }
    }
    faellige();
}

void PtySim::plane(qint64 faelligNs, const QByteArray& bytes)
{
    geplant.emplace(faelligNs, bytes);
}

void PtySim::faellige()
{
    const qint64 jetzt = jetztNs();
    QByteArray raus;
    while (!geplant.empty() && geplant.begin()->first <= jetzt) {
        raus += geplant.begin()->second;
        geplant.erase(geplant.begin());
    }
    if (!raus.isEmpty())
        (void)::write(masterFd, raus.constData(), size_t(raus.size()));
    if (!geplant.empty()) {
        const qint64 restNs = geplant.begin()->first - jetzt;
        takt.start(int((restNs + 999999) / 1000000));
    }
}
