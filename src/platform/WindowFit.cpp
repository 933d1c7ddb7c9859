#include "platform/WindowFit.h"

#include "platform/DevicePixels.h"
#include "platform/X11Fenster.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {
// Room of the title bar beside the title: icon and the window buttons.
constexpr int TitelRand = 140;
// The frame of a window the window manager has not framed yet, where nothing
// tells how large its frames are.
const QMargins GeschaetzterRahmen(6, 32, 6, 6);

// Asked of the window system (the widget's own copy may be older than the
// frame), and only once the window manager settled the window: what Qt reads
// while the window manager is still framing it is no frame. In device
// pixels: a frame taken over from a window on a monitor of another ratio
// is as many device pixels wide there.
std::optional<QMargins> rahmenVon(const QWidget* w)
{
    if (!w->windowHandle() || !vomFenstermanagerGesetzt(w) || w->windowHandle()->frameMargins().isNull())
        return std::nullopt;
    return rahmenInGeraetepixeln(w).value_or(w->windowHandle()->frameMargins() * w->devicePixelRatio());
}

bool festeGroesse(const QWidget* w)
{
    return w->minimumSize() == w->maximumSize();
}

// The frame the window has or, before the window manager framed it, the one
// another framed window of the same kind has or had last, else the one the
// window manager says it will give it, in device pixels; none where nothing
// tells. Window managers frame a window of fixed size without the grip for
// resizing it.
std::optional<QMargins> erwarteterGeraeteRahmen(const QWidget* fenster)
{
    static std::array<std::optional<QMargins>, 2> zuletzt;   // by fixed size
    std::optional<QMargins>& gleicheArt = zuletzt[festeGroesse(fenster)];
    if (const std::optional<QMargins> eigener = rahmenVon(fenster))
        return gleicheArt = eigener;
    std::optional<QMargins> andereArt;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (const std::optional<QMargins> r = w->isVisible() && w != fenster ? rahmenVon(w) : std::nullopt) {
            if (festeGroesse(w) == festeGroesse(fenster))
                return gleicheArt = r;
            andereArt = r;
        }
    if (!gleicheArt)
        gleicheArt = rahmenErfragen(const_cast<QWidget*>(fenster));
    return gleicheArt ? gleicheArt : andereArt;
}

// The expected frame in the device-independent pixels of `monitor` (the
// window's own where none is given): a hidden window placed on another
// monitor counts to its old one until it is shown.
QMargins erwarteterRahmen(const QWidget* fenster, const QScreen* monitor = nullptr)
{
    if (const std::optional<QMargins> rand = erwarteterGeraeteRahmen(fenster))
        return *rand / (monitor ? monitor : fenster->screen())->devicePixelRatio();
    return QGuiApplication::platformName() == QLatin1String("xcb") ? GeschaetzterRahmen : QMargins();
}

// The window with its frame, where it stands now.
QRect aussenRechteck(const QWidget* w)
{
    return w->geometry().marginsAdded(erwarteterRahmen(w));
}

// Where the shown window stands with its frame, as the X server has it,
// mapped through the monitor it stands on: Qt's own copy may have been taken
// through the monitor the window counted to a moment before (Qt maps a
// window's place through the monitor it knows it on, and learns of a move
// onto another monitor only after the move itself).
QRect rahmenAmBildschirm(const QWidget* w)
{
    if (const std::optional<QRect> g = geraeteRahmen(w))
        return {qtOrt(w, g->topLeft()), qtOrt(w, g->bottomRight())};
    return aussenRechteck(w);
}

// Where the window that was shown until now stood, with its frame: the window
// system's place as Qt maps it through the window's monitor now. The widget's
// own copy may be one Qt took while it still counted the window to the monitor
// it came from.
QRect zuletztGezeigt(const QWidget* w)
{
    const QWindow* fenster = w->windowHandle();
    return (fenster ? fenster->geometry() : w->geometry()).marginsAdded(erwarteterRahmen(w));
}

bool istProgrammFenster(const QWidget* w)
{
    const Qt::WindowType art = w->windowType();
    return w->isWindow() && (art == Qt::Dialog || art == Qt::Window);
}

// The top left corner of a frame of size `rahmen` at `ort`, moved inside `platz`
// as far as it needs; a frame larger than `platz` keeps its top left corner in it.
QPoint imPlatz(QPoint ort, QSize rahmen, const QRect& platz)
{
    return {std::clamp(ort.x(), platz.left(), std::max(platz.left(), platz.right() + 1 - rahmen.width())),
            std::clamp(ort.y(), platz.top(), std::max(platz.top(), platz.bottom() + 1 - rahmen.height()))};
}

