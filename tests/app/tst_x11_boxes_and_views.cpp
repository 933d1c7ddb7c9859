// Message boxes and the address views on a real X server under a window
// manager (see tst_x11_window_places): every message box is painted and
// stands above every other window of the program; the address views show
// their own labels as soon as they are switched to.
#include "app/X11WindowTest.h"

using namespace X11Test;

namespace {
QMessageBox* offeneMeldung()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    return nullptr;
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

// Framed and the active window; the test fails where it is not (the steps
// after it check that), as a box asked for over another window proves nothing.
QWidget* gerahmtUndAktiv(QWidget* w)
{
    QByteArray fehlt = gerahmt(w);
    if (fehlt.isEmpty()) {
        w->activateWindow();
        if (!QTest::qWaitFor([w] { return w->isActiveWindow(); }, 5000))
            fehlt = "never became the active window";
    }
    if (!fehlt.isEmpty())
        QTest::qFail(qPrintable(w->objectName() + ": " + fehlt), __FILE__, __LINE__);
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

class TestX11BoxesAndViews : public QObject {
    Q_OBJECT
    MainWindow* haupt = nullptr;

private slots:
    void initTestCase() { anfangen(haupt); }

    void cleanup() { aufraeumen(haupt); }

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
        QVERIFY(!QTest::currentTestFailed());
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
};

QTEST_MAIN(TestX11BoxesAndViews)
#include "tst_x11_boxes_and_views.moc"
