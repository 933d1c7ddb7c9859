#pragma once
#include <QPointer>
#include <utility>

// The program's one window of type W: created on first use from the given
// constructor arguments, and created anew when it was destroyed meanwhile
// (for example by closing the main window that owned it).
template <typename W, typename... Args>
W& einzigesFenster(Args&&... args)
{
    static QPointer<W> fenster;
    if (!fenster)
        fenster = new W(std::forward<Args>(args)...);
    return *fenster;
}
