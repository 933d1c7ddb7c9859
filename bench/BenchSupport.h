#pragma once
// Shared by the benchmarks: timing a step and reading the shipped catalogue.
#include "core/CatalogueState.h"
#include "project/ProgramConfig.h"

#include <QElapsedTimer>
#include <cstdio>
#include <functional>

inline void messen(const char* was, const std::function<void()>& schritt)
{
    QElapsedTimer uhr;
    uhr.start();
    schritt();
    std::printf("%-52s %8.1f ms\n", was, uhr.nsecsElapsed() / 1e6);
}

// Benchmarks run without a screen unless one is chosen; call before QApplication.
inline void ohneBildschirm()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Reads the catalogue beside the program; false (after saying why) when it cannot.
inline bool katalogLaden()
{
    KonfVerz = programmVerz() + QStringLiteral("Tessaro_Conf/");
    QString fehler;
    if (neues_pult_setzen(&fehler))
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(fehler));
    return false;
}
