#pragma once
#include "loconet/LnLeitung.h"

#include <QElapsedTimer>
#include <QSerialPort>

// LnLeitung over QSerialPort.
class SerielleLeitung : public LnLeitung {
    Q_OBJECT
public:
    explicit SerielleLeitung(QObject* eltern = nullptr);

    bool oeffnen(const QString& geraet, qint32 baud, int stoppBits) override;
    void schliessen() override;
    bool offen() const override;
    QString fehlerText() const override;
    void setzeLeitungen(bool dtr, bool rts) override;
    void setzeBreak(bool an) override;
    bool cts() const override;
    qint64 wartend() const override;
    QByteArray lesen() override;
    bool schreiben(const QByteArray& bytes) override;
    void eingabeVerwerfen() override;

private:
    void leitungLeerWarten();

    mutable QSerialPort port;
    QString fehler;
    qint32 baudRate = 0;
    QElapsedTimer uhr;
    qint64 leerAbNs = 0;   // when the last byte written has left the line (on uhr)
};
