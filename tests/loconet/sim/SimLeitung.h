#pragma once
#include "LnModulSim.h"
#include "loconet/LnLeitung.h"

// A line inside the test process: what the program writes goes to the
// simulated modules, their answers arrive through the event loop.
class SimLeitung : public LnLeitung {
    Q_OBJECT
public:
    explicit SimLeitung(LnModulSim& sim, QObject* eltern = nullptr);

    bool oeffnen(const QString& geraet, qint32 baud, int stoppBits) override;
    void schliessen() override;
    bool offen() const override { return istOffen; }
    QString fehlerText() const override { return fehler; }
    void setzeLeitungen(bool dtr_, bool rts_) override { dtr = dtr_; rts = rts_; }
    void setzeBreak(bool an) override { breaks += an ? 1 : 0; }
    bool cts() const override { return ctsAn; }
    qint64 wartend() const override { return eingang.size(); }
    QByteArray lesen() override;
    bool schreiben(const QByteArray& bytes) override;
    void eingabeVerwerfen() override { eingang.clear(); }

    struct Oeffnung {
        QString geraet;
        qint32 baud;
        int stoppBits;
    };
    QList<Oeffnung> oeffnungen;
    QByteArray geschrieben;          // every byte the program wrote
    int breaks = 0;
    bool dtr = false, rts = false;
    bool ctsAn = true;
    bool oeffnenScheitert = false;
    bool emitDatenDa = true;         // false: bytes wait for the poll timer

private:
    LnModulSim& sim;
    QByteArray eingang;
    QString fehler;
    bool istOffen = false;
    int sitzung = 0;                 // answers of an earlier opening never arrive
};
