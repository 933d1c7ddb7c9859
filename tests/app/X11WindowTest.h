#pragma once
// What the window tests on a real X server share: asking the X server and
// the window manager directly, waiting until a window is framed and painted,
// opening each window the way the program opens it, and the main window
// they start from.
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
#include "platform/DevicePixels.h"
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

namespace X11Test {
inline xcb_connection_t* xVerbindung()
{
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

inline xcb_window_t xWurzel()
{
    return xcb_setup_roots_iterator(xcb_get_setup(xVerbindung())).data->root;
}

inline xcb_atom_t xAtom(const char* name)
{
    xcb_connection_t* c = xVerbindung();
    auto* antwort = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t atom = antwort ? antwort->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(antwort);
    return atom;
}

// The windows of a property of the root window (window ids, 32 bits each).
inline QList<xcb_window_t> wurzelFenster(const char* eigenschaft)
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

// Moves the window's frame to `ort` through the window manager, as the user
// dragging its title bar does (Qt does not learn of it but from the window system).
inline void ziehen(const QWidget* w, QPoint ort)
{
    xcb_client_message_event_t nachricht{};
    nachricht.response_type = XCB_CLIENT_MESSAGE;
    nachricht.format = 32;
    nachricht.window = xcb_window_t(w->winId());
    nachricht.type = xAtom("_NET_MOVERESIZE_WINDOW");
    // North-west gravity, x and y given, asked for by the user.
    nachricht.data.data32[0] = XCB_GRAVITY_NORTH_WEST | 1 << 8 | 1 << 9 | 2 << 12;
    const QPoint geraet = geraeteOrt(w, ort);
    nachricht.data.data32[1] = uint32_t(geraet.x());
    nachricht.data.data32[2] = uint32_t(geraet.y());
    xcb_send_event(xVerbindung(), 0, xWurzel(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&nachricht));
    xcb_flush(xVerbindung());
}

// Closes the window through the window manager, as its frame's close button does.
inline void rahmenSchliessen(const QWidget* w)
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
inline qsizetype stapelPlatz(const QWidget* w)
{
    return wurzelFenster("_NET_CLIENT_LIST_STACKING").indexOf(xcb_window_t(w->winId()));
}

// The window's frame as the window system has it.
inline QRect rahmen(const QWidget* w)
{
    return w->windowHandle()->frameGeometry();
}

// True when the window's frame stands at `ort`, but for the pixel that a place
// given in device pixels may be off once rounded at a ratio other than 1.
inline bool stehtAn(const QWidget* w, QPoint ort)
{
    const int rundung = w->devicePixelRatio() == 1 ? 0 : 1;
    const QPoint ab = rahmen(w).topLeft() - ort;
    return std::abs(ab.x()) <= rundung && std::abs(ab.y()) <= rundung;
}

inline QString rechteckText(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Where the X server has the window now, in device pixels: where it stands on
// the root window, and the frame the window manager says it gave it.
struct XFenster {
    QRect innen;
    QMargins rand;
};

inline std::optional<XFenster> xFenster(const QWidget* w)
{
    xcb_connection_t* c = xVerbindung();
    const auto id = xcb_window_t(w->winId());
    auto* ort = xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, xWurzel(), 0, 0), nullptr);
    auto* groesse = xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr);
    auto* rand = xcb_get_property_reply(
        c, xcb_get_property(c, 0, id, xAtom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 0, 4), nullptr);
    std::optional<XFenster> f;
    if (ort && groesse && rand && xcb_get_property_value_length(rand) == 16) {
        const auto* m = static_cast<const uint32_t*>(xcb_get_property_value(rand));   // left, right, top, bottom
        f = XFenster{QRect(ort->dst_x, ort->dst_y, groesse->width, groesse->height),
                     QMargins(int(m[0]), int(m[2]), int(m[1]), int(m[3]))};
    }
    free(ort);
    free(groesse);
    free(rand);
    return f;
}

// The window's frame as the X server has it now, each part in
// device-independent pixels as Qt takes it over.
inline QRect xRahmen(const QWidget* w)
{
    const std::optional<XFenster> f = xFenster(w);
    if (!f)
        return {};
    return QRect(qtOrt(w, f->innen.topLeft()), QSize(qtLaenge(w, f->innen.width()), qtLaenge(w, f->innen.height())))
        .marginsAdded(qtRand(w, f->rand));
}

// Shown, framed by the window manager and at rest: Qt knows the frame the X
// server has, and it stays the same over several reads in a row; otherwise
// what is missing.
inline QByteArray gerahmt(QWidget* w)
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
inline QImage fensterBild(QWidget* w)
{
    return w->screen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// What the screen shows where the window stands: the window's own image on
// the X server may be painted while the screen shows something else there.
// Read in device pixels where the X server has the window, which at a ratio
// other than 1 may stand between two of Qt's.
inline QImage bildschirmBild(QWidget* w)
{
    const std::optional<XFenster> f = xFenster(w);
    if (!f)
        return {};
    xcb_connection_t* c = xVerbindung();
    const QRect r = f->innen;
    auto* bild = xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, xWurzel(), int16_t(r.x()),
                                                      int16_t(r.y()), uint16_t(r.width()), uint16_t(r.height()), ~0u),
                                     nullptr);
    QImage gezeigt;
    if (bild && xcb_get_image_data_length(bild) == r.width() * r.height() * 4)   // 24 bits in 32 each
        gezeigt = QImage(xcb_get_image_data(bild), r.width(), r.height(), r.width() * 4, QImage::Format_RGB32).copy();
    free(bild);
    return gezeigt;
}

