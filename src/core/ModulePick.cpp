#include "core/ModulePick.h"

#include "core/MainWinState.h"
#include "project/DeskRecord.h"

#include <QCoreApplication>
#include <QTimer>

QTimer& MarkTimer()
{
    static QTimer* timer = [] {
        // Owned by the application, so it ends with the event loop that drives it.
        auto* t = new QTimer(QCoreApplication::instance());
        QObject::connect(t, &QTimer::timeout, &MarkTimer_Timer);
        return t;
    }();
    return *timer;
}

void MarkTimer_Timer()
{
    MarkBlink = int16_t((MarkBlink + 1) % 2);
    MainWin().Pult[0].setCellPicture(MarkFeldY, MarkFeldX, MarkBild[size_t(MarkBlink)]);
}

void ModulWahl_Klick(Qt::MouseButton knopf, int x, int y)
{
    if (!ModulWahl)
        return;
    if (knopf == Qt::RightButton) {
        ModulWahlAbbruch = true;
    } else if (knopf == Qt::LeftButton && PultOptGPLocked) {
        ModulWahlX = int16_t(x);
        ModulWahlY = int16_t(y);
        ModulWahlOK = true;
    }
}