// The window a window belongs to: its parent's window while that is shown,
// or else the program's main window; null for the main window itself.
const QWidget* eigner(const QWidget* fenster)
{
    if (qobject_cast<const QMainWindow*>(fenster))
        return nullptr;
    if (fenster->parentWidget() && fenster->parentWidget()->window()->isVisible())
        return fenster->parentWidget()->window();
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<const QMainWindow*>(w))
            return w;
    return nullptr;
}

// The free part of a monitor, where no panel of the desktop stands.
QRect freierPlatz(const QScreen* monitor)
{
    return monitor ? monitor->availableGeometry() : QRect();
}

// The monitor a window without a place of its own goes on: that of the window
// it belongs to; the main and the start window start on the primary monitor.
QScreen* eigenerMonitor(const QWidget* fenster)
{
    const QWidget* e = eigner(fenster);
    return e ? e->screen() : QGuiApplication::primaryScreen();
}

// Counts the window to `monitor` at once: the widget, when its window exists,
// hands the monitor on only as the window is shown, and Qt would size the
// window meanwhile at the ratio of the monitor it counted to before.
void monitorSetzen(QWidget* fenster, QScreen* monitor)
{
    fenster->setScreen(monitor);
    if (QWindow* w = fenster->windowHandle())
        w->setScreen(monitor);
}

// The monitor a window is placed on: that of the window it is centred over,
// else the one that holds its frame's top left corner at `ort`, else its own.
QScreen* monitorFuer(const QWidget* fenster, const QWidget* ueber, QPoint ort)
{
    if (ueber) {
        QScreen* s = QGuiApplication::screenAt(rahmenAmBildschirm(ueber).center());
        return s ? s : ueber->screen();
    }
    if (QScreen* s = QGuiApplication::screenAt(ort))
        return s;
    return eigenerMonitor(fenster);
}

// The size the window's contents ask for: as Qt sizes a window by itself,
// but not cut to two thirds of the screen (one that scrolls its contents
// takes the room they need where there is some). A hidden window was sized
// so as it was filled; a shown one takes its new size only now, in one step.
QSize inhaltsGroesse(const QWidget* fenster)
{
    QSize groesse = fenster->sizeHint();
    if (!fenster->isVisible() || !groesse.isValid())
        return fenster->size().expandedTo(groesse);
    if (const QLayout* l = fenster->layout(); l && l->hasHeightForWidth())
        groesse.setHeight(std::max(groesse.height(), l->totalHeightForWidth(groesse.width())));
    return groesse;
}

// The size the window gets on `monitor` with the frame `rand`: as large as
// its contents ask and wide enough to show its title, its frame wholly on the
// free part of the monitor to the device pixel (Qt's areas are rounded to
// whole device-independent pixels, at a ratio other than 1 up as well as
// down); a window of fixed size keeps it.
QSize groesseAuf(const QWidget* fenster, const QScreen* monitor, const QMargins& rand)
{
    const GeraeteMonitor m = geraeteMonitor(monitor);
    const QMargins geraeteRand = erwarteterGeraeteRahmen(fenster).value_or(rand * m.ratio);
    const QSize frei = m.frei.size().shrunkBy(geraeteRand);
    // At most `geraet` device pixels, and a whole number of them: Qt then
    // maps the window's size both ways without rounding it.
    const auto inQt = [&m](int geraet) {
        int qt = int(std::floor(geraet / m.ratio + 1e-9));
        while (qt > 0 && std::abs(qt * m.ratio - std::round(qt * m.ratio)) > 1e-9)
            --qt;
        return qt;
    };
    const int titelBreite = QFontMetrics(QApplication::font()).horizontalAdvance(fenster->windowTitle()) + TitelRand;
    const QSize bedarf = fenster->testAttribute(Qt::WA_Resized) ? fenster->size() : inhaltsGroesse(fenster);
    const QSize groesse(std::min(std::max(bedarf.width(), titelBreite), inQt(frei.width())),
                        std::min(bedarf.height(), inQt(frei.height())));
    return groesse.boundedTo(fenster->maximumSize()).expandedTo(fenster->minimumSize());
}

