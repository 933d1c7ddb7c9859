// A user's way through the program on a real catalogue: place a turnout,
// give it an address in its dialog, save the project, load it again.
#include "config/ElementDialogs.h"
#include "core/AddressGrid.h"
#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/DeskMouse.h"
#include "core/DeskReset.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/MenuCommands.h"
#include "platform/MsgBox.h"
#include "project/DeskRecord.h"
#include "project/ProgramConfig.h"
#include "project/ProjectFileLoad.h"
#include "project/ProjectFileSave.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
int katalogIndex(int code)
{
    for (int i = 0; i < KatalogAnzahl; ++i)
        if (ElementKatalog[size_t(i)].ElementNr == code)
            return i;
    return -1;
}

void paletteKlick(int katalogIndex)
{
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 6; ++r)
            if (ElementePalette[c][r] == katalogIndex)
                return Elemente_Click(0, r, c);
}

template <typename T>
T* kind(const QString& fenster, const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == fenster)
            return w->findChild<T*>(name);
    return nullptr;
}
} // namespace

class TestWorkflow : public QObject {
    Q_OBJECT
    QTemporaryDir verz;

private slots:
    void initTestCase()
    {
        KonfVerz = programmVerz() + "Tessaro_Conf/";
        Verkehr = 0;
        QVERIFY(neues_pult_setzen());
        elementDialogeAnmelden();
        setzeMsgBoxResponder([](const MsgBoxAufruf&) { return int(Msg::Ja); });
    }

    void turnoutAddressSurvivesSaveAndLoad()
    {
        PultVerz = verz.path() + "/";
        PultDatei = "Anlage.plt";
        PultDaten = PultDatenSatz{};
        PultDaten.PultOpt_ZS_AdrOpt = 1;
        PultDaten.PultName = "Anlage";
        PultdimensionenX = 5;
        PultdimensionenY = 4;
        pult_leeren();
        EditMode_Click(1);

        const int weiche = katalogIndex(101);
        QVERIFY(weiche > 0);
        paletteKlick(weiche);
        Pult_MouseDown(0, Qt::LeftButton, Qt::NoModifier, 2, 3);
        QCOMPARE(PultFelder[3][2].ElementIndex, int16_t(weiche));
        QCOMPARE(PultFelder[3][2].LNCV[0], int16_t(203));

        EditMode_Click(3);
        PultAdr_MouseDown(Qt::LeftButton, 3 * 2 - 2, 3);
        auto* adresse = kind<QLineEdit>("Weichen_Form", "WAdr_Txt(0)");
        QVERIFY(adresse);
        adresse->setText("123");
        kind<QPushButton>("Weichen_Form", "OK_But")->click();
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
