#include "ElementDialogTestPult.h"

#include "config/IlluminationDialog.h"

#include <QLabel>

using namespace ElementTestPult;

namespace {
QDialog* ausl(int x, int y)
{
    return oeffnen(Dialog::Ausl_Form, "Ausl_Form", x, y);
}

// The rows whose caption, both boxes and both auto boxes are shown.
QList<int> gezeigteZeilen(QDialog* dlg)
{
    QList<int> zeilen;
    for (int r = 0; r < 4; ++r) {
        const QStringList teile{QString("Adr_Label(%1)").arg(r), QString("MagAdr_Txt(%1)").arg(r),
                                QString("RMAdr_Txt(%1)").arg(r), QString("AutoNum_Chk(%1)").arg(r),
                                QString("AutoNum_Chk(%1)").arg(r + 4)};
        int an = 0;
        for (const QString& t : teile)
            an += sichtbar(dlg, t) ? 1 : 0;
        if (an != 0)
            zeilen << (an == 5 ? r : -1 - r);   // a row shown in part is told apart
    }
    return zeilen;
}
} // namespace

class TestIlluminationDialog : public QObject {
    Q_OBJECT
private slots:
    void init() { anlegen(6, 2); }

    void groups()
    {
        const auto pruefen = [](const QList<int>& codes, AuslGruppe gruppe) {
            for (int c : codes)
                QVERIFY2(auslGruppe(c) == gruppe, qPrintable(QString::number(c)));
        };
        pruefen({101, 402, 871, 512, 700, 710, 852}, AuslGruppe::Einseitig);
        pruefen({403, 872, 503, 554, 711, 854}, AuslGruppe::Zweiseitig);
        pruefen({52, 100, 421, 505, 561, 601, 855, 873}, AuslGruppe::Keine);
    }

    void rowsByNeighbours_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("links");    // code left of the element, 0 = none
        QTest::addColumn<int>("rechts");   // code right of the element
        QTest::addColumn<QList<int>>("zeilen");
        QTest::newRow("column 1 never row 0") << 1 << 105 << 0 << 51 << QList<int>{1};
        QTest::newRow("52 to the left") << 5 << 105 << 52 << 0 << QList<int>{0};
        QTest::newRow("51 to the left does not count") << 5 << 105 << 51 << 52 << QList<int>{};
        QTest::newRow("last column never row 1") << 6 << 501 << 52 << 0 << QList<int>{0};
        QTest::newRow("both neighbours") << 3 << 402 << 52 << 51 << QList<int>{0, 1};
        QTest::newRow("two-sided alone") << 3 << 503 << 0 << 0 << QList<int>{2, 3};
        QTest::newRow("two-sided with both") << 3 << 711 << 52 << 51 << QList<int>{0, 1, 2, 3};
        QTest::newRow("other code") << 3 << 421 << 52 << 51 << QList<int>{};
    }
    // Every case comes after a field that shows all four rows.
    void rowsByNeighbours()
    {
        QFETCH(int, x);
        QFETCH(int, code);
        QFETCH(int, links);
        QFETCH(int, rechts);
        QFETCH(QList<int>, zeilen);
        setzen(1, 2, 52);
        setzen(2, 2, 711);
        setzen(3, 2, 51);
        QCOMPARE(gezeigteZeilen(ausl(2, 2)), (QList<int>{0, 1, 2, 3}));

        setzen(x, 1, code);
        if (links)
            setzen(x - 1, 1, links);
        if (rechts && x < PultdimensionenX)
            setzen(x + 1, 1, rechts);
        QDialog* dlg = ausl(x, 1);
        QCOMPARE(dlg->windowTitle(), QString("Konfiguration Ausleuchtung"));
        QCOMPARE(gezeigteZeilen(dlg), zeilen);
    }

    void okWritesAllEightValues()
    {
        setzen(2, 1, 52);
        PultFeld& f = setzen(3, 1, 105, {21, 1, 22, 2, 23, 3, 24, 4, 25, 5, 26, 6, 27, 7, 28, 8});
        f.AutoFlag[27] = 0;
        QDialog* dlg = ausl(3, 1);
        QCOMPARE(box(dlg, "RMAdr_Txt(3)")->text(), QString("8"));
        tippen(dlg, "MagAdr_Txt(0)", "2047");
        tippen(dlg, "RMAdr_Txt(0)", "4095");
        teil<QCheckBox>(dlg, "AutoNum_Chk(4)")->setChecked(false);
        ok(dlg);
        QList<int> werte;
        for (int n = 21; n <= 28; ++n)
            werte << lncv(3, 1, n);
        QCOMPARE(werte, (QList<int>{2047, 4095, 3, 4, 5, 6, 7, 8}));
        QCOMPARE((QList<int>{f.AutoFlag[21], f.AutoFlag[22], f.AutoFlag[27]}), (QList<int>{1, 0, 0}));
    }

    void otherCodeWritesLoadedValuesBack()
    {
        const PultFeld vorher = setzen(3, 1, 421, {21, 11, 24, 2222, 28, 4000});
        QDialog* dlg = ausl(3, 1);
        QVERIFY(okAn(dlg));
        ok(dlg);
        QCOMPARE(PultFelder[3][1], vorher);
    }

    void rangeChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("okAn");
        QTest::newRow("accessory 2047") << "MagAdr_Txt(2)" << "2047" << true;
        QTest::newRow("accessory 2048") << "MagAdr_Txt(2)" << "2048" << false;
        QTest::newRow("feedback 4095") << "RMAdr_Txt(3)" << "4095" << true;
        QTest::newRow("feedback 4096") << "RMAdr_Txt(3)" << "4096" << false;
    }
    void rangeChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, okAn);
        setzen(3, 1, 503);
        QDialog* dlg = ausl(3, 1);
        tippen(dlg, name, text);
        QCOMPARE(ElementTestPult::okAn(dlg), okAn);
    }

    // A stored value beyond its box in a row that is not offered cannot be
    // seen or corrected: it does not hold OK and is written back unchanged.
    void hiddenRowOutOfRangeDoesNotHoldOk()
    {
        setzen(3, 1, 105, {21, 3000, 22, 5000, 27, 65535});
        QDialog* dlg = ausl(3, 1);
        QVERIFY(gezeigteZeilen(dlg).isEmpty());
        QVERIFY(okAn(dlg));
        QCOMPARE(dlg->windowTitle(), QString("Konfiguration Ausleuchtung"));
        ok(dlg);
        QCOMPARE((QList<int>{lncv(3, 1, 21), lncv(3, 1, 22), lncv(3, 1, 27)}), (QList<int>{3000, 5000, 65535}));

        setzen(2, 1, 52);
        dlg = ausl(3, 1);
        QCOMPARE(gezeigteZeilen(dlg), QList<int>{0});
        QVERIFY(!okAn(dlg));
        tippen(dlg, "MagAdr_Txt(0)", "30");
        QVERIFY(!okAn(dlg));
        tippen(dlg, "RMAdr_Txt(0)", "50");
        QVERIFY(okAn(dlg));
    }

    void okWritesToTheFieldItWasOpenedFor()
    {
        setzen(3, 1, 503, {25, 10});
        setzen(5, 2, 503, {25, 20});
        QCOMPARE(okNachFeldwechsel(Dialog::Ausl_Form, "Ausl_Form", {3, 1}, {5, 2}, "MagAdr_Txt(2)", "15", 25),
                 (QList<int>{15, 20}));
    }
};

QTEST_MAIN(TestIlluminationDialog)
#include "tst_illumination_dialog.moc"
