#pragma once
#include <QString>

// Gives a control the name by which the route dialogs and their tests find it.
template <typename T>
T* benannt(T* w, const QString& name)
{
    w->setObjectName(name);
    return w;
}
