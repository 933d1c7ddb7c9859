#include "ElementDialogTestPult.h"

#include "config/SignalDialog.h"

using namespace ElementTestPult;

namespace {
QDialog* signal(int x = 2, int y = 1)
{
    return oeffnen(Dialog::Signal_Form, "Signal_Form", x, y);
}

const char* const rot = "ZieltasterRG(0)";
const char* const gruen = "ZieltasterRG(1)";
} // namespace

class TestSignalDialog : public QObject {
    Q_OBJECT
private slots:
    void init() { anlegen(4, 2); }

    void families_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("zeilen");     // main, distant, shunting, dwarf
        QTest::addColumn<QString>("optionen");   // SigKonf_Chk(1..3)
        QTest::addColumn<bool>("rahmen");
        QTest::newRow("main 501") << 501 << "1000" << "100" << true;
        QTest::newRow("main 804") << 804 << "1000" << "100" << true;
        QTest::newRow("main+distant 512") << 512 << "1100" << "011" << true;
        QTest::newRow("main+shunting 813") << 813 << "1010" << "000" << true;
        QTest::newRow("main+distant+shunting 534") << 534 << "1110" << "011" << true;
        QTest::newRow("shunting 541") << 541 << "0010" << "100" << true;
        QTest::newRow("distant 551") << 551 << "0100" << "011" << false;
        QTest::newRow("distant 854") << 854 << "0100" << "011" << false;
        QTest::newRow("main+dwarf 821") << 821 << "1001" << "000" << true;
        QTest::newRow("dwarf 843") << 843 << "0001" << "100" << true;
        QTest::newRow("unknown 561") << 561 << "0000" << "000" << false;
    }
    // Each case follows a main signal with distant and shunting signal.
    void families()
    {
        QFETCH(int, code);
        QFETCH(QString, zeilen);
        QFETCH(QString, optionen);
        QFETCH(bool, rahmen);
        setzen(1, 1, 534);
        signal(1, 1);
        setzen(2, 1, code);
        QDialog* dlg = signal();
        QCOMPARE(dlg->windowTitle(), QString("Signalkonfiguration"));
        const int boxen[4] = {0, 1, 2, 5};
        for (int r = 0; r < 4; ++r) {
            const bool an = zeilen[r] == '1';
            QCOMPARE(sichtbar(dlg, QString("SigAdr_Label(%1)").arg(r)), an);
            QCOMPARE(sichtbar(dlg, QString("SigAdr_Txt(%1)").arg(boxen[r])), an);
            QCOMPARE(sichtbar(dlg, QString("AutoNum_Chk(%1)").arg(boxen[r])), an);
        }
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(sichtbar(dlg, QString("SigKonf_Chk(%1)").arg(k)), optionen[k - 1] == '1');
        QCOMPARE(sichtbar(dlg, "ZieltasterFrame"), rahmen);
        QVERIFY(sichtbar(dlg, "SigKonf_Chk(0)") && sichtbar(dlg, "SigAdr_Txt(4)") && sichtbar(dlg, "AutoNum_Chk(3)"));
        QVERIFY(!sichtbar(dlg, "DummyOpt"));
    }

    void okWritesSignalAddressesAndKeyLock()
    {
        PultFeld& f = setzen(2, 1, 531, {31, 1, 32, 2, 33, 3, 34, 4, 40, 5});
        QDialog* dlg = signal();
        tippen(dlg, "SigAdr_Txt(0)", "101");
        tippen(dlg, "SigAdr_Txt(1)", "102");
        tippen(dlg, "SigAdr_Txt(2)", "2047");
        tippen(dlg, "SigAdr_Txt(4)", "105");
        teil<QCheckBox>(dlg, "AutoNum_Chk(4)")->setChecked(false);
        ok(dlg);
        // The hidden dwarf row keeps its value.
        QCOMPARE((QList<int>{lncv(2, 1, 31), lncv(2, 1, 32), lncv(2, 1, 33), lncv(2, 1, 34), lncv(2, 1, 40)}),
                 (QList<int>{101, 102, 2047, 4, 105}));
        QCOMPARE(int(f.AutoFlag[40]), 0);
    }

    void options()
    {
        setzen(2, 1, 501, {38, 5});
        QDialog* dlg = signal();
        QVERIFY(teil<QCheckBox>(dlg, "SigKonf_Chk(0)")->isChecked() && !teil<QCheckBox>(dlg, "SigKonf_Chk(0)")->isEnabled());
        QVERIFY(teil<QCheckBox>(dlg, "SigKonf_Chk(2)")->isChecked());
        QVERIFY(!sichtbar(dlg, "SigKonf_Chk(2)"));
        ok(dlg);
        QCOMPARE(lncv(2, 1, 38), 5);

        setzen(2, 1, 511, {38, 0xFF01});
        dlg = signal();
        teil<QCheckBox>(dlg, "SigKonf_Chk(3)")->click();
        ok(dlg);
        QCOMPARE(lncv(2, 1, 38), 9);
    }

    void destinationKey_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("gespeichert");
        QTest::addColumn<QString>("adresseGezeigt");
        QTest::addColumn<int>("gezeigt");        // 0 none, 1 red, 2 green
        QTest::addColumn<QString>("eingabe");    // typed address, empty = none
        QTest::addColumn<QString>("waehlen");    // option clicked, empty = none
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("451 unchanged") << 501 << 451 << "45" << 2 << "" << "" << 451;
        QTest::newRow("0 then 45 is red") << 501 << 0 << "0" << 0 << "45" << "" << 450;
        QTest::newRow("typing 0 clears") << 501 << 451 << "45" << 2 << "0" << "" << 0;
        QTest::newRow("20 is red") << 501 << 20 << "2" << 1 << "" << "" << 20;
        QTest::newRow("pick green") << 501 << 20 << "2" << 1 << "" << gruen << 21;
        QTest::newRow("distant keeps hidden value") << 551 << 451 << "45" << 2 << "" << "" << 451;
        QTest::newRow("free kept") << 501 << 452 << "45" << 0 << "" << "" << 452;
        QTest::newRow("occupied kept") << 501 << 453 << "45" << 0 << "" << "" << 453;
        QTest::newRow("occupied, new address") << 501 << 453 << "45" << 0 << "2047" << "" << 20473;
        QTest::newRow("free, pick red") << 501 << 452 << "45" << 0 << "" << rot << 450;
        QTest::newRow("occupied, 0 then 7") << 501 << 453 << "45" << 0 << "07" << "" << 70;
        QTest::newRow("code 5 becomes red") << 501 << 455 << "45" << 0 << "" << "" << 450;
    }
    void destinationKey()
    {
        QFETCH(int, code);
        QFETCH(int, gespeichert);
        QFETCH(QString, adresseGezeigt);
        QFETCH(int, gezeigt);
        QFETCH(QString, eingabe);
        QFETCH(QString, waehlen);
        QFETCH(int, ergebnis);
        setzen(2, 1, code, {39, gespeichert});
        QDialog* dlg = signal();
        QCOMPARE(box(dlg, "SigAdr_Txt(3)")->text(), adresseGezeigt);
        QCOMPARE(gewaehlt(dlg, rot), gezeigt == 1);
        QCOMPARE(gewaehlt(dlg, gruen), gezeigt == 2);
        if (!eingabe.isEmpty()) {
            tippen(dlg, "SigAdr_Txt(3)", eingabe.left(1));
            if (eingabe == "0" || eingabe.startsWith('0')) {
                QVERIFY(!gewaehlt(dlg, rot) && !gewaehlt(dlg, gruen));
                QVERIFY(!gewaehlt(dlg, "DummyOpt"));
            }
            QTest::keyClicks(box(dlg, "SigAdr_Txt(3)"), eingabe.mid(1));
        }
        if (!waehlen.isEmpty())
            teil<QRadioButton>(dlg, waehlen)->click();
        QVERIFY(okAn(dlg));
        ok(dlg);
        QCOMPARE(lncv(2, 1, 39), ergebnis);
    }

    void rangeChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("okAn");
        for (int i : {0, 1, 2, 3, 4, 5})
            for (int wert : {2047, 2048})
                QTest::addRow("box %d %d", i, wert) << QString("SigAdr_Txt(%1)").arg(i) << QString::number(wert) << (wert == 2047);
        QTest::newRow("key 9999") << "SigAdr_Txt(3)" << "99999" << false;
    }
    void rangeChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, okAn);
        setzen(2, 1, 821, {39, 451});
        QDialog* dlg = signal();
        tippen(dlg, name, text);
        QCOMPARE(ElementTestPult::okAn(dlg), okAn);
        QCOMPARE(box(dlg, name)->text().size(), 4);   // the box takes four digits
    }

    void okWritesToTheFieldItWasOpenedFor()
    {
        setzen(2, 1, 501, {39, 453});
        setzen(3, 2, 501, {39, 71});
        QCOMPARE(okNachFeldwechsel(Dialog::Signal_Form, "Signal_Form", {2, 1}, {3, 2}, "SigAdr_Txt(3)", "12", 39),
                 (QList<int>{123, 71}));
    }
};

QTEST_MAIN(TestSignalDialog)
#include "tst_signal_dialog.moc"
