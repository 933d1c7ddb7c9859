#include "platform/WindowFit.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {
// Room of the title bar beside the title: icon and the window buttons.
constexpr int TitelRand = 140;
// The frame of a window the window manager has not framed yet, when no other
// window shows how large its frames are.
const QMargins GeschaetzterRahmen(6, 32, 6, 6);

// Asked of the window system: the widget's own copy may be older than the frame.
QMargins rahmenVon(const QWidget* w)
{
    return w->windowHandle() ? w->windowHandle()->frameMargins() : QMargins();
}

// The frame the window has or, before the window manager framed it, the one
// another framed window of the program has.
QMargins erwarteterRahmen(const QWidget* fenster)
{
    if (!rahmenVon(fenster).isNull())
        return rahmenVon(fenster);
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != fenster && !rahmenVon(w).isNull())
            return rahmenVon(w);
    return QGuiApplication::platformName() == QLatin1String("xcb") ? GeschaetzterRahmen : QMargins();
}

bool istProgrammFenster(const QWidget* w)
{
    const Qt::WindowType art = w->windowType();
    return w->isWindow() && (art == Qt::Dialog || art == Qt::Window);
}

// Places the frame of the window at `ort` through its inner geometry, which
// the window manager keeps as it is; a position given for the frame is taken
// for the inner one while the frame is not known (a window shown again), and
// the window moved by the height of its title bar.
void rahmenSetzen(QWidget* w, QPoint ort, QSize groesse)
{
    const QMargins rand = erwarteterRahmen(w);
    const QRect innen(ort + QPoint(rand.left(), rand.top()), groesse);
    if (innen != w->geometry())
        w->setGeometry(innen);
}

// Fits each window as it is shown and once more when the window manager has
// framed it. A window shown again stays where it was, where the user may have
// dragged it: Qt would centre a dialog on its owner anew each time.
class Einpasser : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override
    {
        if (!ziel->isWidgetType() || !istProgrammFenster(static_cast<QWidget*>(ziel)))
            return false;
        auto* w = static_cast<QWidget*>(ziel);
        switch (e->type()) {
        case QEvent::Show:
            fensterEinpassen(w);
            w->setAttribute(Qt::WA_Moved);
            if (rahmenVon(w).isNull())
                ungerahmt.insert(w);
            break;
        case QEvent::Move:
        case QEvent::WindowActivate:
            if (w->isVisible() && ungerahmt.contains(w) && !rahmenVon(w).isNull()) {
                ungerahmt.remove(w);
                fensterEinpassen(w);
            }
            break;
        case QEvent::Destroy:
            ungerahmt.remove(w);
            break;
        default:
            break;
        }
        return false;
    }

private:
    QSet<QWidget*> ungerahmt;   // shown, not yet framed by the window manager
};

// A scroll area as large as its contents, as far as the screen allows.
class InhaltsRollbereich : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override
    {
        if (!widget())
            return QScrollArea::sizeHint();
        // Room for the vertical scroll bar, so that a window cut short in
        // height needs no horizontal one.
        const int rand = 2 * frameWidth();
        QSize groesse = widget()->sizeHint() + QSize(rand + verticalScrollBar()->sizeHint().width(), rand);
        if (const QScreen* s = screen()) {
            const QSize platz = s->availableGeometry().size();
            if (groesse.width() > platz.width())
                groesse.rheight() += horizontalScrollBar()->sizeHint().height();
            groesse = groesse.boundedTo(platz);
        }
        return groesse;
    }
};
} // namespace

void fensterEinpassen(QWidget* fenster)
{
    const QScreen* bildschirm = fenster->screen() ? fenster->screen() : QApplication::primaryScreen();
    if (!bildschirm)
        return;
    const QMargins rand = erwarteterRahmen(fenster);
    const QRect platz = bildschirm->availableGeometry();
    const int titelBreite = QFontMetrics(QApplication::font()).horizontalAdvance(fenster->windowTitle()) + TitelRand;
    // Qt sizes a window to at most two thirds of the screen by itself; one
    // that scrolls its contents takes the room they need where there is some.
    const QSize wunsch = fenster->testAttribute(Qt::WA_Resized) ? fenster->size()
                                                                 : fenster->size().expandedTo(fenster->sizeHint());
    const int breite = std::min(std::max(wunsch.width(), titelBreite), platz.width() - rand.left() - rand.right());
    const int hoehe = std::min(wunsch.height(), platz.height() - rand.top() - rand.bottom());
    // The frame of the window stays inside the free part of the screen.
    const QSize rahmen = QSize(breite, hoehe).grownBy(rand);
    const QPoint ort = fenster->geometry().topLeft() - QPoint(rand.left(), rand.top());
    const int x = std::clamp(ort.x(), platz.left(), std::max(platz.left(), platz.right() + 1 - rahmen.width()));
    const int y = std::clamp(ort.y(), platz.top(), std::max(platz.top(), platz.bottom() + 1 - rahmen.height()));
    rahmenSetzen(fenster, QPoint(x, y), QSize(breite, hoehe));
}

void fensterEinpassenAnmelden()
{
    static Einpasser* filter = new Einpasser(qApp);
    qApp->installEventFilter(filter);
}

QWidget* rollbarerInhalt(QWidget* fenster)
{
    auto* bereich = new InhaltsRollbereich(fenster);
    bereich->setWidgetResizable(true);
    bereich->setFrameShape(QFrame::NoFrame);
    auto* inhalt = new QWidget;
    bereich->setWidget(inhalt);
    auto* layout = new QVBoxLayout(fenster);
    layout->addWidget(bereich);
    return inhalt;
}
