// The program's windows on a real X server of 1366 x 768 pixels under a
// window manager (started by x11-test.sh): each opens fully on the screen,
// at its first showing centred over the main window unless the program places
// it itself, a modeless one stays above the main window when that is raised,
// as a click into it does, and a window closed and opened again comes back
// where it was. The address views show their own labels as soon as they are
// switched to.
#include "core/HelpWindow.h"
#include "core/MainWinState.h"
#include "core/Placement.h"
#include "loconet/ComPortForm.h"
#include "loconet/ModulDialoge.h"
#include "loconet/PultFehlMeldung.h"
#include "project/NewDeskDialog.h"
#include "routes/KeyChoiceDialog.h"
#include "routes/RouteSignalForm.h"
#include "routes/RouteTestDesk.h"
#include "routes/RouteStepForms.h"
#include "routes/RouteWarning.h"
#include "routes/TurnoutStateDialog.h"
#include "routes/UserCommandDialog.h"
#include "support/TestDesk.h"
#include "support/TestDialog.h"
#include "support/TestProgram.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <functional>
#include <map>

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
    nachricht.data.data32[1] = uint32_t(ort.x());
    nachricht.data.data32[2] = uint32_t(ort.y());
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

// Shown, framed by the window manager and at rest; otherwise what is missing.
QByteArray gerahmt(QWidget* w)
{
    if (!QTest::qWaitForWindowExposed(w))
        return "not exposed";
    if (!QTest::qWaitFor([w] { return !w->windowHandle()->frameMargins().isNull(); }, 5000))
        return "not framed";
    QRect vorher;
    const bool ruhig = QTest::qWaitFor([&] {
        const QRect jetzt = rahmen(w);
        QTest::qWait(60);
        return std::exchange(vorher, jetzt) == rahmen(w);
    }, 5000);
    return ruhig ? QByteArray() : "still moving";
}

#define VERIFY_GERAHMT(w) do { const QByteArray fehlt = gerahmt(w); QVERIFY2(fehlt.isEmpty(), fehlt.constData()); } while (false)

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

// Where a frame of `groesse` wanted at `ort` stands: moved inside the screen.
QPoint imPlatz(QPoint ort, QSize groesse, const QRect& platz)
{
    return {std::clamp(ort.x(), platz.left(), platz.right() + 1 - groesse.width()),
            std::clamp(ort.y(), platz.top(), platz.bottom() + 1 - groesse.height())};
}

// Where a frame of `groesse` stands centred over `bezug`, moved inside the screen.
QPoint mittigUeber(const QRect& bezug, QSize groesse, const QRect& platz)
{
    return imPlatz(bezug.center() - QPoint(groesse.width() / 2, groesse.height() / 2), groesse, platz);
}

