#include "platform/WindowFit.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <optional>

namespace {
// Room of the title bar beside the title: icon and the window buttons.
constexpr int TitelRand = 140;
// The frame of a window the window manager has not framed yet, when no other
// window shows how large its frames are.
const QMargins GeschaetzterRahmen(6, 32, 6, 6);
// How often a window is put back where it was asked for while the window manager places it.
constexpr int PlatzVersuche = 3;

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

// The window with its frame, where it stands now.
QRect aussenRechteck(const QWidget* w)
{
    return w->geometry().marginsAdded(erwarteterRahmen(w));
}

bool istProgrammFenster(const QWidget* w)
{
    const Qt::WindowType art = w->windowType();
    return w->isWindow() && (art == Qt::Dialog || art == Qt::Window);
}

QRect freierPlatz(const QWidget* fenster)
{
    const QScreen* bildschirm = fenster->screen() ? fenster->screen() : QApplication::primaryScreen();
    return bildschirm ? bildschirm->availableGeometry() : QRect();
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

// Places and sizes the window: its frame at `ort` or centred over `ueber`,
// fully on the screen (a hidden one only as it is shown) and wide enough to
// show its title. Returns where the frame's top left corner goes on the
// screen. The window is placed through its inner geometry, which the window
// manager keeps as it is: Qt takes a position for the frame's, but with the
// frame it last knew of, none for a hidden window.
QPoint setzen(QWidget* fenster, const QWidget* ueber, QPoint ort)
{
    const QRect platz = freierPlatz(fenster);
    if (platz.isEmpty())
        return ort;
    const QMargins rand = erwarteterRahmen(fenster);
    const int titelBreite = QFontMetrics(QApplication::font()).horizontalAdvance(fenster->windowTitle()) + TitelRand;
    // Qt sizes a window to at most two thirds of the screen by itself; one
    // that scrolls its contents takes the room they need where there is some.
    const QSize bedarf = fenster->testAttribute(Qt::WA_Resized) ? fenster->size()
                                                                 : fenster->size().expandedTo(fenster->sizeHint());
    const int breite = std::min(std::max(bedarf.width(), titelBreite), platz.width() - rand.left() - rand.right());
    const int hoehe = std::min(bedarf.height(), platz.height() - rand.top() - rand.bottom());
    // A window of fixed size keeps it.
    const QSize groesse = QSize(breite, hoehe).boundedTo(fenster->maximumSize()).expandedTo(fenster->minimumSize());
    const QSize rahmen = groesse.grownBy(rand);
    if (ueber)
        ort = aussenRechteck(ueber).center() - QPoint(rahmen.width() / 2, rahmen.height() / 2);
    const QPoint imBildschirm = imPlatz(ort, rahmen, platz);
    const QRect innen((fenster->isVisible() ? imBildschirm : ort) + QPoint(rand.left(), rand.top()), groesse);
    if (innen != fenster->geometry())
        fenster->setGeometry(innen);
    return imBildschirm;
}

// Places each window as it is shown and keeps it there while the window
// manager frames it. At its first showing a window the program did not place
// itself stands centred over the window it belongs to; a window shown again
// stands where it was hidden, where the user may have dragged it, or where
// the program moved it meanwhile.
class Einpasser : public QObject {
public:
    using QObject::QObject;

    // Where the window stands or, while it is hidden or being placed, is to stand.
    std::optional<QPoint> ortVon(const QWidget* w) const
    {
        if (const auto z = zeigend.find(w); z != zeigend.end())
            return z->ort;
        if (const auto v = verborgen.find(w); v != verborgen.end() && !w->isVisible())
            return *v;
        return std::nullopt;
    }

    // The program moved the window to `wunsch`; it went to `ort`, as near as the screen lets it.
    void verschoben(QWidget* w, QPoint wunsch, QPoint ort)
    {
        if (!w->isVisible())
            verborgen.insert(w, wunsch);
        else if (const auto z = zeigend.find(w); z != zeigend.end())
            *z = {wunsch, ort, false, z->gezeigt, z->versuche};
    }

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override
    {
        if (e->type() == QEvent::Expose) {
            if (QWidget* w = gezeigtesFenster(ziel))
                angekommen(w, true);
            return false;
        }
        if (!ziel->isWidgetType() || !istProgrammFenster(static_cast<QWidget*>(ziel)))
            return false;
        auto* w = static_cast<QWidget*>(ziel);
        switch (e->type()) {
        case QEvent::Show: {
            const bool mittig = !w->testAttribute(Qt::WA_Moved) && eigner(w);
            const bool wieder = verborgen.contains(w);
            const QPoint wunsch = wieder ? verborgen.take(w) : aussenRechteck(w).topLeft();
            zeigend.insert(w, {wunsch, wunsch, mittig, false, 0});
            if (!platzieren(w) && wieder)
                positionSenden(w);
            // Qt would centre a dialog anew at every showing.
            w->setAttribute(Qt::WA_Moved);
            break;
        }
        case QEvent::Resize:
            // A window may take its final size only as it is shown (a message box, a
            // layout of fixed size): it is centred or kept on the screen at that size.
            if (!selbst && w->isVisible() && zeigend.contains(w))
                platzieren(w);
            break;
        case QEvent::Move:
        case QEvent::WindowActivate:
            if (!selbst && zeigend.contains(w))
                angekommen(w, false);
            break;
        case QEvent::Hide:
            // The window manager may move a window it lets go of; it comes back where it was.
            if (!e->spontaneous())
                verborgen.insert(w, ortVon(w).value_or(aussenRechteck(w).topLeft()));
            zeigend.remove(w);
            break;
        case QEvent::Destroy:
            zeigend.remove(w);
            verborgen.remove(w);
            break;
        default:
            break;
        }
        return false;
    }

private:
    struct Platz {
        QPoint wunsch;   // where the frame's top left corner is to go
        QPoint ort;      // where it goes, kept on the screen
        bool mittig;     // centred over the window it belongs to
        bool gezeigt;    // mapped by the window manager
        int versuche;    // times put back
    };

    // The window being shown whose native window `ziel` is.
    QWidget* gezeigtesFenster(QObject* ziel) const
    {
        for (auto it = zeigend.cbegin(); it != zeigend.cend(); ++it)
            if (it.key()->windowHandle() == ziel)
                return const_cast<QWidget*>(it.key());
        return nullptr;
    }

    // Puts the window being shown where it belongs; true when it had to move.
    bool platzieren(QWidget* w)
    {
        Platz& p = zeigend[w];
        const QRect vorher = w->geometry();
        selbst = true;
        p.ort = setzen(w, p.mittig ? eigner(w) : nullptr, p.wunsch);
        selbst = false;
        return w->geometry() != vorher;
    }

    // Tells the X server the position of a window shown again although Qt
    // believes it is there: the window manager, letting go of the window as it
    // was hidden, may have moved it to where its frame was, and Qt may not have
    // heard of that yet. Sent before the window is mapped, nothing is seen of it.
    void positionSenden(QWidget* w)
    {
        const QRect innen = w->geometry();
        selbst = true;
        w->setGeometry(innen.translated(1, 0));
        w->setGeometry(innen);
        selbst = false;
    }

    // Framed by the window manager (where windows get frames), which may have put
    // the window elsewhere: it is put back, until it is on the screen where it was asked for.
    void angekommen(QWidget* w, bool gezeigt)
    {
        const bool ungerahmt = rahmenVon(w).isNull() && !erwarteterRahmen(w).isNull();
        if (!w->isVisible() || ungerahmt)
            return;
        Platz& p = zeigend[w];
        p.gezeigt = p.gezeigt || gezeigt;
        if (platzieren(w) ? ++p.versuche >= PlatzVersuche : p.gezeigt)
            zeigend.remove(w);
    }

    QHash<const QWidget*, Platz> zeigend;     // shown, until the window manager framed them in place
    QHash<const QWidget*, QPoint> verborgen;  // hidden: where their frames are to stand
    bool selbst = false;                      // the filter moves a window itself
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
    const QPoint ort = setzen(fenster, nullptr, rahmenOrt(fenster));
    einpasser().verschoben(fenster, ort, ort);
}

QPoint rahmenOrt(const QWidget* fenster)
{
    return einpasser().ortVon(fenster).value_or(aussenRechteck(fenster).topLeft());
}

QPoint rahmenOrtImBildschirm(const QWidget* fenster, QPoint ort)
{
    return imPlatz(ort, aussenRechteck(fenster).size(), freierPlatz(fenster));
}

void rahmenVerschieben(QWidget* fenster, QPoint ort)
{
    groesseVorDemZeigen(fenster);
    einpasser().verschoben(fenster, ort, setzen(fenster, nullptr, ort));
}

void mittigAufBildschirm(QWidget* fenster)
{
    groesseVorDemZeigen(fenster);
    const QSize rahmen = aussenRechteck(fenster).size();
    rahmenVerschieben(fenster, freierPlatz(fenster).center() - QPoint(rahmen.width() / 2, rahmen.height() / 2));
}

void fensterEinpassenAnmelden()
{
    qApp->installEventFilter(&einpasser());
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
