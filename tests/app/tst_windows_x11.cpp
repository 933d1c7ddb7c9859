// The program's windows on a real X server of 1366 x 768 pixels (device-
// independent: CTest runs it at ratio 1 and at 2) under a
// window manager (started by x11-test.sh): each opens fully on the screen,
// as large as its layout asks where the screen has room,
// at its first showing centred over the main window unless the program places
// it itself (the start window centred on the screen), a modeless one stays
// above the main window when that is raised, as a click into it does, and a
// window closed and opened again comes back where it was. Every window and message box is painted, and a box stands
// above every other window of the program. The address views show their own
// labels as soon as they are switched to.
#include "core/HelpWindow.h"
#include "core/MainWinState.h"
#include "project/ProjectFileState.h"
#include "core/MenuCommands.h"
#include "core/Placement.h"
#include "core/StartForm.h"
#include "core/Startup.h"
#include "loconet/ComPortForm.h"
#include "loconet/ModulDialoge.h"
#include "loconet/PultFehlMeldung.h"
#include "platform/WindowFit.h"
#include "project/NewDeskDialog.h"
#include "routes/KeyChoiceDialog.h"
#include "routes/RouteSignalForm.h"
#include "routes/RouteTestDesk.h"
#include "routes/RouteStepForms.h"
#include "routes/RouteStepState.h"
#include "routes/RouteWarning.h"
#include "routes/TurnoutStateDialog.h"
#include "routes/UserCommandDialog.h"
#include "support/TestDesk.h"
#include "support/TestDialog.h"
#include "support/TestProgram.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>

namespace {
xcb_connection_t* xVerbindung()
{
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t xWurzel()
{
    return xcb_setup_roots_iterator(xcb_get_setup(xVerbindung())).data->root;
}

xcb_atom_t xAtom(const char* name)
{
    xcb_connection_t* c = xVerbindung();
    auto* antwort = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t atom = antwort ? antwort->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(antwort);
    return atom;
}

// The windows of a property of the root window (window ids, 32 bits each).
QList<xcb_window_t> wurzelFenster(const char* eigenschaft)
{
    xcb_connection_t* c = xVerbindung();
    QList<xcb_window_t> liste;
    auto* wert = xcb_get_property_reply(
        c, xcb_get_property(c, 0, xWurzel(), xAtom(eigenschaft), XCB_ATOM_WINDOW, 0, 4096), nullptr);
    if (!wert)
        return liste;
    const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(wert));
    for (int i = 0; i < xcb_get_property_value_length(wert) / 4; ++i)
        liste << ids[i];
    free(wert);
    return liste;
}

// A length in device pixels, as the X server has it, in device-independent
// pixels at the window's ratio, rounded as Qt rounds it.
int logisch(const QWidget* w, int geraet)
{
    return qRound(geraet / w->devicePixelRatio());
}

int geraet(const QWidget* w, int logisch)
{
    return qRound(logisch * w->devicePixelRatio());
}

// Moves the window's frame to `ort` through the window manager, as the user
// dragging its title bar does (Qt does not learn of it but from the window system).
void ziehen(const QWidget* w, QPoint ort)
{
    xcb_client_message_event_t nachricht{};
    nachricht.response_type = XCB_CLIENT_MESSAGE;
    nachricht.format = 32;
    nachricht.window = xcb_window_t(w->winId());
    nachricht.type = xAtom("_NET_MOVERESIZE_WINDOW");
    // North-west gravity, x and y given, asked for by the user.
    nachricht.data.data32[0] = XCB_GRAVITY_NORTH_WEST | 1 << 8 | 1 << 9 | 2 << 12;
    nachricht.data.data32[1] = uint32_t(geraet(w, ort.x()));
    nachricht.data.data32[2] = uint32_t(geraet(w, ort.y()));
    xcb_send_event(xVerbindung(), 0, xWurzel(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&nachricht));
    xcb_flush(xVerbindung());
}

// Closes the window through the window manager, as its frame's close button does.
void rahmenSchliessen(const QWidget* w)
{
    xcb_client_message_event_t nachricht{};
    nachricht.response_type = XCB_CLIENT_MESSAGE;
    nachricht.format = 32;
    nachricht.window = xcb_window_t(w->winId());
    nachricht.type = xAtom("_NET_CLOSE_WINDOW");
    nachricht.data.data32[1] = 2;   // asked for by the user
    xcb_send_event(xVerbindung(), 0, xWurzel(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&nachricht));
    xcb_flush(xVerbindung());
}

// Position of the window in the window manager's stacking order, bottom first.
qsizetype stapelPlatz(const QWidget* w)
{
    return wurzelFenster("_NET_CLIENT_LIST_STACKING").indexOf(xcb_window_t(w->winId()));
}

// The window's frame as the window system has it.
QRect rahmen(const QWidget* w)
{
    return w->windowHandle()->frameGeometry();
}

// True when the window's frame stands at `ort`, but for the pixel that a place
// given in device pixels may be off once rounded at a ratio other than 1.
bool stehtAn(const QWidget* w, QPoint ort)
{
    const int rundung = w->devicePixelRatio() == 1 ? 0 : 1;
    const QPoint ab = rahmen(w).topLeft() - ort;
    return std::abs(ab.x()) <= rundung && std::abs(ab.y()) <= rundung;
}

QString rechteckText(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The window's frame as the X server has it now: where the window stands on
// the root window, grown by the frame the window manager says it gave it;
// each in device-independent pixels as Qt takes it over.
QRect xRahmen(const QWidget* w)
{
    xcb_connection_t* c = xVerbindung();
    const auto id = xcb_window_t(w->winId());
    auto* ort = xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, xWurzel(), 0, 0), nullptr);
    auto* groesse = xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr);
    auto* rand = xcb_get_property_reply(
        c, xcb_get_property(c, 0, id, xAtom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 0, 4), nullptr);
    QRect r;
    if (ort && groesse && rand && xcb_get_property_value_length(rand) == 16) {
        const auto* m = static_cast<const uint32_t*>(xcb_get_property_value(rand));   // left, right, top, bottom
        const auto l = [w](auto geraet) { return logisch(w, int(geraet)); };
        r = QRect(l(ort->dst_x), l(ort->dst_y), l(groesse->width), l(groesse->height))
                .marginsAdded(QMargins(l(m[0]), l(m[2]), l(m[1]), l(m[3])));
    }
    free(ort);
    free(groesse);
    free(rand);
    return r;
}

