// What the user sees of the main window and the dialogs on a real catalogue.
// With TESSARO_BILDER set to a folder, every state checked is also saved there
// as a PNG for a look by eye (run under a real X server for that).
#include "config/AddressNumberingDialog.h"
#include "config/ElementDialogs.h"
#include "config/ModuleDialogs.h"
#include "core/DeskMouse.h"
#include "core/EditModes.h"
#include "core/HelpWindow.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "core/MenuCommands.h"
#include "core/Placement.h"
#include "loconet/ModulDialoge.h"
#include "platform/FlexGridView.h"
#include "platform/MsgBox.h"
#include "platform/WindowFit.h"
#include "print/PartsListWindow.h"
#include "project/DeskSettingsDialog.h"
#include "support/TestDesk.h"
#include "support/TestDialog.h"
#include "support/TestProgram.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {
void bild(QWidget* w, const QString& name)
{
    const QString ordner = qEnvironmentVariable("TESSARO_BILDER");
    QTest::qWait(ordner.isEmpty() ? 0 : 150);
    if (!ordner.isEmpty())
        w->grab().save(ordner + QLatin1Char('/') + name + QStringLiteral(".png"));
}

using TestProgram::modus;

void setze(int index, int x, int y)
{
    MainWin().Pult[0].setzeZelle(y, x);
    SetzePultElement(int16_t(index));
}
} // namespace

class TestScreen : public QObject {
    Q_OBJECT
    MainWindow* fenster = nullptr;

private slots:
    void initTestCase()
    {
        fenster = TestProgram::hauptfensterAnlegen();
        modus(1);
        fenster->resize(1000, 760);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
        TestDesk::neuesPult(12, 8);
        setze(katalogIndex(101), 2, 2);
        setze(katalogIndex(501), 3, 2);
        setze(katalogIndex(700), 4, 2);
        PultFelder[2][2].LNCV[11] = 123;
        PultFelder[2][2].LNCV[13] = 1234;
        modus(1);
    }

    // Every row of the element palette is shown where the window has room.
    void paletteShowsAllItsRows()
    {
        const FlexGrid& palette = MainWin().Elemente[0];
        QVERIFY(palette.Rows() > 2);
        QCOMPARE(fenster->Elemente[0]->viewport()->height(), palette.Rows() * FeldHoehe);
        bild(fenster, QStringLiteral("gleisplan"));
    }

