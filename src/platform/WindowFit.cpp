#include "platform/WindowFit.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {
// Room of the title bar beside the title: icon and the window buttons.
constexpr int TitelRand = 140;

class Einpasser : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override
    {
        if (e->type() == QEvent::Show && ziel->isWidgetType()) {
            auto* w = static_cast<QWidget*>(ziel);
            const Qt::WindowType art = w->windowType();
            // The program's dialogs and windows have the main window as parent;
            // the main window itself keeps the size the user gives it.
            if (w->isWindow() && w->parentWidget() && (art == Qt::Dialog || art == Qt::Window))
                fensterEinpassen(w);
        }
        return false;
    }
};
} // namespace

void fensterEinpassen(QWidget* fenster)
{
    const QScreen* bildschirm = fenster->screen() ? fenster->screen() : QApplication::primaryScreen();
    if (!bildschirm)
        return;
    const QRect platz = bildschirm->availableGeometry();
    const int titelBreite = QFontMetrics(QApplication::font()).horizontalAdvance(fenster->windowTitle()) + TitelRand;
    const int breite = std::min(std::max(fenster->width(), titelBreite), platz.width());
    const int hoehe = std::min(fenster->height(), platz.height());
    if (breite != fenster->width() || hoehe != fenster->height())
        fenster->resize(breite, hoehe);
    // The frame of the window stays inside the free part of the screen.
    const QRect rahmen = fenster->frameGeometry();
    const int dx = rahmen.width() - fenster->width(), dy = rahmen.height() - fenster->height();
    const int x = std::clamp(rahmen.left(), platz.left(), std::max(platz.left(), platz.right() + 1 - breite - dx));
    const int y = std::clamp(rahmen.top(), platz.top(), std::max(platz.top(), platz.bottom() + 1 - hoehe - dy));
    if (x != rahmen.left() || y != rahmen.top())
        fenster->move(x, y);
}

void fensterEinpassenAnmelden()
{
    static Einpasser* filter = new Einpasser(qApp);
    qApp->installEventFilter(filter);
}
