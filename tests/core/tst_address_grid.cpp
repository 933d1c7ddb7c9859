#include "AdressTestPult.h"

#include "core/AddressGrid.h"
#include "core/EditModes.h"
#include "core/InfoLines.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "routes/RouteTable.h"
#include "support/TestDialog.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace AdressTestPult;

class TestAddressGrid : public QObject {
    Q_OBJECT

    FlexGrid& adr() { return MainWin().PultAdr; }

private slots:
    void init()
    {
        anlegen(4, 3);
        EditModus = 1;
        FSModulTab = 0;
        FSinArbeit = false;
    }

    void texteJeModusUndElement_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<int>("element");
        QTest::addColumn<QList<int>>("lncvs");
        QTest::addColumn<QString>("zweite");
        QTest::addColumn<QString>("dritte");

        QTest::newRow("3: Weiche 5/6 und 100") << 3 << int(Weiche) << QList<int>{11, 5, 12, 6, 13, 100} << "5/6" << "100";
        QTest::newRow("3: nur LNCV 12") << 3 << int(Weiche) << QList<int>{12, 7} << "/7" << "";
        QTest::newRow("3: Code 201") << 3 << int(Weiche201) << QList<int>{11, 9} << "9" << "";
        QTest::newRow("3: kein Weichencode") << 3 << int(Weiche424) << QList<int>{11, 5, 13, 100} << "" << "";
        QTest::newRow("3: 32768 gilt als gesetzt") << 3 << int(Weiche) << QList<int>{11, 32768, 13, 65535}
                                                  << "32768" << "65535";

        QTest::newRow("4: H V und Z") << 4 << int(Signal) << QList<int>{31, 12, 32, 13, 34, 20} << "H12 V13" << " Z20";
        QTest::newRow("4: nur Rangiersignal") << 4 << int(Signal) << QList<int>{33, 8} << "" << " R8";
        QTest::newRow("4: jedes Feld") << 4 << int(Gleis) << QList<int>{32, 3, 33, 4} << " V3" << " R4";

        QTest::newRow("5: ohne Modul") << 5 << int(Gleis) << QList<int>{21, 3, 23, 4, 25, 5, 27, 6} << " L3 R4"
                                       << " L5 R6";
        QTest::newRow("5: nur Intern rechts") << 5 << int(Signal) << QList<int>{27, 6, 22, 9} << "" << " R6";
        QTest::newRow("6: Signalmodul") << 6 << int(Signal) << QList<int>{22, 3, 24, 4, 26, 5, 28, 6} << " L3 R4"
                                        << " L5 R6";
        QTest::newRow("6: Joystick") << 6 << int(Joystick) << QList<int>{26, 5} << "" << " L5";
        QTest::newRow("6: Zugnummernanzeige") << 6 << int(Zna) << QList<int>{22, 3, 24, 4, 26, 5, 28, 6} << "" << "";

        QTest::newRow("7: Entkuppler grün") << 7 << int(Entkuppler) << QList<int>{11, 253} << "T:25g" << "";
        QTest::newRow("7: Entkuppler rot, Sperre") << 7 << int(Entkuppler) << QList<int>{11, 250, 40, 7} << "T:25r"
                                                   << "TS:7";
        QTest::newRow("7: Schaltertaste") << 7 << int(Schaltertaste) << QList<int>{11, 42} << "S:42" << "";
        QTest::newRow("7: Taste 424") << 7 << int(Weiche424) << QList<int>{11, 43} << "S:43" << "";
        QTest::newRow("7: Weiche nur Sperre") << 7 << int(Weiche) << QList<int>{11, 5, 40, 9} << "" << "TS:9";
        QTest::newRow("7: Signal Zieltaste") << 7 << int(Signal) << QList<int>{39, 121, 40, 9} << "ZT:12g" << "TS:9";
        QTest::newRow("7: Linksverkehr rot, großer Wert") << 7 << int(SignalLinks) << QList<int>{39, 40000}
                                                          << "ZT:4000r" << "";
        QTest::newRow("7: 3-Tasten ohne Text") << 7 << int(Drei) << QList<int>{11, 5, 39, 121, 40, 3} << "" << "";