    // Showing the electrical view does not widen the main window; the
    // connection number stands readable on its module's picture.
    void electricalViewKeepsTheWindowWidth()
    {
        fenster->resize(760, 700);
        QTRY_COMPARE(fenster->width(), 760);
        const int breite = fenster->width();
        for (int i = 0; i < 8; ++i)   // the order in which the palettes change must not matter
            modus(1 + i % 2);
        modus(2);
        for (int c = 0; c < MainWin().Elemente[1].Cols(); ++c)
            if (Grundplatten[size_t(GrundplattenPalette[c][0])].ArtikelNr == 54430)
                Elemente_Click(1, 0, c);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 4, 5);
        QCOMPARE(MainWin().Pult[1].Text(4, 5), QStringLiteral("1"));
        // Every layout the change asked for is done before the width is judged.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
        QCOMPARE(fenster->width(), breite);
        bild(fenster, QStringLiteral("elektrisch"));
        modus(1);
        fenster->resize(1000, 760);
    }

    // Address lines keep their descenders and the numbers of the grid stay
    // in view.
    void addressGridRowsFitTheirText()
    {
        modus(3);
        const FlexGridView* adressen = fenster->PultAdr;
        QVERIFY(adressen->rowHeight(3 * 2 - 1) >= adressen->fontMetrics().height());
        QVERIFY(adressen->horizontalHeader()->isVisible() && adressen->verticalHeader()->isVisible());
        bild(fenster, QStringLiteral("weichenadressen"));
        modus(1);
    }

    // The help window shows the topic on the screen, without a web browser.
    void helpWindowShowsTheTopic()
    {
        hilfeZeigen(22);
        QTextBrowser* hilfe = hilfeFenster();
        QVERIFY(hilfe && hilfe->isVisible());
        QVERIFY(hilfe->screen()->availableGeometry().contains(hilfe->frameGeometry()));
        QVERIFY(hilfe->toPlainText().contains(QStringLiteral("kleinste freie Nummer")));
        bild(hilfe, QStringLiteral("hilfe"));
        hilfe->hide();
    }

    // Dialogs open fully on the screen and wide enough for their titles.
    // A message keeps the lines its text breaks whole: a line wider than 500
    // pixels is not wrapped once more.
    void messageLinesStayWhole()
    {
        const QString erste = QStringLiteral("Das Element in Spalte 12, Zeile 34, für das dieses Fenster vor einer Weile geöffnet wurde, ist fort;");
        int zeilen = 0, zeilenHoehe = 0, ersteBreite = 0;
        QTimer pruefen;
        connect(&pruefen, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            const QLabel* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            zeilenHoehe = text->fontMetrics().lineSpacing();
            zeilen = text->height() / zeilenHoehe;
            ersteBreite = text->fontMetrics().horizontalAdvance(erste);
            bild(box, QStringLiteral("meldung"));
            box->buttons().first()->click();
        });
        // Whichever font the machine has (a monospaced one is far wider), it
        // gets the smallest size at which the first line is 560 pixels wide or
        // more: wider than the box wraps by itself, narrower than the screen
        // lets the box grow.
        const QFont vorher = QApplication::font("QMessageBox");
        QFont schrift = vorher;
        int pixel = 6;
        do
            schrift.setPixelSize(pixel++);
        while (pixel < 40 && QFontMetrics(schrift).horizontalAdvance(erste) < 560);
        QApplication::setFont(schrift, "QMessageBox");
        pruefen.start(20);
        setzeMsgBoxResponder({});
        MsgBox(erste + QStringLiteral("\r\nsteht nicht mehr auf dem Pult.\r\nEs wurde nichts gespeichert."), Msg::NurOk,
               QStringLiteral("Meldung"));
        setzeMsgBoxResponder([](const MsgBoxAufruf&) { return int(Msg::Nein); });
        QApplication::setFont(vorher, "QMessageBox");
        QVERIFY2(ersteBreite > 500, "the first line must be wider than the box wraps by itself");
        QCOMPARE(zeilen, 3);
    }

    void dialogsFitScreenAndTitle_data()
    {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("modus");
        QTest::newRow("Weichen") << int(Dialog::Weichen_Form) << "Weichen_Form" << 3;
        QTest::newRow("Signal") << int(Dialog::Signal_Form) << "Signal_Form" << 4;
        QTest::newRow("3 Tasten") << int(Dialog::T3Mod_Form) << "T3Mod_Form" << 7;
        QTest::newRow("Ausleuchtung") << int(Dialog::Ausl_Form) << "Ausl_Form" << 5;
        QTest::newRow("Zivra") << int(Dialog::Zivra_Form) << "Zivra_Form" << 9;
        QTest::newRow("LNCV Tabelle") << int(Dialog::LNCV_Tab) << "LNCV_Tab" << 10;
        QTest::newRow("Grundeinstellungen") << int(Dialog::KonfModulOpt_Form) << "KonfModulOpt_Form" << 1;
        QTest::newRow("Adressierung") << int(Dialog::KonfAdr_Form) << "KonfAdr_Form" << 1;
        QTest::newRow("Stückliste") << int(Dialog::Stueckliste) << "Stueckliste" << 1;
        QTest::newRow("Fahrregler") << -1 << "Fahrregler_Form" << 1;
    }
    void dialogsFitScreenAndTitle()
    {
        QFETCH(int, dialog);
        QFETCH(QString, name);
        QFETCH(int, modus);
        ::modus(modus);
        const QPoint feld = dialog == int(Dialog::Signal_Form) || dialog == int(Dialog::Zivra_Form) ? QPoint(3, 2)
                          : dialog == int(Dialog::T3Mod_Form) ? QPoint(4, 2)
                                                              : QPoint(2, 2);
        // The main window stands near the screen's corner: a dialog centred
        // on it would reach past the edge.
        fenster->move(fenster->screen()->availableGeometry().bottomRight() - QPoint(400, 300));
        QApplication::processEvents();
        if (dialog < 0)
            Fahrregler_Form_zeigen();
        QWidget* w = dialog < 0 ? TestDialog::fenster(qPrintable(name))
                                : TestDialog::oeffnen(Dialog(dialog), qPrintable(name), feld.x(), feld.y());
        if (!w)
            for (QWidget* t : QApplication::topLevelWidgets())
                if (t->isVisible() && t != fenster && t->isWindow() && t->windowType() != Qt::ToolTip)
                    w = t;
        QVERIFY2(w && w->isVisible(), qPrintable(name));
        QApplication::processEvents();
        const QRect platz = w->screen()->availableGeometry();
        QVERIFY2(platz.contains(w->frameGeometry()),
                 qPrintable(QStringLiteral("%1 %2x%3 min %4x%5").arg(name).arg(w->width()).arg(w->height())
                                .arg(w->minimumSizeHint().width()).arg(w->minimumSizeHint().height())));
        const int titel = QFontMetrics(QApplication::font()).horizontalAdvance(w->windowTitle());
        QVERIFY2(w->width() >= titel + 100, qPrintable(name));
        bild(w, QStringLiteral("dialog_") + name);
        w->hide();
        ::modus(1);
    }
};

// Headless, the test runs on a screen of 1280 x 1024 pixels.
int main(int argc, char* argv[])
{
    QTemporaryDir ordner;
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen")) {
        QFile json(ordner.filePath(QStringLiteral("bildschirm.json")));
        json.open(QIODevice::WriteOnly);
        json.write(R"({"screens": [{"name": "Bildschirm", "x": 0, "y": 0, "width": 1280, "height": 1024,)"
                   R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        json.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + json.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    TestScreen test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_screen.moc"
