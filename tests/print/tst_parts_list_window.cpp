#include "core/Desk.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/PartsList.h"
#include "print/PartsListWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestPartsListWindow : public QObject {
    Q_OBJECT
private slots:
    void showsEveryClassAndHidesOnOk()
    {
        PultdimensionenX = 2;
        PultdimensionenY = 3;
        for (auto& spalte : PultFelder)
            spalte.fill(PultFeld{});
        PultFelder[1][1].Grundplatte = 54480;
        PultFelder[1][2].Grundplatte = 54642;
        PartsListWindow fenster;
        fenster.show();
        fenster.fuellen();
        auto label = [&](const QString& name) { return fenster.findChild<QLabel*>(name)->text(); };
        QCOMPARE(label("AnzahlLbl(0)"), QString("6"));
        QCOMPARE(label("AnzahlLbl(10)"), QString("1"));   // the old connection module
        QCOMPARE(label("AnzahlLbl(2)"), QString("1"));
        QCOMPARE(label("AnzahlLbl(13)"), QString("0"));   // zero counts are shown too
        QCOMPARE(label("BestellLbl(0)"), QString("1"));
        QCOMPARE(label("BestellLbl(2)"), QString("1"));
        QCOMPARE(label("BestellLbl(16)"), QString("0"));
        EditModus = 4;
        MainWin().HelpContextID = 24;
        fenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        // Activation keeps the main window's number as the window's own and sets the main window's to 35.
        QCOMPARE(fenster.property("HelpContextID").toInt(), 24);
        QCOMPARE(MainWin().HelpContextID, 35);
        fenster.findChild<QPushButton*>("OK_But")->click();
        QVERIFY(!fenster.isVisible());
        QCOMPARE(MainWin().HelpContextID, 24);
    }
};

QTEST_MAIN(TestPartsListWindow)
#include "tst_parts_list_window.moc"
