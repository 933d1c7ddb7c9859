#include "config/SupplyServices.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskReset.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/MenuCommands.h"
#include "core/Version.h"
#include "loconet/DeskActions.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "project/NewDeskDialog.h"
#include "project/ProjectFileDialog.h"
#include "routes/RouteTable.h"
#include "support/TestCatalogue.h"

#include <QTemporaryDir>
#include <QTest>

class TestMenuCommands : public QObject {
    Q_OBJECT
    QTemporaryDir verz;
    QList<MsgBoxAufruf> boxen;
    QList<int> modusBeiBox;

private slots:
    void initTestCase()
    {
        TestKatalog::mitWerkzeugen().laden(verz.path() + "/");
        setzeMsgBoxResponder([this](const MsgBoxAufruf& a) {
            boxen << a;
            modusBeiBox << EditModus;
            return int(Msg::Ok);
        });
    }
    void init()
    {
        PultdimensionenX = PultdimensionenY = 3;
        pult_leeren();
        EditModus = 1;
        ChangeEditMode();
        FSinArbeit = false;
        boxen.clear();
        modusBeiBox.clear();
    }

    void modeChangeSetsHelpAndCheckMark()
    {
        for (int modus : {3, 8, 10, 1}) {
            EditMode_Click(modus);
            QCOMPARE(EditModus, modus);
            QCOMPARE(MainWin().HelpContextID, 20 + modus);
            for (int i = 1; i <= 10; ++i)
                QCOMPARE(MainWin()[QString("EditMode(%1)").arg(i)].Checked, i == modus);
            QCOMPARE(MainWin()["KonfMenu(2)"].Enabled, modus == 8);
        }
    }

    void modeMenuDoesNothingWhileARouteIsDefined()
    {
        FSinArbeit = true;
        EditMode_Click(4);
        QCOMPARE(EditModus, 1);
        PultMenu_Click(1);
        QVERIFY(boxen.isEmpty());
    }

    void leavingTheElectricalViewRunsTheSupplyCheck()
    {
        EditMode_Click(2);
        EditMode_Click(2);
        QVERIFY(boxen.isEmpty());
        EditMode_Click(5);
        QCOMPARE(boxen.size(), 1);
        QVERIFY(boxen[0].text.startsWith("Kein Anschlussmodul vorhanden!"));
    }

    void deskMenuChoosesItsMode()
    {
        PultMenu_Click(7);
        QCOMPARE(modusBeiBox.value(0), 2);
        QCOMPARE(boxen[0].text, QString("Bitte klicken Sie das entsprechende Kabelsymbol für\r"
                                        "das Anschlussmodul an, das Sie programmiern möchten!"));
        QCOMPARE(PultMenuIndex, 7);
        PultMenu_Click(2);
        QCOMPARE(EditModus, 1);
        QCOMPARE(MainWin().HelpContextID, 21);
    }

    void infoLineTwoAdvancesTheRouteTab()
    {
        EditMode_Click(8);
        FSModulTab = 9;
        InfoTxt2_MouseUp(Qt::RightButton);
        QCOMPARE(FSModulTab, int16_t(9));
        InfoTxt2_MouseUp(Qt::LeftButton);
        QCOMPARE(MainWin().InfoTxt2, QString("Fahrstraße: 1"));
        EditMode_Click(3);
        InfoTxt2_MouseUp(Qt::LeftButton);
        QCOMPARE(FSModulTab, int16_t(0));
    }

    void lockToggles()
    {
        PultOptGPLocked = false;
        GPLockMenu_Click();
        QVERIFY(PultOptGPLocked && MainWin()["PultHauptMenu"].Enabled);
        GPLockMenu_Click();
        QVERIFY(!PultOptGPLocked);
    }