QString ortText(QPoint p)
{
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

// The window as the X server shows it.
QImage bildschirmBild(QWidget* w)
{
    return w->screen()->grabWindow(w->winId()).toImage();
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
} // namespace

class TestWindowsX11 : public QObject {
    Q_OBJECT
    MainWindow* haupt = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY2(xVerbindung(), "runs on an X server only (QT_QPA_PLATFORM=xcb)");
        QVERIFY2(QTest::qWaitFor([] { return !wurzelFenster("_NET_SUPPORTING_WM_CHECK").isEmpty(); }, 10000),
                 "no window manager on the X server");
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
        // or the screen, or where the program puts it (not checked).
        QTest::addColumn<QString>("zuerst");
        const std::map<QString, QString> eigenerOrt = {
            {"Hauptfenster", ""}, {"Drucken", "Bildschirm"},
            {"Fahrstraßenschritt Signal", ""},   // where the route step before it was left
        };
        for (const auto& [name, oeffnen] : oeffner())
            QTest::newRow(qPrintable(name))
                << name << (name != "Hauptfenster" && name != "Hilfe") << (name != "Hauptfenster")
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
        const QRect platz = w->screen()->availableGeometry();
        QCOMPARE(platz.size(), QSize(1366, 768));
        if (!zuerst.isEmpty()) {
            const QRect bezug = zuerst == "Bildschirm" ? platz : rahmen(haupt);
            const QPoint soll = mittigUeber(bezug, rahmen(w).size(), platz);
            QVERIFY2((rahmen(w).topLeft() - soll).manhattanLength() <= 4,
                     qPrintable(QStringLiteral("first shown at %1, centred over the %2 is %3")
                                    .arg(ortText(rahmen(w).topLeft()), zuerst, ortText(soll))));
        }
        QVERIFY2(platz.contains(rahmen(w)),
                 qPrintable(QStringLiteral("frame %1,%2 %3x%4").arg(rahmen(w).x()).arg(rahmen(w).y())
                                .arg(rahmen(w).width()).arg(rahmen(w).height())));
        for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (b->isVisible() && b->window() == w && !imRollbereich(b, w))
                QVERIFY2(platz.contains(QRect(b->mapToGlobal(QPoint(0, 0)), b->size())), qPrintable(b->text()));
        if (vorn) {   // as a click into the main window does
            haupt->raise();
            haupt->activateWindow();
            QTRY_VERIFY(haupt->isActiveWindow());
            QTest::qWait(100);
            QVERIFY(stapelPlatz(haupt) >= 0);
            QVERIFY2(stapelPlatz(w) > stapelPlatz(haupt), "the window went behind the main window");
        }
        // Where the user dragged it: on the screen, off its edges where there is room.
        if (wieder) {
            const QSize frei = platz.size() - rahmen(w).size();
            const QPoint ziel(std::clamp(frei.width() / 2, 0, 240), std::clamp(frei.height() / 2, 0, 130));
            ziehen(w, ziel);
            QTRY_COMPARE(rahmen(w).topLeft(), ziel);
        }
        const QPoint ort = rahmen(w).topLeft();
        for (int mal = 0; wieder && mal < 3; ++mal) {
            schliessen(w);
            QCOMPARE(oeffnen(), w);
            VERIFY_GERAHMT(w);
            const QPoint jetzt = rahmen(w).topLeft();
            QVERIFY2((jetzt - ort).manhattanLength() <= 2,
                     qPrintable(QStringLiteral("moved from %1,%2 to %3,%4 on opening %5")
                                    .arg(ort.x()).arg(ort.y()).arg(jetzt.x()).arg(jetzt.y()).arg(mal + 2)));
        }
        if (wieder)
            schliessen(w);
        modus(1);
    }

    // A message box stands centred over the window that asks.
    void messageBoxStandsOverTheAskingWindow_data()
    {
        QTest::addColumn<QString>("fenster");
        QTest::newRow("main window") << "Hauptfenster";
        QTest::newRow("turnout dialog") << "Weiche";
    }
    void messageBoxStandsOverTheAskingWindow()
    {
        QFETCH(QString, fenster);
        QWidget* fragt = oeffner().at(fenster)();
        VERIFY_GERAHMT(fragt);
        fragt->activateWindow();
        QTRY_VERIFY(fragt->isActiveWindow());
        QRect box;
        QByteArray fehlt = "not shown";
        QTimer::singleShot(0, this, [&] {
            QMessageBox* m = nullptr;
            if (!QTest::qWaitFor([&] { return (m = offeneMeldung()) != nullptr; }, 5000))
                return;
            fehlt = gerahmt(m);
            box = rahmen(m);
            m->buttons().constFirst()->click();
        });
        setzeMsgBoxResponder({});
        MsgBox(QStringLiteral("Das Pult wurde noch nicht initialisiert!"), Msg::NurOk | Msg::Ausruf);
        setzeMsgBoxResponder([](const MsgBoxAufruf&) { return int(Msg::Nein); });
        QVERIFY2(fehlt.isEmpty(), fehlt.constData());
        const QPoint soll = mittigUeber(rahmen(fragt), box.size(), fragt->screen()->availableGeometry());
        QVERIFY2((box.topLeft() - soll).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("shown at %1, centred is %2").arg(ortText(box.topLeft()), ortText(soll))));
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
        QTest::qWait(200);
        modus(nach);
        QTest::qWait(200);
        const QImage gezeigt = bildschirmBild(haupt);
        for (QWidget* w : haupt->findChildren<QWidget*>())
            w->update();
        QTest::qWait(200);
        const QImage neuGemalt = bildschirmBild(haupt);
        QCOMPARE(gezeigt.size(), neuGemalt.size());
        QRect anders;
        for (int y = 0; y < gezeigt.height(); ++y)
            for (int x = 0; x < gezeigt.width(); ++x)
                if (gezeigt.pixel(x, y) != neuGemalt.pixel(x, y))
                    anders |= QRect(x, y, 1, 1);
        QVERIFY2(anders.isNull(), qPrintable(QStringLiteral("stale pixels in %1,%2 %3x%4")
                                                 .arg(anders.x()).arg(anders.y()).arg(anders.width()).arg(anders.height())));
        modus(1);
    }

    // Over a whole route definition each step's dialog opens where the user
    // left the last one, whatever kind of step it is; a dialog that has to
    // stand higher to fit on the screen does not take the others up.
    void routeStepDialogsKeepOnePlace()
    {
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
                if (const QByteArray fehlt = gerahmt(d); !fehlt.isEmpty()) {
                    abweichungen << was + ": " + fehlt;
                    return;
                }
                const QSize groesse = rahmen(d).size();
                const QPoint soll = ort.isNull() ? mittigUeber(platz, groesse, platz) : imPlatz(ort, groesse, platz);
                if ((rahmen(d).topLeft() - soll).manhattanLength() > 2)
                    abweichungen << was + " opened at " + ortText(rahmen(d).topLeft()) + ", not at " + ortText(soll);
                if (ziel.isNull())
                    return;
                ziehen(d, ziel);
                if (!QTest::qWaitFor([d, ziel] { return rahmen(d).topLeft() == ziel; }, 5000))
                    abweichungen << was + " not dragged";
                ort = ziel;
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
        QVERIFY2(abweichungen.isEmpty(), qPrintable(abweichungen.join("; ")));
        modus(1);
    }
};

QTEST_MAIN(TestWindowsX11)
#include "tst_windows_x11.moc"
