#pragma once
// Shared by the LocoNet benchmarks: COM1 reaches the simulated modules
// through a pseudo-terminal, driven as the serial LocoNet interface.
#include "PtySim.h"
#include "loconet/ComGeraete.h"
#include "loconet/LnPort.h"
#include "project/ProgramConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

// geraeteVerz: the device folder that will hold the COM1 link; it must live
// as long as the benchmark. False (after saying why) without a pseudo-terminal.
inline bool com1AmSimulator(PtySim& pty, const QString& geraeteVerz)
{
    setzeGeraeteVerz(geraeteVerz);
    if (!pty.starten() || !QFile::link(pty.slavePfad(), QDir(geraeteVerz).filePath(QStringLiteral("COM1")))) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return false;
    }
    ComPort = 1;
    LocoNetInterface = -1;
    USBInterface = 0;   // the serial LocoNet interface at 16457 baud
    LN_starten(qApp);
    return true;
}