// Shown, framed by the window manager and at rest: Qt knows the frame the X
// server has, and it stays the same over several reads in a row; otherwise
// what is missing.
QByteArray gerahmt(QWidget* w)
{
    if (!QTest::qWaitForWindowExposed(w))
        return "not exposed";
    if (!QTest::qWaitFor([w] { return stapelPlatz(w) >= 0 && !w->windowHandle()->frameMargins().isNull(); }, 5000))
        return "not framed";
    constexpr int Lesungen = 3;   // in a row that find the frame unchanged
    QRect vorher;
    int gleich = 0;
    if (QTest::qWaitFor([&] {
            const QRect jetzt = xRahmen(w);
            gleich = jetzt == rahmen(w) && jetzt == std::exchange(vorher, jetzt) ? gleich + 1 : 0;
            return gleich >= Lesungen;
        }, 5000))
        return {};
    return QStringLiteral("not at rest: the frame on the X server %1, as Qt has it %2")
        .arg(rechteckText(xRahmen(w)), rechteckText(rahmen(w))).toUtf8();
}

#define VERIFY_GERAHMT(w) do { const QByteArray fehlt = gerahmt(w); QVERIFY2(fehlt.isEmpty(), fehlt.constData()); } while (false)

// The window's own image on the X server.
QImage fensterBild(QWidget* w)
{
    return w->screen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// What the screen shows where the window stands: the window's own image on
// the X server may be painted while the screen shows something else there.
QImage bildschirmBild(QWidget* w)
{
    const QRect ort(w->mapToGlobal(QPoint(0, 0)), w->size());
    return w->screen()->grabWindow(0, ort.x(), ort.y(), ort.width(), ort.height()).toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// How much of `gezeigt` is black and where it differs from `soll`.
QString unterschied(const QImage& gezeigt, const QImage& soll)
{
    if (gezeigt.size() != soll.size())
        return QStringLiteral("a size other than the window's");
    qsizetype schwarz = 0;
    QRect anders;
    for (int y = 0; y < gezeigt.height(); ++y)
        for (int x = 0; x < gezeigt.width(); ++x) {
            schwarz += qGray(gezeigt.pixel(x, y)) == 0;
            if (gezeigt.pixel(x, y) != soll.pixel(x, y))
                anders |= QRect(x, y, 1, 1);
        }
    return QStringLiteral("%1 % black, differs from a repaint in %2,%3 %4x%5")
        .arg(100 * schwarz / std::max<qsizetype>(1, gezeigt.width() * gezeigt.height()))
        .arg(anders.x()).arg(anders.y()).arg(anders.width()).arg(anders.height());
}

// Painted: the window's own image on the X server and what the screen shows
// of it (on top of the others) are what Qt draws of it anew; otherwise how
// much of them is black and where they differ.
QByteArray gemalt(QWidget* w)
{
    const auto neuGemalt = [w] { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    if (QTest::qWaitFor([&] {
            const QImage soll = neuGemalt();
            return fensterBild(w) == soll && bildschirmBild(w) == soll;
        }, 5000))
        return {};
    const QImage soll = neuGemalt();
    return QStringLiteral("not painted: own image %1; on the screen %2")
        .arg(unterschied(fensterBild(w), soll), unterschied(bildschirmBild(w), soll)).toUtf8();
}

#define VERIFY_GEMALT(w) do { const QByteArray fehlt = gemalt(w); QVERIFY2(fehlt.isEmpty(), fehlt.constData()); } while (false)

using TestProgram::modus;

QWidget* elementDialog(Dialog d, const char* name, int editModus, int x)
{
    modus(editModus);
    return TestDialog::oeffnen(d, name, x, 2);
}

template <typename F>
QWidget* zeigen(F& f)
{
    f.show();
    f.raise();
    f.activateWindow();
    return &f;
}

// How each window is opened, the way the program opens it.
const std::map<QString, std::function<QWidget*()>>& oeffner()
{
    static const std::map<QString, std::function<QWidget*()>> o = {
        {"Startfenster", [] { return static_cast<QWidget*>(startFensterZeigen()); }},
        {"Hauptfenster", [] { return hauptFensterWidget(); }},
        {"Hilfe", [] { hilfeZeigen(22); return static_cast<QWidget*>(hilfeFenster()); }},
        {"ComPort", [] { return zeigen(*ComPortForm::instanz()); }},
        {"Fehlermeldung", [] { return zeigen(*PultFehlMeldung_Form::instanz()); }},
        {"Weiche", [] { return elementDialog(Dialog::Weichen_Form, "Weichen_Form", 3, 2); }},
        {"Signal", [] { return elementDialog(Dialog::Signal_Form, "Signal_Form", 4, 3); }},
        {"Taste", [] { return elementDialog(Dialog::Tasten_Form, "Tasten_Form", 7, 6); }},
        {"Ausleuchtung", [] { return elementDialog(Dialog::Ausl_Form, "Ausl_Form", 5, 2); }},
        {"Joystick", [] { return elementDialog(Dialog::Joy_Form, "Joy_Form", 7, 5); }},
        {"3 Tasten", [] { return elementDialog(Dialog::T3Mod_Form, "T3Mod_Form", 7, 4); }},
        {"Zivra", [] { return elementDialog(Dialog::Zivra_Form, "Zivra_Form", 9, 3); }},
        {"LNCV Tabelle", [] { return elementDialog(Dialog::LNCV_Tab, "LNCV_Tab", 10, 2); }},
        {"Fahrregler", [] { Fahrregler_Form_zeigen(); return TestDialog::fenster("Fahrregler_Form"); }},
        {"Anschlussmodul", [] { Anschlussmodul_Form_zeigen(); return TestDialog::fenster("Anschlussmodul_Form"); }},
        {"Grundeinstellungen", [] { return elementDialog(Dialog::KonfModulOpt_Form, "KonfModulOpt_Form", 1, 2); }},
        {"Adressierung", [] { return elementDialog(Dialog::KonfAdr_Form, "KonfAdr_Form", 1, 2); }},
        {"Drucken", [] { return elementDialog(Dialog::Drucken, "Drucken", 1, 2); }},
        {"Stückliste", [] { return elementDialog(Dialog::Stueckliste, "Stueckliste", 1, 2); }},
        {"Fahrstraßeneditor", [] { return elementDialog(Dialog::Fst_Edit_Form, "Fst_Edit_Form", 8, 2); }},
        {"Fahrstraßenslots", [] { return elementDialog(Dialog::Fahrstr_Form, "Fahrstr_Form", 8, 6); }},
        {"Fahrstraßenschritt Gleis", [] { FstGBest().zeigen(true); return static_cast<QWidget*>(&FstGBest()); }},
        {"Fahrstraßenschritt Signal", [] { FstSBest().zeigen(true); return static_cast<QWidget*>(&FstSBest()); }},
        {"Fahrstraßenweiche", [] { FstWChge().zeigen(12, 1); return static_cast<QWidget*>(&FstWChge()); }},
        {"Nutzerbefehl", [] { FstUBest().zeigen({}); return static_cast<QWidget*>(&FstUBest()); }},
        {"Zieltaste", [] { return zeigen(FstZT3TM()); }},
        {"Fahrstraßenwarnung", [] { return zeigen(*Warnung_Fs_form::instanz()); }},
        {"Neues Pult", [] {
             NeuesPultAnlegen::instanz()->oeffnen("/tmp/", "neu.plt");
             return TestDialog::fenster("NeuesPultAnlegen");
         }},
    };
    return o;
}

// A control in a scroll area is reached by scrolling.
bool imRollbereich(const QWidget* teil, const QWidget* fenster)
{
    for (const QWidget* p = teil->parentWidget(); p && p != fenster; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p))
            return true;
    return false;
}

// Where a frame of `groesse` wanted at `ort` stands: moved inside the screen;
// none for a frame larger than the screen, which has no place fully on it.
std::optional<QPoint> imPlatz(QPoint ort, QSize groesse, const QRect& platz)
{
    if (groesse.width() > platz.width() || groesse.height() > platz.height())
        return std::nullopt;
    return QPoint(std::clamp(ort.x(), platz.left(), platz.right() + 1 - groesse.width()),
                  std::clamp(ort.y(), platz.top(), platz.bottom() + 1 - groesse.height()));
}

// Where a frame of `groesse` stands centred over `bezug`, moved inside the screen.
std::optional<QPoint> mittigUeber(const QRect& bezug, QSize groesse, const QRect& platz)
{
    return imPlatz(bezug.center() - QPoint(groesse.width() / 2, groesse.height() / 2), groesse, platz);
}

QString zuGross(QSize groesse)
{
    return QStringLiteral("a frame of %1x%2 is larger than the screen").arg(groesse.width()).arg(groesse.height());
}

QString ortText(QPoint p)
{
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

QMessageBox* offeneMeldung()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    return nullptr;
}

// Closed, and let go by the window manager as well.
void schliessen(QWidget* w)
{
    w->close();
    QTRY_VERIFY(!w->isVisible());
    QTRY_VERIFY(stapelPlatz(w) < 0);
}

// Checks every message box the program shows while it lives: framed,
// painted, on the screen and above every other window of the program; then
// answers it with its cancel button (OK where it has none).
class MeldungsPruefer : public QObject {
public:
    QList<QRect> gesehen;   // the frames of the boxes
    QStringList fehler;     // what was wrong, by box

    MeldungsPruefer()
    {
        setzeMsgBoxResponder({});
        takt.setInterval(20);
        connect(&takt, &QTimer::timeout, this, &MeldungsPruefer::pruefen);
        takt.start();
    }
    ~MeldungsPruefer() override { setzeMsgBoxResponder([](const MsgBoxAufruf&) { return int(Msg::Nein); }); }

private:
    void pruefen()
    {
        QMessageBox* m = offeneMeldung();
        if (!m)
            return;
        takt.stop();
        const QString was = QStringLiteral("\"%1\" (%2)").arg(m->text().section(QLatin1Char('\n'), 0, 0),
                                                                m->windowTitle());
        if (const QByteArray f = gerahmt(m); !f.isEmpty())
            fehler << was + ": " + f;
        else if (const QByteArray g = gemalt(m); !g.isEmpty())
            fehler << was + ": " + g;
        if (!m->screen()->availableGeometry().contains(rahmen(m)))
            fehler << was + ": off the screen";
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w != m && w->isVisible() && stapelPlatz(w) > stapelPlatz(m))
                fehler << was + ": under " + w->objectName();
        gesehen << rahmen(m);
        m->escapeButton()->click();
        takt.start();
    }

    QTimer takt;
};

QWidget* gerahmtUndAktiv(QWidget* w)
{
    if (gerahmt(w).isEmpty()) {
        w->activateWindow();
        (void)QTest::qWaitFor([w] { return w->isActiveWindow(); }, 5000);
    }
    return w;
}

// Types `text` into the dialog's box `name` as the user does, replacing what it held.
void tippen(QWidget* dialog, const char* name, const QString& text)
{
    auto* box = TestDialog::teil<QLineEdit>(dialog, QString::fromLatin1(name));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void klicken(QWidget* dialog, const char* name)
{
    TestDialog::teil<QAbstractButton>(dialog, QString::fromLatin1(name))->click();
}

// A route being defined, its name step on the screen, the main window in use.
void fahrstrasseInArbeit()
{
    FSinArbeit = true;
    FstGBest().zeigen(true);
    gerahmtUndAktiv(&FstGBest());
    gerahmtUndAktiv(hauptFensterWidget());
}

// Opens the window, types the texts into its boxes and clicks the button.
std::function<void()> eingeben(const QString& fenster, const QList<std::pair<const char*, QString>>& texte,
                               const char* knopf)
{
    return [=] {
        QWidget* d = gerahmtUndAktiv(oeffner().at(fenster)());
        for (const auto& [box, text] : texte)
            tippen(d, box, text);
        klicken(d, knopf);
    };
}

// How far a window manager slow to frame a step dialog has got with it
// when the step dialogs' place takeover runs.
enum class Rahmung {
    Gelassen,             // not slow: the window manager frames each dialog at its ease
    Ungezeigt,            // the dialog unmapped inside a frame not shown yet
    InVerborgenemRahmen,  // the dialog mapped inside a frame not shown yet
    VerschobenUngehoert,  // the dialog shown in its frame and moved on before Qt hears of it
};

// A window manager slow to frame the route step dialogs: it is held off
// (the X server grabbed) from the moment a step dialog is shown until
// `mittendrin` has run for it. There the dialog stands the way the window
// manager has it first, inside a frame of its own in the screen's top left
// corner that it has neither placed nor shown yet nor told the dialog of, and
// the step dialogs' place takeover runs; then the window manager frames and
// places the dialog as usual. Held further on, the window manager has mapped
// the dialog inside its frame not shown yet, or shown both and moved the dialog
// on where Qt has not heard of it yet. No place the dialog has midway is one
// the user gave it.
class LangsamerFenstermanager : public QObject {
public:
    explicit LangsamerFenstermanager(Rahmung art) : art(art)
    {
        for (int code = 0; fstSchrittDialog(code); ++code)
            fstSchrittDialog(code)->installEventFilter(this);
    }
    ~LangsamerFenstermanager() override
    {
        for (int code = 0; fstSchrittDialog(code); ++code)
            fstSchrittDialog(code)->removeEventFilter(this);
        loslassen();
    }

    void mittendrin(QWidget* d)
    {
        if (d != gehalten)
            return;
        xcb_connection_t* c = xVerbindung();
        const auto id = xcb_window_t(d->winId());
        auto* ort = xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr);
        const xcb_window_t rahmen = xcb_generate_id(c);
        const uint32_t selbstGezeigt[] = {1};   // as the window manager's frames: shown at once when mapped
        xcb_create_window(c, XCB_COPY_FROM_PARENT, rahmen, xWurzel(), 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT, selbstGezeigt);
        xcb_delete_property(c, id, xAtom("_NET_FRAME_EXTENTS"));   // not yet told what frame it gets
        xcb_reparent_window(c, id, rahmen, 1, 1);
        const uint32_t ecke[] = {0, 0};
        xcb_configure_window(c, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, ecke);
        if (art == Rahmung::InVerborgenemRahmen)
            xcb_map_window(c, id);
        xcb_flush(c);
        if (!QTest::qWaitFor([d] { return d->windowHandle()->geometry().topLeft().isNull(); }, 5000))
            abweichungen << d->objectName() + " was never in the corner";
        if (art == Rahmung::VerschobenUngehoert) {
            // Shown and moved on at once: Qt still has it in the corner.
            xcb_map_window(c, rahmen);
            xcb_map_window(c, id);
            const uint32_t weiter[] = {40, 30};
            xcb_configure_window(c, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, weiter);
        }
        rahmenPruefen(d);
        uebernahmePruefen(d);
        xcb_unmap_window(c, id);   // mapped by the window manager as it frames it
        if (ort)
            xcb_reparent_window(c, id, xWurzel(), ort->x, ort->y);
        free(ort);
        xcb_destroy_window(c, rahmen);
        loslassen();
    }

    QStringList abweichungen;   // moved by the program once shown, a frame taken from the one midway

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override
    {
        if (e->type() == QEvent::Show && !gehalten) {
            gehalten = static_cast<QWidget*>(ziel);
            xcb_grab_server(xVerbindung());
            xcb_flush(xVerbindung());
        } else if (ziel == gehalten && !e->spontaneous() && (e->type() == QEvent::Move || e->type() == QEvent::Resize)) {
            abweichungen << QStringLiteral("%1 moved or resized once shown, to %2")
                                .arg(ziel->objectName(), rechteckText(gehalten->geometry()));
        }
        return false;
    }

private:
    // Where the program has the dialog's frame is where the window manager's
    // frame will put it (as wide at the left and as high above as the main
    // window's), not where the frame midway does.
    void rahmenPruefen(const QWidget* d)
    {
        const QMargins rand = hauptFensterWidget()->windowHandle()->frameMargins();
        const QPoint soll = d->geometry().topLeft() - QPoint(rand.left(), rand.top());
        if (rahmenOrt(d) != soll)
            abweichungen << QStringLiteral("%1 being framed: its frame taken at %2, not at %3")
                                .arg(d->objectName(), ortText(rahmenOrt(d)), ortText(soll));
    }

    // The place takeover runs and takes no place from the dialog midway: the
    // other step dialogs stay where they are.
    void uebernahmePruefen(const QWidget* d)
    {
        const QWidget* anderer = fstSchrittDialog(d == fstSchrittDialog(0) ? 1 : 0);
        const QPoint vorher = rahmenOrt(anderer);
        WinAktTimerSub();
        if (rahmenOrt(anderer) != vorher)
            abweichungen << QStringLiteral("%1 being framed: its place taken over, %2 moved from %3 to %4")
                                .arg(d->objectName(), anderer->objectName(), ortText(vorher), ortText(rahmenOrt(anderer)));
    }

    void loslassen()
    {
        if (!std::exchange(gehalten, nullptr))
            return;
        xcb_ungrab_server(xVerbindung());
        xcb_flush(xVerbindung());
    }

    const Rahmung art;
    QWidget* gehalten = nullptr;   // shown, not yet framed
};

// Ways the program shows message boxes, as the user gets them.
const std::map<QString, std::function<void()>>& meldungsAnlaesse()
{
    static const std::map<QString, std::function<void()>> a = {
        {"Neues Pult without its size", eingeben("Neues Pult", {{"AnzCol_Txt", ""}, {"AnzRow_Txt", ""}}, "OK_But")},
        {"Grundeinstellungen without a column count", eingeben("Grundeinstellungen", {{"AnzCol_Txt", ""}}, "OK_But")},
        {"Grundeinstellungen making the desk smaller", eingeben("Grundeinstellungen", {{"AnzCol_Txt", "10"}}, "OK_But")},
        {"automatic addressing with a value too large",
         eingeben("Adressierung", {{"KonfAdr_Txt(0)", "3000"}}, "StartAdr(12)")},
        {"Pult laden with unsaved changes, the help window open", [] {
             gerahmtUndAktiv(oeffner().at("Hilfe")());
             gerahmtUndAktiv(hauptFensterWidget());
             projektAlsGespeichertMerken();
             const QString name = std::exchange(PultDaten.PultName, QStringLiteral("geändert"));
             PultLadenMenu_Click();
             PultDaten.PultName = name;
         }},
        {"Neues Pult during a route definition", [] {
             fahrstrasseInArbeit();
             NeuesPultMenu_Click();
         }},
        {"Pult laden during a route definition", [] {
             fahrstrasseInArbeit();
             PultLadenMenu_Click();
         }},
    };
    return a;
}
} // namespace

