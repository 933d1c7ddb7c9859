#include "loconet/SerielleLeitung.h"

#include "loconet/LnPort.h"
#include "platform/Wait.h"

#include <QThread>
#include <algorithm>
#include <termios.h>

namespace {
constexpr qint64 BitsJeByte = 11;           // start, 8 data, 2 stop
constexpr qint64 NachlaufNs = 5'000'000;    // latency of adapters between driver and line
} // namespace

SerielleLeitung::SerielleLeitung(QObject* eltern)
    : LnLeitung(eltern)
{
    uhr.start();
    connect(&port, &QSerialPort::readyRead, this, &LnLeitung::datenDa);
    // A device that vanishes while open is closed, so the next opening starts afresh.
    connect(&port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::ResourceError && port.isOpen())
            port.close();
    });
}

bool SerielleLeitung::oeffnen(const QString& geraet, qint32 baud, int stoppBits)
{
    port.setPortName(geraet);
    port.setBaudRate(baud);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(stoppBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite)) {
        fehler = port.errorString();
        port.clearError();
        return false;
    }
    fehler.clear();
    baudRate = baud;
    leerAbNs = 0;
    return true;
}

// Closing restores the line settings the port had before: a message still on
// its way (the end of programming, typically) would reach the modules garbled.
void SerielleLeitung::schliessen()
{
    if (!port.isOpen())
        return;
    leitungLeerWarten();
    if (port.isOpen())   // a device that vanished meanwhile is closed already
        port.close();
}

// Drains the output, then keeps the line for the wire time of the bytes
// written: USB adapters and pseudo-terminals return from the drain before
// the last byte has left.
void SerielleLeitung::leitungLeerWarten()
{
    if (port.bytesToWrite() > 0)
        port.waitForBytesWritten(1000);
    ::tcdrain(port.handle());
    const qint64 restMs = (leerAbNs + NachlaufNs - uhr.nsecsElapsed() + 999'999) / 1'000'000;
    if (restMs <= 0)
        return;
    QElapsedTimer gewartet;
    gewartet.start();
    warteHoechstens([] { return false; }, restMs);
    // The wait returns early only when the program is ending: the line is still kept.
    if (const qint64 fehlt = restMs - gewartet.elapsed(); fehlt > 0)
        QThread::msleep(unsigned(fehlt));
}

bool SerielleLeitung::offen() const
{
    return port.isOpen();
}

QString SerielleLeitung::fehlerText() const
{
    return fehler;
}

// Pseudo-terminals and some adapters have no modem lines: such calls fail
// harmlessly and the error is dropped.
void SerielleLeitung::setzeLeitungen(bool dtr, bool rts)
{
    port.setDataTerminalReady(dtr);
    port.setRequestToSend(rts);
    port.clearError();
}

void SerielleLeitung::setzeBreak(bool an)
{
    port.setBreakEnabled(an);
    port.clearError();
}

bool SerielleLeitung::cts() const
{
    const bool an = port.pinoutSignals() & QSerialPort::ClearToSendSignal;
    port.clearError();
    return an;
}

qint64 SerielleLeitung::wartend() const
{
    return port.isOpen() ? port.bytesAvailable() : 0;
}

QByteArray SerielleLeitung::lesen()
{
    return port.isOpen() ? port.readAll() : QByteArray();
}

bool SerielleLeitung::schreiben(const QByteArray& bytes)
{
    if (!port.isOpen() || port.write(bytes) != bytes.size())
        return false;
    port.flush();
    if (baudRate > 0)
        leerAbNs = std::max(leerAbNs, uhr.nsecsElapsed()) + bytes.size() * BitsJeByte * 1'000'000'000 / baudRate;
    return true;
}

void SerielleLeitung::eingabeVerwerfen()
{
    if (port.isOpen())
        port.clear(QSerialPort::Input);
}
