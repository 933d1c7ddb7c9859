#include "PtySim.h"

#include <QDeadlineTimer>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
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
    // 9600 baud: a rate the program never uses, so an unopened port shows.
    termios tio{};
    ::tcgetattr(slaveFd, &tio);
    ::cfmakeraw(&tio);
    ::cfsetspeed(&tio, B9600);
    ::tcsetattr(slaveFd, TCSANOW, &tio);
    anfang = einstellung();
    ::fcntl(masterFd, F_SETFL, ::fcntl(masterFd, F_GETFL) | O_NONBLOCK);
    slave = QString::fromLocal8Bit(name);
    uhr.start();
    notifier = new QSocketNotifier(masterFd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &PtySim::lesbar);
    return true;
}

PtySim::Einstellung PtySim::einstellung() const
{
    termios tio{};
    ::tcgetattr(slaveFd, &tio);
    return {unsigned(tio.c_iflag), unsigned(tio.c_oflag), unsigned(tio.c_cflag), unsigned(tio.c_lflag),
            unsigned(::cfgetispeed(&tio)), unsigned(::cfgetospeed(&tio))};
}

void PtySim::sofort(const QByteArray& bytes)
{
    (void)::write(masterFd, bytes.constData(), size_t(bytes.size()));
}

bool PtySim::wartenBisAmPort(qsizetype anzahl) const
{
    const QDeadlineTimer frist(1000);
    int wartend = 0;
    while (::ioctl(slaveFd, FIONREAD, &wartend) == 0 && wartend < anzahl && !frist.hasExpired()) {
        pollfd port{slaveFd, POLLIN, 0};
        ::poll(&port, 1, int(frist.remainingTime()));   // returns once the first byte is there
    }
    return wartend >= anzahl;
}

void PtySim::lesbar()
{
    char puffer[512];
    const ssize_t n = ::read(masterFd, puffer, sizeof puffer);
    if (n <= 0)
        return;
    if (!waehrendDesNaechstenSendens.isEmpty()) {
        sofort(waehrendDesNaechstenSendens);
        waehrendDesNaechstenSendens.clear();
    }
    const qint64 jetzt = jetztNs();
    const Einstellung e = einstellung();
    for (ssize_t i = 0; i < n; ++i) {
        rxFrei = std::max(rxFrei, jetzt) + byteZeitNs;
        unterwegs.emplace(rxFrei, Eingang{puffer[i], e});
    }
    faellige();
}

// A byte that has left the line: garbled unless the program's settings held
// from its writing to the end of its wire time.
void PtySim::empfangen(const Eingang& e)
{
    if (e.einstellung == anfang || einstellung() != e.einstellung) {
        ++verstuemmelteBytes;
        return;
    }
    const qint64 jetzt = jetztNs();
    for (const SimSendung& s : sim.empfange(QByteArray(1, e.byte))) {
        if (s.echo) {
            plane(jetzt, s.bytes);
            continue;
        }
        qint64 start = sendeBeginn(jetzt + qint64(s.verzugMs) * 1000000, s.bytes.size() * byteZeitNs);
        for (char c : s.bytes) {
            start += byteZeitNs;
            plane(start, QByteArray(1, c));
        }
    }
}

// The first time from fruehestens on that the line towards the program is
// free for dauer; the line is taken then.
qint64 PtySim::sendeBeginn(qint64 fruehestens, qint64 dauer)
{
    while (!txBelegt.empty() && txBelegt.begin()->second <= jetztNs())
        txBelegt.erase(txBelegt.begin());
    qint64 beginn = fruehestens;
    for (const auto& [von, bis] : txBelegt) {
        if (beginn + dauer <= von)
            break;
        beginn = std::max(beginn, bis);
    }
    txBelegt.emplace(beginn, beginn + dauer);
    return beginn;
}

void PtySim::plane(qint64 faelligNs, const QByteArray& bytes)
{
    geplant.emplace(faelligNs, bytes);
}

void PtySim::faellige()
{
    while (!unterwegs.empty() && unterwegs.begin()->first <= jetztNs()) {
        const Eingang e = unterwegs.begin()->second;
        unterwegs.erase(unterwegs.begin());
        empfangen(e);
    }
    const qint64 jetzt = jetztNs();
    QByteArray raus;
    while (!geplant.empty() && geplant.begin()->first <= jetzt) {
        raus += geplant.begin()->second;
        geplant.erase(geplant.begin());
    }
    if (!raus.isEmpty())
        (void)::write(masterFd, raus.constData(), size_t(raus.size()));
    qint64 naechste = -1;
    if (!unterwegs.empty())
        naechste = unterwegs.begin()->first;
    if (!geplant.empty() && (naechste < 0 || geplant.begin()->first < naechste))
        naechste = geplant.begin()->first;
    // Whole milliseconds are slept, the rest of the last one is waited out in
    // immediate rounds: a byte is due on time, not up to a millisecond late.
    if (naechste >= 0)
        takt.start(int(std::max<qint64>(0, (naechste - jetzt) / 1000000)));
}