// Places and sizes the window: its frame at `ort` or centred over `ueber`,
// fully on the screen (a hidden one only as it is shown) and wide enough to
// show its title. Returns where the frame's top left corner goes on the
// screen. The window is placed through its inner geometry, which the window
// manager keeps as it is: Qt takes a position for the frame's, but with the
// frame it last knew of, none for a hidden window.
QPoint setzen(QWidget* fenster, const QWidget* ueber, QPoint ort)
{
    QScreen* monitor = monitorFuer(fenster, ueber, ort);
    const QRect platz = freierPlatz(monitor);
    if (platz.isEmpty())
        return ort;
    // Qt maps what the window system says of the window through the window's
    // monitor: a window still counted to another one would take its places
    // from that one.
    monitorSetzen(fenster, monitor);
    const QMargins rand = erwarteterRahmen(fenster, monitor);
    const QSize groesse = groesseAuf(fenster, monitor, rand);
    const QSize rahmen = groesse.grownBy(rand);
    if (ueber)
        ort = rahmenAmBildschirm(ueber).center() - QPoint(rahmen.width() / 2, rahmen.height() / 2);
    const QPoint imBildschirm = imPlatz(ort, rahmen, platz);
    const QRect innen((fenster->isVisible() ? imBildschirm : ort) + QPoint(rand.left(), rand.top()), groesse);
    if (innen != fenster->geometry())
        fenster->setGeometry(innen);
    return imBildschirm;
}

// Places each window as it is about to be shown: Qt sends the show event
// before it maps the window, so the window system never shows it anywhere
// else, and nothing is moved or resized while it is shown or exposed. At its
// first showing a window the program did not place itself stands centred over
// the window it belongs to; a window shown again stands where it was hidden
// (where the user may have dragged it) or where the program moved it meanwhile.
class Einpasser : public QObject {
public:
    using QObject::QObject;

    // Where a hidden window is to stand when it is shown.
    std::optional<QPoint> ortVon(const QWidget* w) const
    {
        if (const auto v = verborgen.find(w); v != verborgen.end() && !w->isVisible())
            return *v;
        return std::nullopt;
    }

    // The program moved the window to `wunsch`; a hidden one goes there when shown.
    void verschoben(const QWidget* w, QPoint wunsch)
    {
        if (!w->isVisible())
            verborgen.insert(w, wunsch);
    }

    // A monitor goes away (unplugged, undocked): every window on it, shown or
    // hidden, goes to the same place on the main window's monitor (the
    // primary one for the main window), as near as keeps it on that one. Qt
    // would move the shown ones to the primary monitor at their old places,
    // off every monitor, and a hidden window kept the monitor it was given
    // and, shown again, would be made on a monitor that is gone.
    void monitorEntfernt(QScreen* weg)
    {
        QList<QWidget*> fenster = QApplication::topLevelWidgets();
        std::stable_partition(fenster.begin(), fenster.end(),
                              [](const QWidget* w) { return qobject_cast<const QMainWindow*>(w); });
        for (QWidget* w : fenster)
            if (istProgrammFenster(w) && aufMonitor(w, weg))
                umziehen(w, weg);
    }

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override
    {
        if (!ziel->isWidgetType() || !istProgrammFenster(static_cast<QWidget*>(ziel)) || e->spontaneous())
            return false;
        auto* w = static_cast<QWidget*>(ziel);
        switch (e->type()) {
        case QEvent::Show:
            vorDemZeigen(w);
            break;
        case QEvent::Hide:
            verborgen.insert(w, zuletztGezeigt(w).topLeft());
            break;
        case QEvent::Destroy:
            verborgen.remove(w);
            break;
        default:
            break;
        }
        return false;
    }

private:
    static bool aufMonitor(const QWidget* w, const QScreen* monitor)
    {
        return w->screen() == monitor || (w->windowHandle() && w->windowHandle()->screen() == monitor);
    }

    void umziehen(QWidget* w, const QScreen* weg)
    {
        const QWidget* e = eigner(w);
        QScreen* ziel = e && !aufMonitor(e, weg) ? e->screen() : nullptr;
        for (QScreen* s : QGuiApplication::screens())
            if (!ziel && s != weg)
                ziel = QGuiApplication::primaryScreen() != weg ? QGuiApplication::primaryScreen() : s;
        if (!ziel)
            return;
        const QPoint ort = freierPlatz(ziel).topLeft() + (rahmenOrt(w) - weg->availableGeometry().topLeft());
        monitorSetzen(w, ziel);
        if (w->isVisible())
            setzen(w, nullptr, ort);
        else if (verborgen.contains(w))
            verborgen.insert(w, ort);
    }

