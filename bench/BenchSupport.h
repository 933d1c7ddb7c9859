#pragma once
// Shared by the benchmarks: timing a step and reading the shipped catalogue.
#include "core/CatalogueState.h"
#include "project/ProgramConfig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
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

// The catalogue index of the first named element with this code, 0 ("Leer") when there is none.
inline int16_t katalogIndex(int code)
{
    for (int i = 0; i < KatalogSlots; ++i)
        if (ElementKatalog[size_t(i)].ElementNr == code && !ElementKatalog[size_t(i)].Name.isEmpty())
            return int16_t(i);
    return 0;
}

// Runs lauf inside the event loop (for benchmarks that wait on the serial
// port or on dialogs) and returns its result as the program's exit code.
inline int imEreignisLauf(int argc, char** argv, const std::function<int()>& lauf)
{
    ohneBildschirm();
    QApplication app(argc, argv);
    int ergebnis = 1;
    QTimer::singleShot(0, [&] {
        ergebnis = lauf();
        app.quit();
    });
    app.exec();
    return ergebnis;
}