    void supplyListShowsOnlyModulesWithCurrent()
    {
        PultFelder[1][1].Grundplatte = 54490;
        PultFelder[1][1].Anschluss = 1;
        Strom_Berechnen_Click();
        for (const QString& zeile : MainWin().StromListe)
            QVERIFY(zeile.startsWith("Anschluss ") && zeile.endsWith(" mA"));
        QVERIFY(MainWin().StromListe.size() <= 20);
    }

    void supplyLineUsesTheGeneralNumberForm_data()
    {
        QTest::addColumn<int>("anschluss");
        QTest::addColumn<double>("strom");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("small") << 3 << 250.0 << "Anschluss 3 = 250 mA";
        QTest::newRow("no thousands separator") << 20 << 1250.0 << "Anschluss 20 = 1250 mA";
        QTest::newRow("fraction") << 1 << 12.5 << "Anschluss 1 = 12,5 mA";
        QTest::newRow("large, no exponent") << 2 << 1000000.0 << "Anschluss 2 = 1000000 mA";
    }
    void supplyLineUsesTheGeneralNumberForm()
    {
        QFETCH(int, anschluss);
        QFETCH(double, strom);
        QFETCH(QString, zeile);
        const QLocale bisher;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString text = stromZeile(anschluss, strom);
        QLocale::setDefault(bisher);
        QCOMPARE(text, zeile);
    }

    void newProjectNeedsAPltFile_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("dialog");
        QTest::newRow("Test.plt") << "Test.plt" << true;
        QTest::newRow("TEST.PLT") << "TEST.PLT" << true;
        QTest::newRow("a.plt.bak") << "a.plt.bak" << true;
        QTest::newRow("Test.txt") << "Test.txt" << false;
        QTest::newRow("no point") << "Testplt" << false;
        QTest::newRow("cancelled") << "" << false;
    }
    void newProjectNeedsAPltFile()
    {
        QFETCH(QString, datei);
        QFETCH(bool, dialog);
        NeuesPultAnlegen::instanz()->hide();
        setzeDateiDialogResponder([&](const QString&, const QString&, int) {
            return datei.isEmpty() ? QString() : verz.path() + "/neu/" + datei;
        });
        const QString altVerz = PultVerz;
        EditMode_Click(4);
        NeuesPultMenu_Click();
        QCOMPARE(NeuesPultAnlegen::instanz()->isVisible(), dialog);
        QCOMPARE(MainWin().HelpContextID, dialog ? 10 : 24);
        QCOMPARE(PultVerz, altVerz);   // nothing is taken over before the dialog's OK
        QCOMPARE(EditModus, 4);
        NeuesPultAnlegen::instanz()->hide();
        setzeDateiDialogResponder({});
    }

    void cancelledLoadChangesNothing()
    {
        setzeDateiDialogResponder([](const QString&, const QString&, int) { return QString(); });
        EditMode_Click(3);
        PultLadenMenu_Click();
        QVERIFY(PultAufgebaut);
        QCOMPARE(EditModus, 3);
        QCOMPARE(MainWin().HelpContextID, 23);
        setzeDateiDialogResponder({});
    }

    void aboutBox()
    {
        InfoMenu_Click();
        QCOMPARE(boxen.size(), 1);
        QCOMPARE(boxen[0].titel, QString("Info"));
        QCOMPARE(boxen[0].stil, Msg::NurOk | Msg::Information);
        const QStringList zeilen = boxen[0].text.split("\r\n");
        QCOMPARE(zeilen[0], QString("Tessaro-Edit - Planungs- und Konfigurationsprogramm zum Gleisbildstellpult "
                                    "Tessaro      "));
        QCOMPARE(zeilen[1], QString(69, ' '));
        QCOMPARE(zeilen[2], "       Version " + ProgVersion + " vom 29.04.2016");
        QVERIFY(boxen[0].text.endsWith("\r\r      Diese Version ist für den Links- und Rechtsverkehr vorbereitet. "));
    }
};

QTEST_MAIN(TestMenuCommands)
#include "tst_menu_commands.moc"