    void vorDemZeigen(QWidget* w)
    {
        const bool wieder = verborgen.contains(w);
        if (wieder)
            freigabeAbwarten(w);
        const bool ohneOrt = !wieder && !w->testAttribute(Qt::WA_Moved);
        const QWidget* ueber = ohneOrt ? eigner(w) : nullptr;
        QPoint ort = wieder ? verborgen.take(w) : aussenRechteck(w).topLeft();
        // A window of its own starts in the top left corner of the primary monitor.
        const bool inDieEcke = ohneOrt && !ueber;
        if (inDieEcke)
            ort = freierPlatz(eigenerMonitor(w)).topLeft();
        setzen(w, ueber, ort);
        if (inDieEcke)
            rahmenInDieEcke(w, ort);
        if (wieder)
            positionSenden(w);
        // Qt would centre a dialog anew at every showing.
        w->setAttribute(Qt::WA_Moved);
    }

    // The frame's corner goes to `ecke` to the device pixel: placed through its
    // inner geometry, a window's frame stands where the frame's width in
    // device pixels, rounded to Qt's, puts it, off the corner at a ratio other
    // than 1. Placed by its frame, the window manager puts the frame there
    // itself. The widget's own place is the frame's until the window manager
    // has framed the window, so that Qt does not move it back.
    static void rahmenInDieEcke(QWidget* w, QPoint ecke)
    {
        QWindow* fenster = w->windowHandle();
        if (!fenster || QGuiApplication::platformName() != QLatin1String("xcb"))
            return;
        w->setGeometry(QRect(ecke, w->size()));
        fenster->setFramePosition(ecke);
    }

    // Openbox, letting go of a hidden window, moves it to where its frame
    // stood: a window shown again is placed only once the window manager let
    // go of it, or that move would come after the program's. Qt may hear of
    // the move only later and then believes the window already stands where
    // it is to go: telling the X server once more before the window is mapped
    // puts it there.
    static void positionSenden(QWidget* w)
    {
        const QRect innen = w->geometry();
        w->setGeometry(innen.translated(1, 0));
        w->setGeometry(innen);
    }

    QHash<const QWidget*, QPoint> verborgen;  // hidden: where their frames are to stand
};

// Placed before its first showing, a window takes the size it would get there.
void groesseVorDemZeigen(QWidget* fenster)
{
    if (!fenster->testAttribute(Qt::WA_Resized))
        fenster->adjustSize();
}

Einpasser& einpasser()
{
    static Einpasser* e = new Einpasser(qApp);
    return *e;
}

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
    einpasser().verschoben(fenster, setzen(fenster, nullptr, rahmenOrt(fenster)));
}

void anInhaltAnpassen(QWidget* fenster)
{
    // The layouts take controls shown or hidden meanwhile in only as the
    // events they posted arrive, those of a hidden window only once it is
    // shown. The inner ones go first: each passes its new size on to the
    // layout around it.
    const QList<QLayout*> layouts = fenster->findChildren<QLayout*>();
    for (QLayout* l : layouts)
        l->invalidate();
    for (auto l = layouts.crbegin(); l != layouts.crend(); ++l)
        (*l)->activate();
    // A shown window takes its new size in one step as it is fitted: the
    // window manager sees no size in between.
    if (fenster->isVisible())
        fenster->setAttribute(Qt::WA_Resized, false);
    else
        fenster->adjustSize();
}

QPoint rahmenOrt(const QWidget* fenster)
{
    return einpasser().ortVon(fenster).value_or(aussenRechteck(fenster).topLeft());
}

void rahmenVerschieben(QWidget* fenster, QPoint ort)
{
    groesseVorDemZeigen(fenster);
    setzen(fenster, nullptr, ort);
    einpasser().verschoben(fenster, ort);
}

void mittigAufBildschirm(QWidget* fenster)
{
    groesseVorDemZeigen(fenster);
    // Centred at the size it takes there, widened for its title, with the
    // frame it gets at that monitor's ratio.
    const QScreen* monitor = eigenerMonitor(fenster);
    const QMargins rand = erwarteterRahmen(fenster, monitor);
    const QSize rahmen = groesseAuf(fenster, monitor, rand).grownBy(rand);
    const QPoint mitte = freierPlatz(monitor).center();
    rahmenVerschieben(fenster, mitte - QPoint(rahmen.width() / 2, rahmen.height() / 2));
}

void mittigUeberEigner(QWidget* fenster)
{
    setzen(fenster, eigner(fenster), {});
}

void fensterEinpassenAnmelden()
{
    qApp->installEventFilter(&einpasser());
    static const QMetaObject::Connection monitorWeg = QObject::connect(
        qApp, &QGuiApplication::screenRemoved, &einpasser(), [](QScreen* weg) { einpasser().monitorEntfernt(weg); });
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