        QTest::newRow("9: Zugnummernanzeige LNCV 11") << 9 << int(Zna) << QList<int>{11, 33, 37, 44} << "33" << "";
        QTest::newRow("9: sonst LNCV 37") << 9 << int(Signal) << QList<int>{11, 33, 37, 44} << "44" << "";
        QTest::newRow("9: nicht gesetzt") << 9 << int(Zna) << QList<int>{37, 44} << "" << "";
        QTest::newRow("9: 65535") << 9 << int(Signal) << QList<int>{37, 65535} << "65535" << "";

        for (int modus : {1, 2, 10})
            QTest::addRow("%d: nichts", modus) << modus << int(Signal) << QList<int>{11, 1, 31, 2, 37, 3, 41, 4}
                                               << "" << "";
    }

    void texteJeModusUndElement()
    {
        QFETCH(int, modus);
        QFETCH(int, element);
        QFETCH(QList<int>, lncvs);
        QFETCH(QString, zweite);
        QFETCH(QString, dritte);
        setzen(2, 3, element, lncvs);
        EditModus = modus;
        set_PultAdr(2, 3);
        QCOMPARE(adr().Text(8, 2), zweite);
        QCOMPARE(adr().Text(9, 2), dritte);
    }

    void fahrstrassenplaetze_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("inArbeit");
        QTest::addColumn<QList<int>>("lncvs");
        QTest::addColumn<QString>("zweite");
        QTest::addColumn<QString>("dritte");

        QTest::newRow("Tab 0 vollständig") << 0 << false << QList<int>{41, 121, 42, 52, 43, 40953, 44, 70} << "12g>5f"
                                            << "4095b>7r";
        QTest::newRow("Tab 2 liest 49 bis 52") << 2 << false << QList<int>{45, 11, 49, 121, 50, 52, 51, 33, 53, 11}
                                                << "12g>5f" << "3b";
        QTest::newRow("nur Befehl") << 0 << false << QList<int>{42, 52} << ">5f" << "";
        QTest::newRow("Code 4 ohne Text") << 0 << false << QList<int>{41, 124, 44, 11} << "" << ">1g";
        QTest::newRow("Tab 9") << 9 << false << QList<int>{77, 10, 80, 23} << "1r" << ">2b";
        QTest::newRow("während einer Definition leer") << 0 << true << QList<int>{41, 121, 43, 22} << "" << "";
    }

    void fahrstrassenplaetze()
    {
        QFETCH(int, tab);
        QFETCH(bool, inArbeit);
        QFETCH(QList<int>, lncvs);
        QFETCH(QString, zweite);
        QFETCH(QString, dritte);
        setzen(1, 1, Signal, lncvs);
        EditModus = 8;
        FSModulTab = int16_t(tab);
        set_PultAdr(1, 1);
        FSinArbeit = inArbeit;
        set_PultAdr(1, 1);   // the second pass must clear what the first wrote
        QCOMPARE(adr().Text(2, 1), zweite);
        QCOMPARE(adr().Text(3, 1), dritte);
    }

    void feldOhneWerteBleibtInJedemModusLeer()
    {
        anlegen(5, 3);
        for (int e = 0; e < Anzahl; ++e)
            setzen(1 + e % 5, 1 + e / 5, e);
        for (int modus = 1; modus <= 10; ++modus) {
            EditModus = modus;
            Show_LNCV_in_PultAdr();
            for (int x = 1; x <= 5; ++x)
                for (int y = 1; y <= 3; ++y) {
                    QVERIFY2(adr().Text(3 * y - 1, x).isEmpty(), qPrintable(QString::number(modus)));
                    QVERIFY(adr().Text(3 * y, x).isEmpty());
                }
        }
    }

    void beschriftungJeModus_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<QString>("zweite");
        QTest::addColumn<QString>("dritte");
        QTest::newRow("3") << 3 << "Weicheadr:" << "Rückm.adr:";
        QTest::newRow("4") << 4 << "Haupt/Vor:" << "Rangiersig:";
        QTest::newRow("5") << 5 << "Extern:" << "Intern:";
        QTest::newRow("6") << 6 << "Extern:" << "Intern:";
        QTest::newRow("7") << 7 << "Tastenadr:" << "Tastensp:";
        QTest::newRow("8") << 8 << "festlegen:" << "auflösen:";
        QTest::newRow("9") << 9 << "ZIVRA-Adr:" << "";
    }

    void beschriftungJeModus()
    {
        QFETCH(int, modus);
        QFETCH(QString, zweite);
        QFETCH(QString, dritte);
        EditModus = modus;
        Show_LNCV_in_PultAdr();
        for (int y = 1; y <= 3; ++y) {
            QCOMPARE(adr().Text(3 * y - 1, 0), zweite);
            QCOMPARE(adr().Text(3 * y, 0), dritte);
            QCOMPARE(adr().Text(3 * y - 2, 0), QString(" %1").arg(y));
        }
        // Modes without address lines leave the captions as they are.
        for (int ohne : {1, 2, 10}) {
            EditModus = ohne;
            Show_LNCV_in_PultAdr();
            QCOMPARE(adr().Text(5, 0), zweite);
        }
    }

    void wechselDesModusSchreibtJedesFeldNeu()
    {
        setzen(1, 1, Signal, {31, 12, 37, 5});
        setzen(4, 3, Weiche, {11, 5});
        adr().setCellPicture(1, 1, "signal.bmp");
        EditModus = 4;
        ChangeEditMode();
        QCOMPARE(adr().Text(2, 1), QString("H12"));
        EditModus = 3;
        ChangeEditMode();
        QCOMPARE(adr().Text(2, 1), QString());
        QCOMPARE(adr().Text(8, 4), QString("5"));
        QCOMPARE(adr().CellPicture(1, 1), QString("signal.bmp"));
        QCOMPARE(adr().Text(0, 1), QString(" 1"));

        Clr_LNCV_in_PultAdr();
        QCOMPARE(adr().Text(8, 4), QString());
        QCOMPARE(adr().Text(5, 0), QString("Weicheadr:"));
        QCOMPARE(adr().CellPicture(1, 1), QString("signal.bmp"));
    }

    void ganzeAuffrischungIstEinAnzeigeschritt()
    {
        setzen(1, 1, Signal, {31, 12});
        EditModus = 4;
        QSignalSpy einzeln(&adr(), &QAbstractItemModel::dataChanged);
        QSignalSpy anzeige(&adr(), &FlexGrid::anzeigeGeaendert);
        Show_LNCV_in_PultAdr();
        QCOMPARE(einzeln.count(), 1);
        QCOMPARE(anzeige.count(), 1);
    }

    void felderAusserhalbDesPultsBleibenUnberuehrt()
    {
        // The grid still has a fifth column while the desk has shrunk to four.
        anlegen(5, 3);
        setzen(5, 1, Signal, {31, 12});
        PultdimensionenX = 4;
        EditModus = 4;
        Show_LNCV_in_PultAdr();
        set_PultAdr(5, 1);
        set_PultAdr(0, 1);
        set_PultAdr(1, 0);
        QCOMPARE(adr().Text(2, 5), QString());
        QCOMPARE(adr().Text(0, 1), QString(" 1"));
        QCOMPARE(adr().Text(2, 0), QString("Haupt/Vor:"));
    }

    void ganzesPultMitModulenAufJedemFeld()
    {
        anlegen(PultMax, PultMax);
        for (int x = 1; x <= PultMax; ++x)
            for (int y = 1; y <= PultMax; ++y)
                setzen(x, y, Signal, {31, x, 32, y, 33, 40000, 34, 7, 21, x, 27, y});
        EditModus = 4;
        Show_LNCV_in_PultAdr();
        QCOMPARE(adr().Text(3 * 99 - 1, 99), QString("H99 V99"));
        QCOMPARE(adr().Text(3 * 99, 98), QString(" R40000 Z7"));
    }

    void infozeilenStehenSofortImFenster()
    {
        MainWindow fenster;
        QSignalSpy gemeldet(&MainWin(), &HauptFenster::geaendert);
        InfoTxt_anzeigen(1, "eins");
        InfoTxt_anzeigen(3, "drei");
        InfoTxt_anzeigen(0, "null");
        InfoTxt_anzeigen(2, "LNCV 12 wird gelesen");
        QCOMPARE(MainWin().InfoTxt1, QString("eins"));
        QCOMPARE(MainWin().InfoTxt2, QString("LNCV 12 wird gelesen"));
        QCOMPARE(gemeldet.count(), 4);
        // No return to the event loop: the label already shows the text.
        QCOMPARE(TestDialog::teil<QLabel>(&fenster, "InfoTxt2")->text(), QString("LNCV 12 wird gelesen"));
    }
};

QTEST_MAIN(TestAddressGrid)
#include "tst_address_grid.moc"
