// Places between the window system's device pixels and Qt's, on monitors
// side by side at fractional ratios: each point maps through the monitor it
// lies on, to the last device pixel of a monitor whose width the ratio does
// not divide, and back.
#include "platform/DevicePixels.h"

#include <QTest>

class TestDevicePixels : public QObject {
    Q_OBJECT

private slots:
    void mapsThroughTheMonitorThePointLiesOn_data()
    {
        QTest::addColumn<qreal>("ratio");   // of the right monitor; the left one at 1.5
        QTest::addColumn<QPoint>("geraet");
        QTest::addColumn<QPoint>("qt");
        // Two monitors of 1366 x 768 device pixels side by side.
        QTest::newRow("left monitor's corner") << 1.5 << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("left monitor's last column") << 1.5 << QPoint(1365, 100) << QPoint(910, 67);
        QTest::newRow("right monitor's first column") << 1.5 << QPoint(1366, 100) << QPoint(1366, 67);
        QTest::newRow("right monitor's first column at 1.25") << 1.25 << QPoint(1366, 766) << QPoint(1366, 613);
        QTest::newRow("right monitor's last pixel at 1.75") << 1.75 << QPoint(2731, 767) << QPoint(2146, 438);
        QTest::newRow("right monitor at 1 beside the left at 1.5") << 1.0 << QPoint(2000, 300) << QPoint(2000, 300);
        QTest::newRow("right monitor at 2") << 2.0 << QPoint(2732 - 2, 766) << QPoint(2048, 383);
    }
    void mapsThroughTheMonitorThePointLiesOn()
    {
        QFETCH(qreal, ratio);
        QFETCH(QPoint, geraet);
        QFETCH(QPoint, qt);
        const GeraeteMonitor links{QRect(0, 0, 1366, 768), QRect(0, 0, 1366, 768), 1.5};
        const GeraeteMonitor rechts{QRect(1366, 0, 1366, 768), QRect(1366, 0, 1366, 768), ratio};
        const QList<GeraeteMonitor> beide{links, rechts};
        // Taken on its own monitor whichever is the window's.
        for (const GeraeteMonitor& eigener : beide) {
            QCOMPARE(qtOrt(beide, eigener, geraet), qt);
            // Back to device pixels within the rounding of one of Qt's.
            const QPoint zurueck = geraeteOrt(beide, eigener, qt) - geraet;
            QVERIFY2(std::max(std::abs(zurueck.x()), std::abs(zurueck.y())) < 2,
                     qPrintable(QStringLiteral("back at %1,%2").arg(zurueck.x()).arg(zurueck.y())));
        }
        // Qt's areas as Qt rounds them: each keeps its device origin.
        QCOMPARE(qtFlaeche(links), QRect(0, 0, 911, 512));
        QCOMPARE(qtFlaeche(rechts).topLeft(), rechts.flaeche.topLeft());
    }
};

QTEST_GUILESS_MAIN(TestDevicePixels)
#include "tst_device_pixels.moc"
