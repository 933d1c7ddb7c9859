// A user's way through the program on a real catalogue: place a turnout,
// give it an address in its dialog, save the project, load it again.
#include "config/ElementDialogs.h"
#include "core/DeskMouse.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/MenuCommands.h"
#include "platform/MsgBox.h"
#include "project/ProjectFileLoad.h"
#include "project/ProjectFileSave.h"
#include "support/TestDesk.h"
#include "support/TestDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestWorkflow : public QObject {
    Q_OBJECT
    QTemporaryDir verz;

private slots:
    void initTestCase()
    {
        echtenKatalogLaden();
        elementDialogeAnmelden();
        setzeMsgBoxResponder([](const MsgBoxAufruf&) { return int(Msg::Ja); });
    }

    void turnoutAddressSurvivesSaveAndLoad()
    {
        PultVerz = verz.path() + "/";
        PultDatei = "Anlage.plt";
        TestDesk::neuesPult(5, 4);
        PultDaten.PultOpt_ZS_AdrOpt = 1;
        PultDaten.PultName = "Anlage";
        EditMode_Click(1);

        const int weiche = katalogIndex(101);
        QVERIFY(weiche > 0 && weiche < KatalogAnzahl - 1);   // found in the catalogue, not added
        for (int c = 0; c < 8; ++c)
            for (int r = 0; r < 6; ++r)
                if (ElementePalette[c][r] == weiche)
                    Elemente_Click(0, r, c);
        Pult_MouseDown(0, Qt::LeftButton, Qt::NoModifier, 2, 3);
        QCOMPARE(PultFelder[3][2].ElementIndex, int16_t(weiche));
        QCOMPARE(PultFelder[3][2].LNCV[0], int16_t(203));

        EditMode_Click(3);
        PultAdr_MouseDown(Qt::LeftButton, 3 * 2 - 2, 3);
        const QWidget* dialog = TestDialog::fenster("Weichen_Form");
        QVERIFY(dialog);
        TestDialog::teil<QLineEdit>(dialog, "WAdr_Txt(0)")->setText("123");
        TestDialog::teil<QPushButton>(dialog, "OK_But")->click();
        QCOMPARE(PultFelder[3][2].LNCV[11], int16_t(123));
        QVERIFY(MainWin().PultAdr.Text(3 * 2 - 1, 3).contains("123"));

        QVERIFY(Save_plt());
        QVERIFY(QFile::exists(PultVerz + "Anlage.plt"));
        QVERIFY(QFile::exists(PultVerz + "54650_203.lcv"));

        PultdimensionenX = PultdimensionenY = 2;
        pult_leeren();
        QVERIFY(Load_plt());
        QCOMPARE(PultdimensionenX, int16_t(5));
        QCOMPARE(PultFelder[3][2].ElementIndex, int16_t(weiche));
        QCOMPARE(PultFelder[3][2].LNCV[11], int16_t(123));
        QCOMPARE(PultFelder[3][2].ProgKopie[11], int16_t(123));
        QCOMPARE(PultDaten.PultName, QString("Anlage"));
    }
};

QTEST_MAIN(TestWorkflow)
#include "tst_workflow.moc"
