#pragma once
#include "core/Desk.h"
#include "core/DialogLaunchers.h"

#include <QApplication>
#include <QWidget>

// Finding and opening the program's windows the way the user does.
namespace TestDialog {

inline void alleFensterVerbergen()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
}

inline QWidget* fenster(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

// Opens a dialog for field (x, y) the way a click on the desk grids does.
inline QWidget* oeffnen(Dialog d, const char* name, int x, int y)
{
    AktFeldX = int16_t(x);
    AktFeldY = int16_t(y);
    dialogZeigen(d);
    return fenster(name);
}

// The control of the window; a missing one ends the test program.
template <typename T = QWidget>
T* teil(const QWidget* fenster, const QString& name)
{
    T* t = fenster->findChild<T*>(name);
    if (!t)
        qFatal("control %s missing", qPrintable(name));
    return t;
}

} // namespace TestDialog
