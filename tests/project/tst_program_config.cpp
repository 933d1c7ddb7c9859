#include "core/Cp1252.h"
#include "project/ProgramConfig.h"

#include <QFile>
#include <QTest>

class TestProgramConfig : public QObject {
    Q_OBJECT

    static void dateiSchreiben(const QByteArray& inhalt)
    {
        QFile f(konfigDateiPfad());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    static void startwerte()
    {
        ComPort = 0;
        LocoNetInterface = USBInterface = 0;
        Verkehr = 0;
    }

private slots:
    void init() { startwerte(); }
    void cleanupTestCase() { QFile::remove(konfigDateiPfad()); }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("comPort");
        QTest::addColumn<int>("loconet");
        QTest::addColumn<int>("usb");
        QTest::addColumn<double>("verkehr");
        QTest::newRow("no file") << QByteArray() << 0 << 0 << 0 << 0.0;
        QTest::newRow("header only") << QByteArray("// Konfigurationsfile //\r\n") << 0 << 0 << 0 << 0.0;
        QTest::newRow("all keys") << QByteArray("ComPort:  3 \r\nLocoNetInterface: -1 \r\nUSBInterface:  0 \r\n"
                                                "Verkehr:  2 \r\n")
                                  << 3 << -1 << 0 << 2.0;
        QTest::newRow("any non-zero switch is true") << QByteArray("LocoNetInterface: 5\r\nUSBInterface: -3\r\n")
                                                     << 0 << -1 << -1 << 0.0;
        QTest::newRow("comments anywhere") << QByteArray("ComPort: 2\r\n;ComPort: 7\r\n/Verkehr: 1\r\n")
                                           << 2 << 0 << 0 << 0.0;
        QTest::newRow("later line wins, LF only") << QByteArray("ComPort: 2\nComPort: 4\n") << 4 << 0 << 0 << 0.0;
        QTest::newRow("keys are exact") << QByteArray("comport: 2\r\n ComPort: 3\r\nComPort : 5\r\n")
                                        << 0 << 0 << 0 << 0.0;
        QTest::newRow("lines without colon") << QByteArray("Unsinn\r\n\r\nComPort: 1\r\n") << 1 << 0 << 0 << 0.0;
        QTest::newRow("rounded port") << QByteArray("ComPort: 2.6\r\n") << 3 << 0 << 0 << 0.0;
        QTest::newRow("port out of range") << QByteArray("ComPort: 70000\r\n") << 0 << 0 << 0 << 0.0;
        QTest::newRow("negative port") << QByteArray("ComPort: -4\r\n") << 0 << 0 << 0 << 0.0;
        QTest::newRow("traffic side out of range") << QByteArray("Verkehr: 7\r\n") << 0 << 0 << 0 << 0.0;
        QTest::newRow("traffic side not whole") << QByteArray("Verkehr: 1.5\r\n") << 0 << 0 << 0 << 0.0;
        QTest::newRow("no digits") << QByteArray("ComPort: x\r\nVerkehr: abc\r\n") << 0 << 0 << 0 << 0.0;
    }
    void reading()
    {
        QFETCH(QByteArray, inhalt);
        if (inhalt.isNull())
            QFile::remove(konfigDateiPfad());
        else
            dateiSchreiben(inhalt);
        Load_conf();
        QTEST(int(ComPort), "comPort");
        QTEST(int(LocoNetInterface), "loconet");
        QTEST(int(USBInterface), "usb");
        QTEST(Verkehr, "verkehr");
    }

    void writtenFileHasSpacedNumbersAndReadsBack()
    {
        ComPort = 2;
        LocoNetInterface = -1;
        USBInterface = 0;
        Verkehr = 2;
        QVERIFY(Save_conf());
        QFile f(konfigDateiPfad());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const QStringList zeilen = Cp1252::zeilen(bytes);
        QCOMPARE(zeilen.size(), 5);
        QVERIFY(zeilen[0].startsWith("// Konfigurationsfile von Tessaro-Edit Version "));
        QVERIFY(zeilen[0].endsWith(" //"));
        QCOMPARE(zeilen[1], QString("ComPort:  2 "));
        QCOMPARE(zeilen[2], QString("LocoNetInterface: -1 "));
        QCOMPARE(zeilen[3], QString("USBInterface:  0 "));
        QCOMPARE(zeilen[4], QString("Verkehr:  2 "));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), 5);
        startwerte();
        Load_conf();
        QCOMPARE(ComPort, int16_t(2));
        QCOMPARE(LocoNetInterface, int16_t(-1));
        QCOMPARE(Verkehr, 2.0);
    }
};

QTEST_GUILESS_MAIN(TestProgramConfig)
#include "tst_program_config.moc"
