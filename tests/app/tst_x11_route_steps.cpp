// The route step dialogs on a real X server under a window manager (see
// tst_x11_window_places): over a whole route definition each opens where the
// user left the last one, also while a slow window manager frames it.
#include "app/X11WindowTest.h"

using namespace X11Test;

namespace {
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
} // namespace

Q_DECLARE_METATYPE(Rahmung)

class TestX11RouteSteps : public QObject {
    Q_OBJECT
    MainWindow* haupt = nullptr;

private slots:
    void initTestCase() { anfangen(haupt); }

    void cleanup() { aufraeumen(haupt); }

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
        QTest::addColumn<bool>("nebenan");      // dragged onto the monitor beside the main window's, if any
        QTest::newRow("place taken over while each dialog is being framed") << Rahmung::Ungezeigt << false << false;
        QTest::newRow("place taken over while each dialog is mapped inside a frame not shown yet")
            << Rahmung::InVerborgenemRahmen << false << false;
        QTest::newRow("place taken over while each dialog is shown and moved before Qt hears of it")
            << Rahmung::VerschobenUngehoert << false << false;
        QTest::newRow("window manager at ease") << Rahmung::Gelassen << false << false;
        QTest::newRow("release dialog grown and shrunk again near the screen's bottom")
            << Rahmung::Gelassen << true << false;
        QTest::newRow("dragged onto the monitor beside, grown and shrunk there") << Rahmung::Gelassen << true << true;
    }
    void routeStepDialogsKeepOnePlace()
    {
        QFETCH(Rahmung, rahmung);
        QFETCH(bool, waechst);
        QFETCH(bool, nebenan);
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
        // Where the user drags the dialogs to.
        const QRect ziele = nebenan ? andererMonitor(haupt)->availableGeometry() : platz;
        // The free part of the monitor that holds `ort`.
        const auto platzBei = [&platz](QPoint ort) {
            const QScreen* s = QGuiApplication::screenAt(ort);
            return s ? s->availableGeometry() : platz;
        };
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
                    ort.isNull() ? mittigUeber(platz, groesse, platz) : imPlatz(ort, groesse, platzBei(ort));
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
        // Places on the monitor dragged to, from its top left corner: the name
        // step on the main window's, the steps shown at the shared place onwards.
        const auto bei = [&ziele](int x, int y) { return ziele.topLeft() + QPoint(x, y); };
        const QPoint tief(ziele.left() + 700, ziele.bottom() - 140);
        schritt(g, "name", platz.topLeft() + QPoint(610, 300));
        u.tippen(g, "FSB_Name_Txt", "West");
        u.knopf(g, "OK_But");
        schritt(g, "start key", bei(420, 180));
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
            ruhtDann(r, "release unticked pushed up to fit", [&] { return rahmen(r).bottom() == ziele.bottom(); });
        }
        u.waehlen(r, "FHT_Chk");   // smaller now, it fits where the one before was left
        u.knopf(r, "OK_But");
        schritt(z, "first element", bei(520, 95));
        u.klick(2, 5, z);
        schritt(w, "turnout", bei(760, 330));
        u.waehlen(w, "Mag1_RG(1)");
        u.knopf(w, "OK_But");
        schritt(z, "element after the turnout", tief);
        u.klick(5, 5, z);
        schritt(s, "signal", {});
        u.waehlen(s, "HS_Chk");
        u.knopf(s, "OK_But");
        schritt(z, "element after the signal", bei(310, 150));
        u.klick(4, 5, z);
        schritt(a, "lit piece", bei(880, 210));
        u.waehlen(a, "Incl_Chk");
        u.knopf(a, "OK_But");
        schritt(z, "element after the lit piece", bei(240, 60));
        u.klick(6, 5, z);
        schritt(s, "distant signal", bei(560, 140));
        u.waehlen(s, "VS_Chk");
        u.knopf(s, "VSAuto_Cmd");
        schritt(v, "main signal choice", bei(990, 370));
        u.klick(5, 5, v);
        schritt(s, "distant signal again", bei(450, 260));
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
};

QTEST_MAIN(TestX11RouteSteps)
#include "tst_x11_route_steps.moc"
