#include "loconet/SerielleLeitung.h"

SerielleLeitung::SerielleLeitung(QObject* eltern)
    : LnLeitung(eltern)
{
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
    return true;
}

void SerielleLeitung::schliessen()
{
    if (port.isOpen())
        port.close();
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
    return true;
}

void SerielleLeitung::eingabeVerwerfen()
{
    if (port.isOpen())
        port.clear(QSerialPort::Input);
}
