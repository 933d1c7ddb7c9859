#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>

// The serial line the program talks LocoNet over. The program uses a real
// serial port (SerielleLeitung); tests put a simulated line in its place.
// Frames are always 8 data bits, no parity, no handshake.
class LnLeitung : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Opens the device; on failure fehlerText() says why.
    virtual bool oeffnen(const QString& geraet, qint32 baud, int stoppBits) = 0;
    virtual void schliessen() = 0;
    virtual bool offen() const = 0;
    virtual QString fehlerText() const = 0;

    // Line control; devices that have no such lines ignore it.
    virtual void setzeLeitungen(bool dtr, bool rts) = 0;
    virtual void setzeBreak(bool an) = 0;
    virtual bool cts() const = 0;

    virtual qint64 wartend() const = 0;       // received bytes not yet read
    virtual QByteArray lesen() = 0;           // takes all received bytes
    virtual bool schreiben(const QByteArray& bytes) = 0;
    virtual void eingabeVerwerfen() = 0;

signals:
    void datenDa();   // bytes have arrived
};
