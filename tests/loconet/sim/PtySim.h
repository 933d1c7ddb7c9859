#pragma once
#include "LnModulSim.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <map>

class QSocketNotifier;

// The simulated modules behind a pseudo-terminal: the program opens the slave
// end as its serial port, the simulator works the master end. Both directions
// are paced as on a line of the given rate (bytes of 11 bits: start, 8 data,
// 2 stop): each byte the program writes reaches the modules when it has been
// on the line for its whole time, and answers leave byte by byte at that rate.
//
// A byte counts as sent only if the line kept the program's settings while it
// was on the wire: a port closed (settings restored) or set anew before the
// byte left garbles it, and the modules never see it.
class PtySim : public QObject {
    Q_OBJECT
public:
    explicit PtySim(LnModulSim& sim, double baud = 16457, QObject* eltern = nullptr);
    ~PtySim() override;

    bool starten();                  // false when no pseudo-terminal could be made
    QString slavePfad() const { return slave; }
    qint64 byteNs() const { return byteZeitNs; }

    // Puts bytes into the program's input at once: what arrived while the
    // program was busy and not reading.
    void sofort(const QByteArray& bytes);
    // Waits, without the event loop (the program busy and not reading), until
    // at least `anzahl` bytes wait at the program's port; false when they did
    // not arrive within a second.
    bool wartenBisAmPort(qsizetype anzahl) const;

    // Bytes the program receives while its next message is still on its way
    // out: the rest of a message that was on the bus when the program sent.
    QByteArray waehrendDesNaechstenSendens;

    // Bytes of the program that the line garbled (settings changed before they left).
    int verstuemmelt() const { return verstuemmelteBytes; }

private:
    // The settings of the line as the slave end sees them.
    struct Einstellung {
        unsigned iflag = 0, oflag = 0, cflag = 0, lflag = 0, ispeed = 0, ospeed = 0;
        bool operator==(const Einstellung&) const = default;
    };
    struct Eingang {
        char byte;
        Einstellung einstellung;     // when the program wrote it
    };

    void lesbar();
    void empfangen(const Eingang& e);
    void plane(qint64 faelligNs, const QByteArray& bytes);
    qint64 sendeBeginn(qint64 fruehestens, qint64 dauer);
    void faellige();
    Einstellung einstellung() const;
    qint64 jetztNs() const { return uhr.nsecsElapsed(); }

    LnModulSim& sim;
    qint64 byteZeitNs;
    int masterFd = -1;
    int slaveFd = -1;                // kept open: the master never sees a hang-up
    QString slave;
    Einstellung anfang;              // the settings of a port nobody has opened
    QSocketNotifier* notifier = nullptr;
    QElapsedTimer uhr;
    qint64 rxFrei = 0;               // when the line towards the modules is free
    // Towards the program: the times the line is taken, begin to end. A late
    // answer takes its own slot; answers due earlier are not held behind it.
    std::map<qint64, qint64> txBelegt;
    std::multimap<qint64, Eingang> unterwegs;     // towards the modules, by end of wire time
    std::multimap<qint64, QByteArray> geplant;    // towards the program
    int verstuemmelteBytes = 0;
    QTimer takt;
};
