#include "core/ModulePick.h"

#include "core/MainWinState.h"

#include <QTimer>

QTimer& MarkTimer()
{
    static QTimer* timer = [] {
        auto* t = new QTimer(&MainWin());
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