Q_DECLARE_METATYPE(Rahmung)

class TestWindowsX11 : public QObject {
    Q_OBJECT
    MainWindow* haupt = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY2(xVerbindung(), "runs on an X server only (QT_QPA_PLATFORM=xcb)");
        QVERIFY2(QTest::qWaitFor([] { return !wurzelFenster("_NET_SUPPORTING_WM_CHECK").isEmpty(); }, 10000),
                 "no window manager on the X server");
        // Text cursors do not blink: a window looks the same at every look.
        QApplication::setCursorFlashTime(0);
        haupt = TestProgram::hauptfensterAnlegen();
        schrittDialogeAnlegen();
        haupt->show();
        VERIFY_GERAHMT(haupt);
        TestDesk::neuesPult(12, 8);
        for (const auto& [x, code] : std::map<int, int>{{2, 101}, {3, 501}, {4, 700}, {5, 710}, {6, 402}}) {
            MainWin().Pult[0].setzeZelle(2, x);
            SetzePultElement(katalogIndex(code));
        }
        modus(1);
    }

    void cleanup()
    {
        FSinArbeit = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != haupt)
                w->hide();
    }

    void windowFitsStaysInFrontAndReopensInPlace_data()
    {
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<bool>("vorn");   // owned by the main window: stays above it
        QTest::addColumn<bool>("wieder"); // can be closed and opened again
        // Where it stands at its first showing: centred over the main window
        // or the screen, its frame in the screen's top left corner, or where
        // the program puts it (not checked).
        QTest::addColumn<QString>("zuerst");
        const std::map<QString, QString> eigenerOrt = {
            {"Startfenster", "Bildschirm"}, {"Hauptfenster", "Ecke"}, {"Drucken", "Bildschirm"},
            {"Fahrstraßenschritt Signal", ""},   // where the route step before it was left
        };
        const QStringList eigenstaendig = {"Startfenster", "Hauptfenster", "Hilfe"};
        const QStringList einmal = {"Startfenster", "Hauptfenster"};   // shown once a program run
        for (const auto& [name, oeffnen] : oeffner())
            QTest::newRow(qPrintable(name))
                << name << !eigenstaendig.contains(name) << !einmal.contains(name)
                << (eigenerOrt.count(name) ? eigenerOrt.at(name) : QStringLiteral("Hauptfenster"));
    }
    void windowFitsStaysInFrontAndReopensInPlace()
    {
        QFETCH(QString, fenster);
        QFETCH(bool, vorn);
        QFETCH(bool, wieder);
        QFETCH(QString, zuerst);
        const auto& oeffnen = oeffner().at(fenster);
        QWidget* w = oeffnen();
        QVERIFY(w);
        VERIFY_GERAHMT(w);
        VERIFY_GEMALT(w);
        const QRect platz = w->screen()->availableGeometry();
        QCOMPARE(platz.size(), QSize(1366, 768));
        // As large as its layout asks, as far as the screen allows: as wide,
        // and as high as it asks for the width it got.
        const int hoehe = w->hasHeightForWidth() ? w->heightForWidth(w->width()) : w->sizeHint().height();
        const QSize verlangt =
            QSize(w->sizeHint().width(), hoehe).boundedTo(platz.size() - (rahmen(w).size() - w->size()));
        QVERIFY2(w->width() >= verlangt.width() && w->height() >= verlangt.height(),
                 qPrintable(QStringLiteral("%1x%2 px, its layout asks for %3x%4")
                                .arg(w->width()).arg(w->height()).arg(verlangt.width()).arg(verlangt.height())));
        if (!zuerst.isEmpty()) {
            const QRect bezug = zuerst == "Bildschirm" ? platz : rahmen(haupt);
            const std::optional<QPoint> soll =
                zuerst == "Ecke" ? platz.topLeft() : mittigUeber(bezug, rahmen(w).size(), platz);
            QVERIFY2(soll, qPrintable(zuGross(rahmen(w).size())));
            const QPoint ab = rahmen(w).topLeft() - *soll;
            QVERIFY2(std::max(std::abs(ab.x()), std::abs(ab.y())) <= 2,
                     qPrintable(QStringLiteral("first shown at %1, not at %2 (%3)")
                                    .arg(ortText(rahmen(w).topLeft()), ortText(*soll), zuerst)));
        }
        QVERIFY2(platz.contains(rahmen(w)), qPrintable("frame " + rechteckText(rahmen(w))));
        for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (b->isVisible() && b->window() == w && !imRollbereich(b, w))
                QVERIFY2(platz.contains(QRect(b->mapToGlobal(QPoint(0, 0)), b->size())), qPrintable(b->text()));
        if (vorn) {
            // A click into the main window, while another window stands above
            // it: the window manager has acted on it once the main window
            // stands above that one.
            QWidget davor;
            davor.show();
            VERIFY_GERAHMT(&davor);
            QVERIFY2(stapelPlatz(&davor) > stapelPlatz(haupt), "a window shown last is not on top");
            haupt->raise();
            haupt->activateWindow();
            QTRY_VERIFY(haupt->isActiveWindow());
            QVERIFY2(QTest::qWaitFor([&] { return stapelPlatz(haupt) > stapelPlatz(&davor); }, 5000),
                     "the window manager did not raise the main window");
            QVERIFY2(stapelPlatz(w) > stapelPlatz(haupt), "the window went behind the main window");
        }
        // Where the user dragged it: on the screen, off its edges where there is room.
        if (wieder) {
            const QSize frei = platz.size() - rahmen(w).size();
            const QPoint ziel(std::clamp(frei.width() / 2, 0, 240), std::clamp(frei.height() / 2, 0, 130));
            ziehen(w, ziel);
            QTRY_VERIFY2(stehtAn(w, ziel), qPrintable("dragged to " + ortText(rahmen(w).topLeft())));
        }
        const QPoint ort = rahmen(w).topLeft();
        for (int mal = 0; wieder && mal < 3; ++mal) {
            schliessen(w);
            QCOMPARE(oeffnen(), w);
            VERIFY_GERAHMT(w);
            VERIFY_GEMALT(w);
            const QPoint jetzt = rahmen(w).topLeft();
            QVERIFY2((jetzt - ort).manhattanLength() <= 2,
                     qPrintable(QStringLiteral("moved from %1,%2 to %3,%4 on opening %5")
                                    .arg(ort.x()).arg(ort.y()).arg(jetzt.x()).arg(jetzt.y()).arg(mal + 2)));
        }
        if (wieder)
            schliessen(w);
        modus(1);
    }

    // Closed through its frame's close button and opened again, time after
    // time, a dialog stays where it was, its title bar on the screen.
    void reopenedAfterClosingThroughTheFrameStaysInPlace_data()
    {
        QTest::addColumn<QString>("fenster");
        for (const char* name : {"3 Tasten", "Taste", "Weiche", "Fahrstraßenslots"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void reopenedAfterClosingThroughTheFrameStaysInPlace()
    {
        QFETCH(QString, fenster);
        const auto& oeffnen = oeffner().at(fenster);
        QWidget* w = oeffnen();
        VERIFY_GERAHMT(w);
        const QPoint ort = rahmen(w).topLeft();
        for (int mal = 0; mal < 20; ++mal) {
            rahmenSchliessen(w);
            QTRY_VERIFY(!w->isVisible());
            QTRY_VERIFY(stapelPlatz(w) < 0);
            QCOMPARE(oeffnen(), w);
            VERIFY_GERAHMT(w);
            const QPoint jetzt = rahmen(w).topLeft();
            QVERIFY2((jetzt - ort).manhattanLength() <= 2 && jetzt.y() >= 0,
                     qPrintable(QStringLiteral("moved from %1 to %2 on opening %3")
                                    .arg(ortText(ort), ortText(jetzt)).arg(mal + 2)));
        }
        VERIFY_GEMALT(w);
        modus(1);
    }

    // A message box stands above every other window of the program and is
    // painted: one asked by a window centred over it, and those the program
    // shows over its dialogs, over the main window while the help window is
    // open, and while a route is being defined.
    void messageBoxStandsOverTheAskingWindow_data()
    {
        QTest::addColumn<QString>("fenster");   // asks a box itself
        QTest::addColumn<QString>("anlass");    // or: a way the program shows boxes
        for (const auto& [name, oeffnen] : oeffner())
            QTest::newRow(qPrintable("over " + name)) << name << QString();
        for (const auto& [name, ausloesen] : meldungsAnlaesse())
            QTest::newRow(qPrintable(name)) << QString() << name;
    }
    void messageBoxStandsOverTheAskingWindow()
    {
        QFETCH(QString, fenster);
        QFETCH(QString, anlass);
        QWidget* fragt = fenster.isEmpty() ? nullptr : gerahmtUndAktiv(oeffner().at(fenster)());
        MeldungsPruefer pruefer;
        if (fragt) {
            QVERIFY(fragt->isActiveWindow());
            MsgBox(QStringLiteral("Das Pult wurde noch nicht initialisiert!"), Msg::NurOk | Msg::Ausruf);
        } else {
            meldungsAnlaesse().at(anlass)();
            QVERIFY(!QTest::currentTestFailed());
        }
        QVERIFY2(!pruefer.gesehen.isEmpty(), "no message box");
        QVERIFY2(pruefer.fehler.isEmpty(), qPrintable(pruefer.fehler.join("; ")));
        if (fragt) {
            const QRect box = pruefer.gesehen.constFirst();
            const std::optional<QPoint> soll = mittigUeber(rahmen(fragt), box.size(), fragt->screen()->availableGeometry());
            QVERIFY2(soll, qPrintable(zuGross(box.size())));
            QVERIFY2((box.topLeft() - *soll).manhattanLength() <= 4,
                     qPrintable(QStringLiteral("shown at %1, centred is %2").arg(ortText(box.topLeft()), ortText(*soll))));
        }
        modus(1);
    }

    // What the address grid shows right after a switch of the view is what a
    // full repaint shows: the labels of column 0 included.
    void addressViewShowsItsOwnLabels_data()
    {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("nach");
        QTest::newRow("track plan to turnouts") << 1 << 3;
        QTest::newRow("turnouts to signals") << 3 << 4;
        QTest::newRow("signals to illumination") << 4 << 5;
        QTest::newRow("feedback to keys") << 6 << 7;
        QTest::newRow("keys to routes") << 7 << 8;
        QTest::newRow("routes to ZIVRA") << 8 << 9;
        QTest::newRow("ZIVRA to signals") << 9 << 4;
    }
    void addressViewShowsItsOwnLabels()
    {
        QFETCH(int, von);
        QFETCH(int, nach);
        modus(von);
        VERIFY_GEMALT(haupt);
        modus(nach);
        VERIFY_GEMALT(haupt);
        modus(1);
    }

    // Over a whole route definition each step's dialog opens where the user
    // left the last one, whatever kind of step it is; a dialog that has to
    // stand higher to fit on the screen does not take the others up. Neither
    // does where the window manager has a dialog for a moment while it frames
    // it; a dialog is placed at its size before it is shown, and its frame is
    // not taken from what Qt reads of it midway. Nor does the place the
    // release dialog is pushed up to as it grows near the screen's bottom.
    void routeStepDialogsKeepOnePlace_data()
    {
        QTest::addColumn<Rahmung>("rahmung");   // how far a slow window manager got when the place is taken over
        QTest::addColumn<bool>("waechst");      // the release dialog grows and shrinks again
        QTest::newRow("place taken over while each dialog is being framed") << Rahmung::Ungezeigt << false;
        QTest::newRow("place taken over while each dialog is mapped inside a frame not shown yet")
            << Rahmung::InVerborgenemRahmen << false;
        QTest::newRow("place taken over while each dialog is shown and moved before Qt hears of it")
            << Rahmung::VerschobenUngehoert << false;
        QTest::newRow("window manager at ease") << Rahmung::Gelassen << false;
        QTest::newRow("release dialog grown and shrunk again near the screen's bottom") << Rahmung::Gelassen << true;
    }
    void routeStepDialogsKeepOnePlace()
    {
        QFETCH(Rahmung, rahmung);
        QFETCH(bool, waechst);
        std::optional<LangsamerFenstermanager> fenstermanager;
        if (rahmung != Rahmung::Gelassen)
            fenstermanager.emplace(rahmung);
        // Start key (3,2), destination key (6,2); row 5: a turnout lighting the
        // pieces right of it, a main signal with distant signal, a distant signal
        // switched by its main signal.
        for (const QList<int>& f : Befehle{{3, 2, 501, 0, 32, 31, 100}, {6, 2, 402, 0, 62, 39, 301},
                                           {2, 5, 101, 0, 25, 11, 10, 13, 500, 23, 700}, {3, 5, 51}, {4, 5, 51},
                                           {5, 5, 513, 0, 55, 31, 110, 32, 120}, {6, 5, 551, 0, 65, 32, 130, 38, 4}})
            TestDesk::setzen(f[0], f[1], katalogIndex(f[2]), f.mid(3));
        modus(8);
        const QRect platz = haupt->screen()->availableGeometry();
        WizardUser u(60000);
        QStringList abweichungen;
        QPoint ort;   // where the user left the last dialog; the name step stands in the middle of the screen
        // Checks where `d` opened, then drags it to `ziel` (a null point: leaves it).
        auto schritt = [&](QWidget* d, const QString& was, QPoint ziel) {
            u.tun(d, [&, d, was, ziel] {
                if (fenstermanager)
                    fenstermanager->mittendrin(d);
                if (const QByteArray fehlt = gerahmt(d); !fehlt.isEmpty()) {
                    abweichungen << was + ": " + fehlt;
                    return;
                }
                if (const QByteArray fehlt = gemalt(d); !fehlt.isEmpty())
                    abweichungen << was + ": " + fehlt;
                const QSize groesse = rahmen(d).size();
                const std::optional<QPoint> soll =
                    ort.isNull() ? mittigUeber(platz, groesse, platz) : imPlatz(ort, groesse, platz);
                if (!soll)
                    abweichungen << was + ": " + zuGross(groesse);
                else if ((rahmen(d).topLeft() - *soll).manhattanLength() > 2)
                    abweichungen << was + " opened at " + ortText(rahmen(d).topLeft()) + ", not at " + ortText(*soll);
                if (ziel.isNull())
                    return;
                ziehen(d, ziel);
                if (!QTest::qWaitFor([d, ziel] { return stehtAn(d, ziel); }, 5000))
                    abweichungen << was + " not dragged";
                ort = ziel;
            });
        };
        // Waits until `d` stands as `gilt` says and is at rest, then takes the
        // place over as the dialog's timer does.
        auto ruhtDann = [&](QWidget* d, const QString& was, const std::function<bool()>& gilt) {
            u.tun(d, [&, d, was, gilt] {
                if (!QTest::qWaitFor(gilt, 5000))
                    abweichungen << was + ": not so, " + rechteckText(rahmen(d));
                else if (const QByteArray fehlt = gerahmt(d); !fehlt.isEmpty())
                    abweichungen << was + ": " + fehlt;
                WinAktTimerSub();
            });
        };
        QWidget *g = &FstGBest(), *r = &FstRBest(), *z = &FstZBest(), *w = &FstWBest(), *s = &FstSBest(),
                *a = &FstABest(), *v = &FstVBest();
        // The start and element prompts fit here, the release and signal dialogs do not.
        const QPoint tief(700, platz.bottom() - 140);
        schritt(g, "name", {610, 300});
        u.tippen(g, "FSB_Name_Txt", "West");
        u.knopf(g, "OK_But");
        schritt(g, "start key", {420, 180});
        u.klick(3, 2, g);
        u.knopf(g, "OK_But");
        schritt(g, "destination key", tief);
        u.klick(6, 2, g);
        u.knopf(g, "OK_But");
        schritt(r, "release", {});
        if (waechst) {
            u.waehlen(r, "FHT_Chk");
            ruhtDann(r, "release ticked at the place of the one before", [&] { return rahmen(r).topLeft() == tief; });
            u.waehlen(r, "FHT_Chk", false);
            ruhtDann(r, "release unticked pushed up to fit", [&] { return rahmen(r).bottom() == platz.bottom(); });
        }
        u.waehlen(r, "FHT_Chk");   // smaller now, it fits where the one before was left
        u.knopf(r, "OK_But");
        schritt(z, "first element", {520, 95});
        u.klick(2, 5, z);
        schritt(w, "turnout", {760, 330});
        u.waehlen(w, "Mag1_RG(1)");
        u.knopf(w, "OK_But");
        schritt(z, "element after the turnout", tief);
        u.klick(5, 5, z);
        schritt(s, "signal", {});
        u.waehlen(s, "HS_Chk");
        u.knopf(s, "OK_But");
        schritt(z, "element after the signal", {310, 150});
        u.klick(4, 5, z);
        schritt(a, "lit piece", {880, 210});
        u.waehlen(a, "Incl_Chk");
        u.knopf(a, "OK_But");
        schritt(z, "element after the lit piece", {240, 60});
        u.klick(6, 5, z);
        schritt(s, "distant signal", {560, 140});
        u.waehlen(s, "VS_Chk");
        u.knopf(s, "VSAuto_Cmd");
        schritt(v, "main signal choice", {990, 370});
        u.klick(5, 5, v);
        schritt(s, "distant signal again", {450, 260});
        u.knopf(s, "OK_But");
        schritt(z, "last element", {});
        u.knopf(z, "OK_But");
        KonfMenu_Click(2);
        QVERIFY2(!u.haengt, "the route definition could not go on");
        QVERIFY(!FSinArbeit);
        if (fenstermanager)
            abweichungen << fenstermanager->abweichungen;
        QVERIFY2(abweichungen.isEmpty(), qPrintable(abweichungen.join("; ")));
        modus(1);
    }

    // An element dialog shown for an element with fewer rows than the one it
    // showed before takes the size it had when first shown for that element,
    // be it shown all along or closed in between, and stays where it stood.
    void elementDialogTakesTheSizeOfItsContent_data()
    {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("editModus");
        // Element code and LNCV pairs (number, value) of the element with
        // fewer rows, shown first and last, and of the one with more.
        QTest::addColumn<QList<int>>("klein");
        QTest::addColumn<QList<int>>("gross");
        QTest::addColumn<bool>("offen");   // shown for the smaller one again without being closed
        const auto weiche = [](int art) { return QList<int>{101, 15, art}; };
        QTest::newRow("turnout with two drives, then one")
            << int(Dialog::Weichen_Form) << "Weichen_Form" << 3 << weiche(0) << weiche(12) << true;
        QTest::newRow("double crossing with two drives, then a turnout, closed in between")
            << int(Dialog::Weichen_Form) << "Weichen_Form" << 3 << weiche(0) << weiche(7) << false;
        QTest::newRow("main and distant signal, then main signal")
            << int(Dialog::Signal_Form) << "Signal_Form" << 4 << QList<int>{501} << QList<int>{511} << true;
        QTest::newRow("destination key, then switch key")
            << int(Dialog::Tasten_Form) << "Tasten_Form" << 7 << QList<int>{610} << QList<int>{402} << true;
    }
    void elementDialogTakesTheSizeOfItsContent()
    {
        QFETCH(int, dialog);
        QFETCH(QString, name);
        QFETCH(int, editModus);
        QFETCH(QList<int>, klein);
        QFETCH(QList<int>, gross);
        QFETCH(bool, offen);
        TestDesk::setzen(2, 7, katalogIndex(klein[0]), klein.mid(1));
        TestDesk::setzen(3, 7, katalogIndex(gross[0]), gross.mid(1));
        modus(editModus);
        // Not shown before in this program run: its first size for the smaller element is its own.
        delete TestDialog::fenster(qPrintable(name));
        const auto oeffnen = [&](int x) { return TestDialog::oeffnen(Dialog(dialog), qPrintable(name), x, 7); };
        QWidget* w = oeffnen(2);
        QVERIFY(w);
        VERIFY_GERAHMT(w);
        const QSize zuerst = w->size();
        QCOMPARE(oeffnen(3), w);
        VERIFY_GERAHMT(w);
        QVERIFY2(w->height() > zuerst.height(), "the second element shows no more rows than the first");
        const QPoint ort = rahmen(w).topLeft();
        if (!offen)
            schliessen(w);
        QCOMPARE(oeffnen(2), w);
        VERIFY_GERAHMT(w);
        VERIFY_GEMALT(w);
        QVERIFY2(w->size() == zuerst, qPrintable(QStringLiteral("%1x%2, at first %3x%4")
                                                    .arg(w->width()).arg(w->height())
                                                    .arg(zuerst.width()).arg(zuerst.height())));
        QVERIFY2((rahmen(w).topLeft() - ort).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("moved from %1 to %2").arg(ortText(ort), ortText(rahmen(w).topLeft()))));
        schliessen(w);
        modus(1);
    }
};

QTEST_MAIN(TestWindowsX11)
#include "tst_windows_x11.moc"
