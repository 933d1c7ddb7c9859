// End to end over a pseudo-terminal: the program opens "COMn" through the
// real serial-port path, the simulated modules work the other end.
#include "LnTestUmgebung.h"
#include "PtySim.h"
#include "loconet/Lncv.h"
#include "loconet/OpenCom.h"

#include <QTest>

class TstLnPty : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LN_starten(this);
    }

    void lncvLesenUndSchreiben_data()
    {
        QTest::addColumn<int>("comPort");
        QTest::addColumn<int>("usb");
        QTest::addColumn<bool>("takt");
        QTest::newRow("USB-Interface an COM5") << 5 << -1 << false;
        QTest::newRow("serielles Interface an COM2") << 2 << 0 << true;
    }

    void lncvLesenUndSchreiben()
    {
        QFETCH(int, comPort);
        QFETCH(int, usb);
        QFETCH(bool, takt);
        LnTestUmgebung umgebung;
        LnModulSim sim;
        sim.antwortVerzugMs = 5;
        PtySim pty(sim);
        QVERIFY(pty.starten());
        umgebung.verknuepfe(comPort, pty.slavePfad());
        LnTestUmgebung::einstellen(comPort, -1, int16_t(usb));
        SimModul& signal = sim.modul(5466, 21);
        signal.lncv[15] = 65000;

        int32_t fehler = 0, wert = 0;
        open_com(fehler);
        QCOMPARE(fehler, 0);
        QVERIFY(umgebung.boxen.isEmpty());
        QCOMPARE(Timer1->isActive(), takt);
        Prog_On(5466, 21, fehler);
        QCOMPARE(fehler, 0);
        Read_Lncv(5466, 15, wert, fehler);
        QCOMPARE(fehler, 0);
        QCOMPARE(wert, 65000 - 65536);
        for (int n = 1; n <= 5; ++n) {
            Prog_Lncv(5466, 100 + n, n * 1000, fehler);
            QCOMPARE(fehler, 0);
        }
        Read_Lncv(5466, 103, wert, fehler);
        QCOMPARE(wert, 3000);
        Prog_Off(5466, 21, fehler);
        QCOMPARE(fehler, 0);
        QTRY_VERIFY(!signal.programmiermodus);
        QCOMPARE(int(signal.lncv[105]), 5000);
        QCOMPARE(sim.nachrichten.size(), 9);
        Comm1->schliessen();

        // Reopened after closing, the port works again.
        open_com(fehler);
        QCOMPARE(fehler, 0);
        Prog_On(5466, 21, fehler);
        QCOMPARE(fehler, 0);
        Comm1->schliessen();
    }

    void moduleOhneAntwort()
    {
        LnTestUmgebung umgebung;
        LnModulSim sim;
        PtySim pty(sim);
        QVERIFY(pty.starten());
        umgebung.verknuepfe(1, pty.slavePfad());
        LnTestUmgebung::einstellen(1, -1, 0);
        int32_t fehler = 0;
        open_com(fehler);
        QCOMPARE(fehler, 0);
        Prog_On(5465, 3, fehler);
        QCOMPARE(fehler, 2);
        QCOMPARE(sim.nachrichten.size(), 10);
        Comm1->schliessen();
    }
};

QTEST_MAIN(TstLnPty)
#include "tst_ln_pty.moc"
