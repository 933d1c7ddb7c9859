#include "ElementDialogTestPult.h"

#include "config/TurnoutDialog.h"
#include "core/AddressGrid.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"

#include <QLabel>

using namespace ElementTestPult;

namespace {
QDialog* weiche(int x = 2, int y = 1)
{
    return oeffnen(Dialog::Weichen_Form, "Weichen_Form", x, y);
}

QCheckBox* chk(QDialog* dlg, const char* name)
{
    return teil<QCheckBox>(dlg, QString::fromLatin1(name));
}

QString zweiteAdresse(QDialog* dlg)
{
    return teil<QLabel>(dlg, "W2_Adr_Label")->text();
}

void aktivieren(QDialog* dlg)
{
    QEvent aktiv(QEvent::WindowActivate);
    QApplication::sendEvent(dlg, &aktiv);
}
} // namespace

class TestTurnoutDialog : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        EditModus = 3;
        anlegen(5, 3);
    }

    void rowsByKind_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("zeilen");   // second address row (box, auto, label), swap 2, DKW box, DKW ticked, EKW 1, 2
        QTest::addColumn<QString>("beschriftung");
        QTest::newRow("simple 0") << 0 << "00000000" << "";
        QTest::newRow("simple 16") << 16 << "00000000" << "";
        QTest::newRow("DKW one drive") << 5 << "11101000" << "2.Adresse für Stell.:";
        QTest::newRow("DKW two drives") << 9 << "11111111" << "Antrieb 2 - Adresse :";
        QTest::newRow("two drives 12") << 12 << "11110000" << "Antrieb 2 - Adresse :";
        QTest::newRow("unknown 17") << 17 << "00000000" << "";
        QTest::newRow("unknown 65535") << 65535 << "00000000" << "";
    }
    // Each kind is shown after a DKW with two drives, so a row left over from
    // the previous field would show up.
    void rowsByKind()
    {
        QFETCH(int, art);
        QFETCH(QString, zeilen);
        QFETCH(QString, beschriftung);
        setzen(1, 1, 105, {15, 8});
        setzen(2, 1, 105, {15, art});
        weiche(1, 1);
        QDialog* dlg = weiche(2, 1);
        QCOMPARE(dlg->windowTitle(), QString("Weichenkonfiguration"));
        QString gezeigt;
        for (const char* name : {"WAdr_Txt(1)", "AutoNum_Chk(1)", "W2_Adr_Label", "W2_Tausch_Chk", "DKW2Antr_Chk"})
            gezeigt += sichtbar(dlg, name) ? '1' : '0';
        gezeigt += chk(dlg, "DKW2Antr_Chk")->isChecked() ? '1' : '0';
        for (const char* name : {"W1_EKW_Chk", "W2_EKW_Chk"})
            gezeigt += sichtbar(dlg, name) ? '1' : '0';
        QCOMPARE(gezeigt, zeilen);
        if (zeilen[0] == '1')
            QCOMPARE(zweiteAdresse(dlg), beschriftung);
        QVERIFY(sichtbar(dlg, "WAdr_Txt(0)") && sichtbar(dlg, "WAdr_Txt(2)") && sichtbar(dlg, "WAdr_Txt(3)"));
    }

    // A hidden second address is kept; the address grid shows the new values.
    void okWritesAddressesAndHiddenSecondAddress()
    {
        PultFeld& f = setzen(2, 1, 105, {11, 5, 12, 77, 13, 300, 40, 9, 15, 0});
        f.AutoFlag[13] = 0;
        QDialog* dlg = weiche();
        QCOMPARE(box(dlg, "WAdr_Txt(1)")->text(), QString("77"));
        QVERIFY(!chk(dlg, "AutoNum_Chk(2)")->isChecked());
        tippen(dlg, "WAdr_Txt(0)", "1234");
        tippen(dlg, "WAdr_Txt(2)", "4095");
        tippen(dlg, "WAdr_Txt(3)", "");
        chk(dlg, "AutoNum_Chk(0)")->setChecked(false);
        chk(dlg, "AutoNum_Chk(2)")->setChecked(true);
        ok(dlg);
        QVERIFY(!dlg->isVisible());
        QCOMPARE((QList<int>{lncv(2, 1, 11), lncv(2, 1, 12), lncv(2, 1, 13), lncv(2, 1, 40)}),
                 (QList<int>{1234, 77, 4095, 0}));
        QCOMPARE((QList<int>{f.AutoFlag[11], f.AutoFlag[12], f.AutoFlag[13]}), (QList<int>{0, 1, 1}));
        QCOMPARE(MainWin().PultAdr.Text(2, 2), adressZeilen(f, 3).zweite);
        QCOMPARE(MainWin().PultAdr.Text(3, 2), adressZeilen(f, 3).dritte);
        QVERIFY(MainWin().PultAdr.Text(2, 2).contains("1234") || MainWin().PultAdr.Text(3, 2).contains("1234"));
    }

    void optionBits_data()
    {
        QTest::addColumn<int>("gespeichert");
        QTest::addColumn<QStringList>("anklicken");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("48 kept") << 48 << QStringList{} << 48;
        QTest::newRow("bit 64 cleared") << 64 << QStringList{} << 0;
        QTest::newRow("high bits cleared") << 0xFF3F << QStringList{} << 63;
        QTest::newRow("both drives swapped") << 48 << QStringList{"W1_Tausch_Chk", "W2_Tausch_Chk"} << 51;
        QTest::newRow("EKW and blink off") << 48 << QStringList{"W1_EKW_Chk", "W2_EKW_Chk", "Blnk_Chk"} << 28;
    }
    void optionBits()
    {
        QFETCH(int, gespeichert);
        QFETCH(QStringList, anklicken);
        QFETCH(int, ergebnis);
        setzen(2, 1, 105, {14, gespeichert, 15, 8});
        QDialog* dlg = weiche();
        QCOMPARE(chk(dlg, "Belegt_Chk")->isChecked(), (gespeichert & 16) != 0);
        QCOMPARE(chk(dlg, "Blnk_Chk")->isChecked(), (gespeichert & 32) != 0);
        for (const QString& name : anklicken)
            teil<QCheckBox>(dlg, name)->click();
        ok(dlg);
        QCOMPARE(lncv(2, 1, 14), ergebnis);
    }

    // The DKW box stores the kind at once and clears the second address;
    // typed addresses stay in their boxes and are stored only on OK.
    void dkwToggleSwitchesKindAtOnce()
    {
        setzen(2, 1, 105, {11, 33, 12, 44, 15, 5});
        QDialog* dlg = weiche();
        tippen(dlg, "WAdr_Txt(0)", "55");
        chk(dlg, "DKW2Antr_Chk")->click();
        QCOMPARE((QList<int>{lncv(2, 1, 15), lncv(2, 1, 12), lncv(2, 1, 11)}), (QList<int>{8, 0, 33}));
        QCOMPARE(box(dlg, "WAdr_Txt(1)")->text(), QString("0"));
        QCOMPARE(zweiteAdresse(dlg), QString("Antrieb 2 - Adresse :"));
        QVERIFY(sichtbar(dlg, "W1_EKW_Chk") && sichtbar(dlg, "W2_EKW_Chk") && sichtbar(dlg, "W2_Tausch_Chk"));
        QCOMPARE(box(dlg, "WAdr_Txt(0)")->text(), QString("55"));

        tippen(dlg, "WAdr_Txt(1)", "66");
        chk(dlg, "DKW2Antr_Chk")->click();
        QCOMPARE((QList<int>{lncv(2, 1, 15), lncv(2, 1, 12)}), (QList<int>{5, 0}));
        QCOMPARE(zweiteAdresse(dlg), QString("2.Adresse für Stell.:"));
        QVERIFY(!sichtbar(dlg, "W1_EKW_Chk") && !sichtbar(dlg, "W2_Tausch_Chk"));
        ok(dlg);
        QCOMPARE((QList<int>{lncv(2, 1, 11), lncv(2, 1, 12)}), (QList<int>{55, 0}));
    }

    void rangeChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("okAn");
        QTest::newRow("feedback 4095") << "WAdr_Txt(2)" << "4095" << true;
        QTest::newRow("feedback 4096") << "WAdr_Txt(2)" << "4096" << false;
        QTest::newRow("drive 1 2047") << "WAdr_Txt(0)" << "2047" << true;
        QTest::newRow("drive 1 2048") << "WAdr_Txt(0)" << "2048" << false;
        QTest::newRow("drive 2 2048") << "WAdr_Txt(1)" << "2048" << false;
        QTest::newRow("key lock 2048") << "WAdr_Txt(3)" << "2048" << false;
        QTest::newRow("letters dropped") << "WAdr_Txt(0)" << "2x0-4" << true;
    }
    void rangeChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, okAn);
        setzen(2, 1, 105, {15, 12});
        QDialog* dlg = weiche();
        tippen(dlg, name, text);
        QCOMPARE(ElementTestPult::okAn(dlg), okAn);
        QCOMPARE(dlg->windowTitle(), okAn ? QString("Weichenkonfiguration") : QString(" --- Wert zu groß !! ---"));
    }

    void okStaysOffWhileAnyBoxIsRed()
    {
        setzen(2, 1, 105, {15, 12});
        QDialog* dlg = weiche();
        tippen(dlg, "WAdr_Txt(0)", "3000");
        tippen(dlg, "WAdr_Txt(2)", "5000");
        tippen(dlg, "WAdr_Txt(2)", "50");
        QVERIFY(!okAn(dlg));
        tippen(dlg, "WAdr_Txt(0)", "30");
        QVERIFY(okAn(dlg));
    }

    // Stored values the boxes cannot take are shown whole and block OK
    // instead of being cut or stored back as something else.
    void storedValueBeyondBoxIsNotCut()
    {
        setzen(2, 1, 105, {11, 12345, 13, 65535});
        QDialog* dlg = weiche();
        QCOMPARE(box(dlg, "WAdr_Txt(0)")->text(), QString("12345"));
        QCOMPARE(box(dlg, "WAdr_Txt(2)")->text(), QString("65535"));
        QVERIFY(!okAn(dlg));

        // The hidden second address of a simple turnout only goes back as it was.
        setzen(3, 1, 105, {12, 3000, 15, 0});
        dlg = weiche(3, 1);
        QVERIFY(okAn(dlg));
        ok(dlg);
        QCOMPARE(lncv(3, 1, 12), 3000);
    }

    // Activation after another field became current keeps the input and the
    // field; opening again keeps typed input for the same field only.
    void staysBoundToItsField()
    {
        setzen(2, 1, 105, {11, 5});
        setzen(4, 2, 105, {11, 6});
        QDialog* dlg = weiche(2, 1);
        tippen(dlg, "WAdr_Txt(0)", "99");
        AktFeldX = 4;
        AktFeldY = 2;
        aktivieren(dlg);
        QCOMPARE(box(dlg, "WAdr_Txt(0)")->text(), QString("99"));
        weiche(2, 1);
        QCOMPARE(box(dlg, "WAdr_Txt(0)")->text(), QString("99"));
        AktFeldX = 4;
        AktFeldY = 2;
        ok(dlg);
        QCOMPARE((QList<int>{lncv(2, 1, 11), lncv(4, 2, 11)}), (QList<int>{99, 6}));
        QCOMPARE(int(AktFeldX), 4);

        tippen(weiche(2, 1), "WAdr_Txt(0)", "77");
        weiche(4, 2);
        QCOMPARE(box(dlg, "WAdr_Txt(0)")->text(), QString("6"));
        ok(dlg);
        weiche(2, 1);
        QCOMPARE(box(dlg, "WAdr_Txt(0)")->text(), QString("99"));
    }

    void copiesHelpContextOnActivation()
    {
        setzen(2, 1, 105);
        MainWin().HelpContextID = 23;
        QDialog* dlg = weiche();
        QCOMPARE(dlg->property("HelpContextID").toInt(), 23);
        MainWin().HelpContextID = 27;
        aktivieren(dlg);
        QCOMPARE(dlg->property("HelpContextID").toInt(), 27);
    }
};

QTEST_MAIN(TestTurnoutDialog)
#include "tst_turnout_dialog.moc"
