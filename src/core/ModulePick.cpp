#include "core/ModulePick.h"

#include "core/MainWinState.h"

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
    FlexGrid& plan = MainWin().Pult[0];
    plan.setCellPicture(plan.Row, plan.Col, MarkBild[size_t(MarkBlink)]);
}
