// End to end over a pseudo-terminal: the program opens "COMn" through the
// real serial-port path, the simulated modules work the other end and the
// interface echoes every message, as on a real bus.
#include "LnTestUmgebung.h"
#include "PtySim.h"
#include "loconet/LnAntwort.h"
#include "loconet/Lncv.h"
#include "loconet/OpenCom.h"

#include <QTest>
#include <memory>

namespace {
QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// A pseudo-terminal linked as COMn, the interface type set, the port opened.
struct PtyBus {
    LnTestUmgebung umgebung;
    LnModulSim sim;
    PtySim pty;

    PtyBus(int comPort, int16_t usb, double baud) : pty(sim, baud)
    {
        if (!pty.starten())
            return;
        umgebung.verknuepfe(comPort, pty.slavePfad());
        LnTestUmgebung::einstellen(comPort, -1, usb);
    }
    bool oeffnen()
    {
        int32_t fehler = 0;
        open_com(fehler);
        return fehler == 0 && umgebung.boxen.isEmpty();
    }
    ~PtyBus() { Comm1->schliessen(); }
};
} // namespace

class TstLnPty : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LN_starten(this);
    }

    // Two programming sessions, 16 operations: with nothing lost every
    // operation sends exactly one request, the echoes of our own messages
    // included. The port is closed right after the last end of programming,
    // which must still reach the module intact.
    void zweiSitzungen_data()
    {
        QTest::addColumn<int>("comPort");
        QTest::addColumn<int>("usb");
        QTest::addColumn<int>("baud");
        QTest::addColumn<bool>("takt");
        QTest::newRow("USB-Interface an COM5") << 5 << -1 << 115200 << false;
        QTest::newRow("serielles Interface an COM2") << 2 << 0 << 16457 << true;
    }

    void zweiSitzungen()
    {
        QFETCH(int, comPort);
        QFETCH(int, usb);
        QFETCH(int, baud);
        QFETCH(bool, takt);
        PtyBus bus(comPort, int16_t(usb), baud);
        bus.sim.antwortVerzugMs = 5;
        SimModul& signal = bus.sim.modul(5466, 21);
        signal.lncv[15] = 65000;
        QVERIFY(bus.oeffnen());
        QCOMPARE(Timer1->isActive(), takt);

        int32_t fehler = -5, wert = 0;
        for (int sitzung = 1; sitzung <= 2; ++sitzung) {
            Prog_On(5466, 21, fehler);
            QCOMPARE(fehler, 0);
            Read_Lncv(5466, 15, wert, fehler);
            QCOMPARE(fehler, 0);
            QCOMPARE(wert, 65000 - 65536);
            for (int n = 1; n <= 3; ++n) {
                Prog_Lncv(5466, 100 + n, sitzung * 1000 + n, fehler);
                QCOMPARE(fehler, 0);
            }
            for (int n = 1; n <= 2; ++n) {
                Read_Lncv(5466, 100 + n, wert, fehler);
                QCOMPARE(fehler, 0);
                QCOMPARE(wert, sitzung * 1000 + n);
            }
            Prog_Off(5466, 21, fehler);
            QCOMPARE(fehler, 0);
        }
        Comm1->schliessen();
        QTRY_COMPARE(bus.sim.nachrichten.size(), 16);
        QVERIFY(!signal.programmiermodus);
        QCOMPARE(bus.pty.verstuemmelt(), 0);
        QCOMPARE(bus.sim.pruefbyteFehler, 0);
        QCOMPARE(int(signal.lncv[103]), 2003);

        // Reopened after closing, the port works again.
        QVERIFY(bus.oeffnen());
        Prog_On(5466, 21, fehler);
        QCOMPARE(fehler, 0);
    }

    // What else is on the bus while a request waits for its answer, and what
    // was on the line before it: only the module's own answer to our request
    // counts, and nothing else costs a request.
    void andererVerkehr_data()
    {
        QTest::addColumn<int>("operation");      // 0 read, 1 write
        QTest::addColumn<int>("lncv");
        QTest::addColumn<QByteArray>("vorher");  // arrived before the request...
        QTest::addColumn<bool>("gelesen");       // ... and was read by the program, or still waits
        QTest::addColumn<QByteArray>("waehrend");// arrives while the request is being sent
        QTest::addColumn<QByteArray>("fremd");   // another device, 2 ms after the request
        QTest::addColumn<int>("ergebnis");
        QTest::addColumn<int>("wert");

        const QByteArray angenommen = SimLn::quittung(0x7F);
        const QByteArray nichts;
        QTest::newRow("fremde Quittung vor der Verweigerung")
            << 1 << 9 << nichts << false << nichts << SimLn::quittung(0x7F, 0xB0) << 3 << 0;
        QTest::newRow("Schreiben angenommen trotz fremder Verweigerung")
            << 1 << 6 << nichts << false << nichts << SimLn::quittung(0x00, 0xB0) << 0 << 0;
        QTest::newRow("doppelte Quittung des vorigen Schreibens, ungelesen")
            << 1 << 9 << angenommen << false << nichts << nichts << 3 << 0;
        QTest::newRow("späte Quittung, Anfang vor der Anfrage gelesen")
            << 1 << 9 << angenommen.left(2) << true << angenommen.mid(2) << nichts << 3 << 0;
        QTest::newRow("Quittung auf eine Lesung") << 0 << 5 << nichts << false << nichts << angenommen << 0 << 4711;
        QTest::newRow("Antwort eines Moduls vom Typ 5577")
            << 0 << 5 << nichts << false << nichts << SimLn::lncvAntwort(5577, 5, 1234) << 0 << 4711;
        QTest::newRow("Antwort einer anderen LNCV")
            << 0 << 5 << nichts << false << nichts << SimLn::lncvAntwort(5449, 6, 1234) << 0 << 4711;
        QTest::newRow("Rückmelder und Weiche")
            << 0 << 5 << nichts << false << nichts
            << SimLn::mitPruefbyte(hex("B2 05 50")) + SimLn::mitPruefbyte(hex("B0 10 30")) << 0 << 4711;
        QTest::newRow("Lesung verweigert") << 0 << 500 << nichts << false << nichts << nichts << 3 << -7;
    }

    void andererVerkehr()
    {
        QFETCH(int, operation);
        QFETCH(int, lncv);
        QFETCH(QByteArray, vorher);
        QFETCH(bool, gelesen);
        QFETCH(QByteArray, waehrend);
        QFETCH(QByteArray, fremd);
        QFETCH(int, ergebnis);
        QFETCH(int, wert);
        PtyBus bus(1, 0, 16457);
        bus.sim.antwortVerzugMs = 20;
        SimModul& modul = bus.sim.modul(5449, 7);
        modul.programmiermodus = true;
        modul.lncv[5] = 4711;
        modul.verweigert.insert(9);
        QVERIFY(bus.oeffnen());
        bus.pty.sofort(vorher);
        if (gelesen)   // the capture has taken the start of the message
            QTRY_VERIFY(LN_AntwortAktiv != 0 && LN_AntwortPos == vorher.size());
        else   // the program is busy: the bytes wait at the port
            QVERIFY(bus.pty.wartenBisAmPort(vorher.size()));
        bus.pty.waehrendDesNaechstenSendens = waehrend;
        if (!fremd.isEmpty())
            bus.sim.beiNaechsterAnfrage << SimSendung{fremd, 2};

        QElapsedTimer uhr;
        uhr.start();
        int32_t fehler = -5, gelesenerWert = -7;
        if (operation == 0)
            Read_Lncv(5449, lncv, gelesenerWert, fehler);
        else
            Prog_Lncv(5449, lncv, 1, fehler);
        QCOMPARE(fehler, ergebnis);
        if (operation == 0)
            QCOMPARE(gelesenerWert, wert);
        QVERIFY(uhr.elapsed() < 400);   // ended by the first answer
        QCOMPARE(bus.sim.nachrichten.size(), 1);
    }

    void moduleOhneAntwort()
    {
        PtyBus bus(1, 0, 16457);
        QVERIFY(bus.oeffnen());
        int32_t fehler = 0;
        Prog_On(5465, 3, fehler);
        QCOMPARE(fehler, 2);
        QCOMPARE(bus.sim.nachrichten.size(), 10);
    }
};

QTEST_MAIN(TstLnPty)
#include "tst_ln_pty.moc"
