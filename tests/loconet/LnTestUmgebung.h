#pragma once
// What the LocoNet tests share: a device folder of their own, the message
// boxes the program shows, and the interface settings.
#include "LnModulSim.h"
#include "SimLeitung.h"
#include "loconet/ComGeraete.h"
#include "loconet/LnPort.h"
#include "project/ProgramConfig.h"
#include "support/Meldungen.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

struct LnTestUmgebung : Meldungen {
    QTemporaryDir geraete;

    LnTestUmgebung() { setzeGeraeteVerz(geraete.path()); }
    ~LnTestUmgebung() { setzeGeraeteVerz({}); }

    // Points COM n at a device through the link in the device folder.
    void verknuepfe(int n, const QString& ziel)
    {
        const QString link = QDir(geraete.path()).filePath(QStringLiteral("COM%1").arg(n));
        QFile::remove(link);
        QFile::link(ziel, link);
    }

    static void einstellen(int comPort, int16_t locoNetInterface, int16_t usbInterface)
    {
        ComPort = int16_t(comPort);
        LocoNetInterface = locoNetInterface;
        USBInterface = usbInterface;
    }
};

// An in-process simulated line made the program's serial port.
struct SimAnschluss {
    LnModulSim sim;
    SimLeitung leitung{sim};

    SimAnschluss() { LN_verbinden(&leitung); }
    ~SimAnschluss()
    {
        QObject::disconnect(&leitung, nullptr, nullptr, nullptr);
        Comm1 = nullptr;
    }
};
