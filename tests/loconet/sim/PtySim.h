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
// 2 stop): a request counts as received when its last byte would have
// arrived, and answers leave byte by byte at that rate.
class PtySim : public QObject {
    Q_OBJECT
public:
    explicit PtySim(LnModulSim& sim, double baud = 16457, QObject* eltern = nullptr);
    ~PtySim() override;

    bool starten();                  // false when no pseudo-terminal could be made
    QString slavePfad() const { return slave; }
    qint64 byteNs() const { return byteZeitNs; }

private:
    void lesbar();
    void plane(qint64 faelligNs, const QByteArray& bytes);
    void faellige();
    qint64 jetztNs() const { return uhr.nsecsElapsed(); }

    LnModulSim& sim;
    qint64 byteZeitNs;
    int masterFd = -1;
    int slaveFd = -1;                // kept open: the master never sees a hang-up
    QString slave;
    QSocketNotifier* notifier = nullptr;
    QElapsedTimer uhr;
    qint64 rxFrei = 0;               // when the line towards the modules is free
    qint64 txFrei = 0;               // when the line towards the program is free
    std::multimap<qint64, QByteArray> geplant;
    QTimer takt;
};