// How much of `gezeigt` is black and where it differs from `soll`.
inline QString unterschied(const QImage& gezeigt, const QImage& soll)
{
    if (gezeigt.size() != soll.size())
        return QStringLiteral("%1x%2, not the window's %3x%4")
            .arg(gezeigt.width()).arg(gezeigt.height()).arg(soll.width()).arg(soll.height());
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
inline QByteArray gemalt(QWidget* w)
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

inline QWidget* elementDialog(Dialog d, const char* name, int editModus, int x)
{
    modus(editModus);
    return TestDialog::oeffnen(d, name, x, 2);
}

template <typename F>
inline QWidget* zeigen(F& f)
{
    f.show();
    f.raise();
    f.activateWindow();
    return &f;
}

// How each window is opened, the way the program opens it.
inline const std::map<QString, std::function<QWidget*()>>& oeffner()
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
inline bool imRollbereich(const QWidget* teil, const QWidget* fenster)
{
    for (const QWidget* p = teil->parentWidget(); p && p != fenster; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(p))
            return true;
    return false;
}

// Where a frame of `groesse` wanted at `ort` stands: moved inside the screen;
// none for a frame larger than the screen, which has no place fully on it.
inline std::optional<QPoint> imPlatz(QPoint ort, QSize groesse, const QRect& platz)
{
    if (groesse.width() > platz.width() || groesse.height() > platz.height())
        return std::nullopt;
    return QPoint(std::clamp(ort.x(), platz.left(), platz.right() + 1 - groesse.width()),
                  std::clamp(ort.y(), platz.top(), platz.bottom() + 1 - groesse.height()));
}

// Where a frame of `groesse` stands centred over `bezug`, moved inside the screen.
inline std::optional<QPoint> mittigUeber(const QRect& bezug, QSize groesse, const QRect& platz)
{
    return imPlatz(bezug.center() - QPoint(groesse.width() / 2, groesse.height() / 2), groesse, platz);
}

inline QString zuGross(QSize groesse)
{
    return QStringLiteral("a frame of %1x%2 is larger than the screen").arg(groesse.width()).arg(groesse.height());
}

inline QString ortText(QPoint p)
{
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

// Closed, and let go by the window manager as well.
inline void schliessen(QWidget* w)
{
    w->close();
    QTRY_VERIFY(!w->isVisible());
    QTRY_VERIFY(stapelPlatz(w) < 0);
}

// Where the main window's frame stood as it was first shown, as Qt has it
// and in the X server's device pixels.
inline QRect hauptfensterStart;
inline QRect hauptfensterStartGeraet;

// The rightmost monitor: the main window's in the window tests.
inline QScreen* letzterMonitor()
{
    QScreen* letzter = QGuiApplication::primaryScreen();
    for (QScreen* s : QGuiApplication::screens())
        if (s->geometry().x() > letzter->geometry().x())
            letzter = s;
    return letzter;
}

// A monitor beside the main window's, where there are several; else its own.
inline QScreen* andererMonitor(const QWidget* haupt)
{
    for (QScreen* s : QGuiApplication::screens())
        if (s != haupt->screen())
            return s;
    return haupt->screen();
}

// Moves the main window onto `monitor`, as the user drags it there.
inline void hauptfensterAuf(QWidget* haupt, QScreen* monitor)
{
    if (haupt->screen() == monitor)
        return;
    ziehen(haupt, monitor->availableGeometry().topLeft());
    QTRY_VERIFY2(haupt->screen() == monitor, "the main window could not be dragged onto the monitor");
    VERIFY_GERAHMT(haupt);
}

// The main window shown, on a desk of 12 x 8 fields with elements in row 2,
// the track plan in view. Where the X server has several monitors it stands
// on the rightmost, the primary one or not, as the user drags it there from
// the primary one's corner where it started.
inline void anfangen(MainWindow*& haupt)
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
    hauptfensterStart = rahmen(haupt);
    if (const std::optional<XFenster> f = xFenster(haupt))
        hauptfensterStartGeraet = f->innen.marginsAdded(f->rand);
    hauptfensterAuf(haupt, letzterMonitor());
    TestDesk::neuesPult(12, 8);
    for (const auto& [x, code] : std::map<int, int>{{2, 101}, {3, 501}, {4, 700}, {5, 710}, {6, 402}}) {
        MainWin().Pult[0].setzeZelle(2, x);
        SetzePultElement(katalogIndex(code));
    }
    modus(1);
}

// Every window but the main window hidden again.
inline void aufraeumen(const QWidget* haupt)
{
    FSinArbeit = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != haupt)
            w->hide();
}
} // namespace X11Test
