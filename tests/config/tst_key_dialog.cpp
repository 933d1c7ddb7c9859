#include "ElementDialogTestPult.h"

#include "config/KeyDialog.h"

using namespace ElementTestPult;

namespace {
QDialog* taste(int x = 2, int y = 1)
{
    return oeffnen(Dialog::Tasten_Form, "Tasten_Form", x, y);
}

const char* const rot = "TasterRG(0)";
const char* const gruen = "TasterRG(1)";
} // namespace

class TestKeyDialog : public QObject {
    Q_OBJECT
private slots:
    void init() { anlegen(4, 2); }

    // Which codes have a key address (at LNCV 39 or 11, with or without red/green) and which have none.
    void groups()
    {
        const auto pruefen = [](const QList<int>& codes, TastenBelegung::Art art, int lncv) {
            for (int c : codes) {
                const TastenBelegung b = tastenBelegung(c);
                QVERIFY2(b.art == art && b.lncv == lncv, qPrintable(QString::number(c)));
            }
        };
        pruefen({403, 872, 601, 605, 873, 877}, TastenBelegung::AdresseMitCode, 39);
        pruefen({401, 423}, TastenBelegung::AdresseMitCode, 11);
        pruefen({424, 611}, TastenBelegung::Adresse, 11);
        pruefen({400, 404, 425, 600, 606, 612, 870, 878}, TastenBelegung::Keine, 0);
    }

    void keyValues_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("n");              // LNCV of the key value
        QTest::addColumn<int>("gespeichert");
        QTest::addColumn<QString>("gezeigt");
        QTest::addColumn<bool>("optionen");      // options shown
        QTest::addColumn<int>("gewaehlt");       // 0 none, 1 red, 2 green
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("waehlen");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("402 new address keeps green") << 402 << 39 << 451 << "45" << true << 2 << "46" << "" << 461;
        QTest::newRow("876 address without option") << 876 << 39 << 0 << "0" << true << 0 << "12" << "" << 120;
        QTest::newRow("610 plain") << 610 << 11 << 17 << "17" << false << 0 << "" << "" << 17;
        QTest::newRow("424 plain 2047") << 424 << 11 << 17 << "17" << false << 0 << "2047" << "" << 2047;
        QTest::newRow("421 pick green") << 421 << 11 << 70 << "7" << true << 1 << "" << gruen << 71;
        QTest::newRow("422 occupied kept") << 422 << 11 << 73 << "7" << true << 0 << "8" << "" << 83;
        QTest::newRow("402 occupied, pick red") << 402 << 39 << 453 << "45" << true << 0 << "" << rot << 450;
        QTest::newRow("423 free, pick green") << 423 << 11 << 72 << "7" << true << 0 << "" << gruen << 71;
    }
    // Each case follows a key whose options and box were left set.
    void keyValues()
    {
        QFETCH(int, code);
        QFETCH(int, n);
        QFETCH(int, gespeichert);
        QFETCH(QString, gezeigt);
        QFETCH(bool, optionen);
        QFETCH(int, gewaehlt);
        QFETCH(QString, eingabe);
        QFETCH(QString, waehlen);
        QFETCH(int, ergebnis);
        setzen(1, 1, 402, {39, 991});
        taste(1, 1);
        const int anderes = n == 39 ? 11 : 39;
        setzen(2, 1, code, {n, gespeichert, anderes, 1234});
        QDialog* dlg = taste();
        QCOMPARE(dlg->windowTitle(), QString("Tastenkonfiguration"));
        QVERIFY(sichtbar(dlg, "ZieltasterFrame"));
        QCOMPARE(box(dlg, "TastAdr_Txt(0)")->text(), gezeigt);
        QCOMPARE(sichtbar(dlg, rot), optionen);
        QCOMPARE(sichtbar(dlg, gruen), optionen);
        if (optionen) {
            QCOMPARE(ElementTestPult::gewaehlt(dlg, rot), gewaehlt == 1);
            QCOMPARE(ElementTestPult::gewaehlt(dlg, gruen), gewaehlt == 2);
        }
        if (!eingabe.isEmpty())
            tippen(dlg, "TastAdr_Txt(0)", eingabe);
        if (!waehlen.isEmpty())
            teil<QRadioButton>(dlg, waehlen)->click();
        ok(dlg);
        QCOMPARE(lncv(2, 1, n), ergebnis);
        QCOMPARE(lncv(2, 1, anderes), 1234);
    }

    void keyLockAndAutoFlags()
    {
        PultFeld& f = setzen(2, 1, 402, {39, 451, 40, 9});
        QDialog* dlg = taste();
        QCOMPARE(box(dlg, "TastAdr_Txt(1)")->text(), QString("9"));
        tippen(dlg, "TastAdr_Txt(1)", "2047");
        teil<QCheckBox>(dlg, "AutoNum_Chk(0)")->setChecked(false);
        ok(dlg);
        QCOMPARE(lncv(2, 1, 40), 2047);
        QCOMPARE(int(f.AutoFlag[39]), 0);
        QCOMPARE(int(f.AutoFlag[40]), 1);
    }

    // A code outside the key groups edits only the key lock: the key row is
    // hidden, and an out-of-range value left there by the previous field does
    // not hold OK.
    void otherCodeEditsOnlyTheKeyLock()
    {
        setzen(1, 1, 402, {39, 451});
        QDialog* dlg = taste(1, 1);
        tippen(dlg, "TastAdr_Txt(0)", "3000");
        QVERIFY(!okAn(dlg));
        setzen(2, 1, 620, {11, 5, 39, 6, 40, 7});
        dlg = taste();
        QVERIFY(!sichtbar(dlg, "ZieltasterFrame"));
        QVERIFY(!sichtbar(dlg, "AutoNum_Chk(0)"));
        QVERIFY(okAn(dlg));
        tippen(dlg, "TastAdr_Txt(1)", "8");
        ok(dlg);
        QCOMPARE(lncv(2, 1, 11), 5);
        QCOMPARE(lncv(2, 1, 39), 6);
        QCOMPARE(lncv(2, 1, 40), 8);
    }

    void rangeChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("okAn");
        for (int i : {0, 1})
            for (int wert : {2047, 2048})
                QTest::addRow("box %d %d", i, wert) << QString("TastAdr_Txt(%1)").arg(i) << QString::number(wert) << (wert == 2047);
    }
    void rangeChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, okAn);
        setzen(2, 1, 403);
        QDialog* dlg = taste();
        tippen(dlg, name, text);
        QCOMPARE(ElementTestPult::okAn(dlg), okAn);
    }

    void okWritesToTheFieldItWasOpenedFor()
    {
        setzen(2, 1, 610, {11, 3});
        setzen(3, 2, 610, {11, 4});
        QCOMPARE(okNachFeldwechsel(Dialog::Tasten_Form, "Tasten_Form", {2, 1}, {3, 2}, "TastAdr_Txt(0)", "30", 11),
                 (QList<int>{30, 4}));
    }
};

QTEST_MAIN(TestKeyDialog)
#include "tst_key_dialog.moc"
