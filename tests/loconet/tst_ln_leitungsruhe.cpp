// The quiet-line wait before a key request and after a failed module, on an
// in-process line where another device keeps sending: every byte that
// arrives puts the end off until the line was quiet for a second; a line
// that never falls quiet is given up after five.
#include "LnTestUmgebung.h"
#include "loconet/LeitungsRuhe.h"
#include "loconet/LnSenden.h"
#include "loconet/OpenCom.h"

#include <QElapsedTimer>
#include <QTest>
#include <memory>

class TstLnLeitungsRuhe : public QObject {
    Q_OBJECT

    std::unique_ptr<LnTestUmgebung> umgebung;
    std::unique_ptr<SimAnschluss> anschluss;

private slots:
    void init()
    {
        umgebung = std::make_unique<LnTestUmgebung>();
        anschluss = std::make_unique<SimAnschluss>();
        LnTestUmgebung::einstellen(1, -1, -1);   // USB interface
        int32_t fehler = 0;
        open_com(fehler);
        QCOMPARE(fehler, 0);
    }

    void cleanup()
    {
        anschluss.reset();
        umgebung.reset();
    }

    void ruheAbwarten_data()
    {
        QTest::addColumn<int>("dauerMs");   // the other device sends a feedback report every 300 ms this long
        QTest::newRow("2,4 s Verkehr") << 2400;
        QTest::newRow("nie ruhig") << 12000;
    }

    void ruheAbwarten()
    {
        QFETCH(int, dauerMs);
        constexpr int TaktMs = 300;
        constexpr int SpielraumMs = 50;
        // How much later than due a busy machine may end the wait; one that
        // runs to its limit ends well over a second later than due here.
        constexpr int NachlaufMs = 800;
        LnModulSim& sim = anschluss->sim;
        for (int t = TaktMs; t <= dauerMs; t += TaktMs)
            sim.beiNaechsterAnfrage << SimSendung{SimLn::mitPruefbyte(QByteArray("\xB2\x12\x50", 3)), t};
        const qsizetype gesendet = sim.beiNaechsterAnfrage.size();
        QElapsedTimer uhr;
        uhr.start();
        QList<qint64> ankunft;
        QObject empfang;
        connect(&anschluss->leitung, &LnLeitung::datenDa, &empfang, [&] { ankunft << uhr.elapsed(); });
        // An LNCV request that no module answers sets the other device going; its echo comes at once.
        int32_t fehler = 0;
        LncvNachricht::lesen(LN_Sende, 5465, 5);
        send(LN_Sende, LncvLetztesWort, fehler);
        QCOMPARE(fehler, 0);
        QVERIFY(QTest::qWaitFor([&] { return !ankunft.isEmpty(); }));
        ankunft.clear();

        LeitungsRuhe ruhe;
        uhr.restart();
        ruhe.beginnen();
        ruhe.abwarten();
        const qint64 ende = uhr.elapsed();
        QVERIFY(!ankunft.isEmpty());
        if (dauerMs < LeitungsRuhe::HoechstensMs) {
            QCOMPARE(ankunft.size(), gesendet);
            const qint64 danach = ende - ankunft.last();
            QVERIFY2(danach >= LeitungsRuhe::StilleMs - SpielraumMs && danach <= LeitungsRuhe::StilleMs + NachlaufMs,
                     qPrintable(QStringLiteral("ended %1 ms after the last byte").arg(danach)));
        } else {
            QVERIFY2(ende >= LeitungsRuhe::HoechstensMs - SpielraumMs && ende <= LeitungsRuhe::HoechstensMs + 4000,
                     qPrintable(QStringLiteral("gave up after %1 ms").arg(ende)));
        }
    }
};

QTEST_MAIN(TstLnLeitungsRuhe)
#include "tst_ln_leitungsruhe.moc"
