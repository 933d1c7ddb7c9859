#include "AdressTestPult.h"

#include "core/AddressGrid.h"
#include "core/EditModes.h"
#include "core/MainWinState.h"
#include "core/Tooltips.h"

#include <QTest>

using namespace AdressTestPult;

class TestTooltips : public QObject {
    Q_OBJECT

    FlexGrid& adr() { return MainWin().PultAdr; }

    static void ueberAdresse(int row, int col) { PultAdr_MouseMove(row, col); }

private slots:
    void init()
    {
        anlegen(4, 4);
        EditModus = 7;
        AdrTipX = AdrTipY = 0;
        adr().ToolTipText.clear();
    }

    void infoTexte_data()
    {
        QTest::addColumn<int>("element");
        QTest::addColumn<QList<int>>("lncvs");
        QTest::addColumn<QString>("text");
        QTest::newRow("schalten") << int(Drei) << QList<int>{11, 5, 12, 6, 13, 7}
                                  << "Ta1:  Schaltadr.:5 | Ta2:  Schaltadr.:6 | Ta3:  Schaltadr.:7";
        QTest::newRow("Lok, Ziel, STOP") << int(Drei) << QList<int>{115, 1, 50, 3, 51, 4, 116, 2, 41, 121, 16, 9, 117, 5}
                                         << "Ta1:  Lokadr:3, Sfkt.:4 | Ta2:  Zielta:12g,LED:9 | Ta3:  STOP ";
        QTest::newRow("Entkuppler, GO, Rückmeldung")
            << int(Drei) << QList<int>{115, 4, 11, 1231, 116, 5, 117, 3, 43, 4093, 17, 8}
            << "Ta1:  Entk.:1231 | Ta2:  GO  | Ta3:  RM:409b,LED:8";
        QTest::newRow("Zieltaste rot, Rückmeldung frei")
            << int(Drei) << QList<int>{115, 2, 39, 120, 15, 1, 116, 3, 41, 72, 16, 2, 117, 0, 13, 65535}
            << "Ta1:  Zielta:12r,LED:1 | Ta2:  RM:7f,LED:2 | Ta3:  Schaltadr.:65535";
        QTest::newRow("Zieltaste mit Zustand ohne Buchstaben")
            << int(Drei) << QList<int>{115, 2, 39, 125, 15, 3, 116, 3, 41, 79, 16, 4}
            << "Ta1:  Zielta:12,LED:3 | Ta2:  RM:7,LED:4 | Ta3:  Schaltadr.:0";
        QTest::newRow("STOP/GO links und unbekannte Funktion") << int(Drei) << QList<int>{115, 5, 116, 9, 117, 6}
                                                               << "Ta1:  | Ta2:  | Ta3: ";
        QTest::newRow("Lokadresse über 32767")
            << int(Drei) << QList<int>{115, 1, 50, 40000, 51, 2}
            << "Ta1:  Lokadr:40000, Sfkt.:2 | Ta2:  Schaltadr.:0 | Ta3:  Schaltadr.:0";
        QTest::newRow("Joystick Lok") << int(Joystick) << QList<int>{50, 3, 70, 1} << "Loksteuerung: 3";
        QTest::newRow("Joystick Lok 65535") << int(Joystick) << QList<int>{50, 65535} << "Loksteuerung: 65535";
        QTest::newRow("Joystick Magnetartikel") << int(Joystick) << QList<int>{70, 1, 71, 2, 72, 3, 73, 40000}
                                                << "Magnetart.: 1, 2, 3, 40000, ";
        QTest::newRow("Joystick leer") << int(Joystick) << QList<int>{} << "Magnetart.: 0, 0, 0, 0, ";
    }

    void infoTexte()
    {
        QFETCH(int, element);
        QFETCH(QList<int>, lncvs);
        QFETCH(QString, text);
        setzen(3, 2, element, lncvs);
        QCOMPARE(element == Drei ? T3_Info_Text(3, 2) : Joy_Info_Text(3, 2), text);
    }

    void adressgitterJeZelle_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("text");
        QTest::newRow("Bildzeile") << 4 << 2 << "Ta1:  Schaltadr.:5 | Ta2:  Schaltadr.:0 | Ta3:  Schaltadr.:0";
        QTest::newRow("dritte Zeile gehört zum eigenen Feld")
            << 6 << 2 << "Ta1:  Schaltadr.:5 | Ta2:  Schaltadr.:0 | Ta3:  Schaltadr.:0";
        QTest::newRow("Feld darunter") << 7 << 2 << "Loksteuerung: 3";
        QTest::newRow("Joystick 711") << 9 << 3 << "Magnetart.: 0, 0, 0, 0, ";
        QTest::newRow("anderes Element") << 5 << 1 << "";
        QTest::newRow("leeres Feld") << 12 << 4 << "";
        QTest::newRow("Kopfzeile") << 0 << 2 << "alt";
        QTest::newRow("Beschriftungsspalte") << 5 << 0 << "alt";
        QTest::newRow("außerhalb der Zellen") << -1 << -1 << "alt";
        QTest::newRow("außerhalb des Pults") << 13 << 2 << "alt";
    }

    void adressgitterJeZelle()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, text);
        setzen(2, 2, Drei, {11, 5});
        setzen(2, 3, Joystick, {50, 3});
        setzen(3, 3, Joystick711);
        setzen(1, 2, Signal, {39, 121});
        adr().ToolTipText = "alt";
        ueberAdresse(row, col);
        QCOMPARE(adr().ToolTipText, text);
    }

    void textWirdBeimBetretenBerechnet()
    {
        PultFeld& f = setzen(2, 2, Drei, {11, 5});
        setzen(2, 3, Signal);
        ueberAdresse(4, 2);
        QCOMPARE(AdrTipX, 2);
        QCOMPARE(AdrTipY, 2);
        f.LNCV[11] = 6;
        ueberAdresse(5, 2);   // still the same field
        QVERIFY(adr().ToolTipText.contains("Schaltadr.:5"));
        ueberAdresse(7, 2);
        QCOMPARE(adr().ToolTipText, QString());
        ueberAdresse(6, 2);
        QVERIFY(adr().ToolTipText.contains("Schaltadr.:6"));
        f.LNCV[11] = 8;
        set_PultAdr(2, 2);   // what every element dialog does on OK
        ueberAdresse(4, 2);
        QVERIFY(adr().ToolTipText.contains("Schaltadr.:8"));
    }

    void nurImModusSieben()
    {
        setzen(2, 2, Drei, {11, 5});
        ueberAdresse(4, 2);
        QVERIFY(!adr().ToolTipText.isEmpty());
        for (int modus : {3, 8, 9}) {
            EditModus = modus;
            ueberAdresse(4, 2);
            QCOMPARE(adr().ToolTipText, QString());
        }
        EditModus = 7;
        ueberAdresse(4, 2);
        QVERIFY(adr().ToolTipText.contains("Schaltadr.:5"));
    }
};

QTEST_MAIN(TestTooltips)
#include "tst_tooltips.moc"
