// Opening the port for the three interface types, on an in-process line.
#include "LnTestUmgebung.h"
#include "core/MainWinState.h"
#include "loconet/Lncv.h"
#include "loconet/LnSenden.h"
#include "loconet/OpenCom.h"

#include <QTest>
#include <memory>

class TstLnOeffnen : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void einstellungenJeTyp_data();
    void einstellungenJeTyp();
    void offenerPortBleibtWieErIst();
    void interfaceNurAnCom1Oder2();
    void portNichtZuOeffnen();
    void comOhneGeraet();
    void zentraleUmschalten();
    void zentraleOhneAntwort();
    void delayHaeltFensterLebendig();

private:
    std::unique_ptr<LnTestUmgebung> umgebung;
    std::unique_ptr<SimAnschluss> anschluss;
    QStringList infoTexte;

    SimLeitung& leitung() { return anschluss->leitung; }
    int32_t oeffne()
    {
        int32_t fehler = 0;
        open_com(fehler);
        return fehler;
    }
};

void TstLnOeffnen::init()
{
    umgebung = std::make_unique<LnTestUmgebung>();
    anschluss = std::make_unique<SimAnschluss>();
    infoTexte.clear();
    MainWin().InfoTxt2 = QStringLiteral("alt");
    QObject::connect(&MainWin(), &HauptFenster::geaendert, &MainWin(),
                     [this] { infoTexte << MainWin().InfoTxt2; });
}

void TstLnOeffnen::cleanup()
{
    QObject::disconnect(&MainWin(), &HauptFenster::geaendert, nullptr, nullptr);
    anschluss.reset();
    umgebung.reset();
}

void TstLnOeffnen::einstellungenJeTyp_data()
{
    QTest::addColumn<int>("comPort");
    QTest::addColumn<int>("usb");
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("stoppBits");
    QTest::addColumn<bool>("rts");
    QTest::addColumn<bool>("takt");
    QTest::addColumn<QString>("geraet");
    QTest::addColumn<QStringList>("info");
    QTest::newRow("serielles Interface COM2") << 2 << 0 << 16457 << 2 << true << true << "/dev/ttyS1"
                                              << QStringList{"LocoNet Interface wird geöffnet"};
    QTest::newRow("USB COM4") << 4 << -1 << 115200 << 1 << false << false << "/dev/ttyS3" << QStringList{};
}

void TstLnOeffnen::einstellungenJeTyp()
{
    QFETCH(int, comPort);
    QFETCH(int, usb);
    QFETCH(int, baud);
    QFETCH(int, stoppBits);
    QFETCH(bool, rts);
    QFETCH(bool, takt);
    QFETCH(QString, geraet);
    QFETCH(QStringList, info);
    LnTestUmgebung::einstellen(comPort, -1, int16_t(usb));
    // The poll starts in the other state: opening must switch it.
    if (takt)
        Timer1->stop();
    else
        Timer1->start();
    QCOMPARE(oeffne(), 0);
    QCOMPARE(leitung().oeffnungen.size(), 1);
    QCOMPARE(leitung().oeffnungen[0].geraet, geraet);
    QCOMPARE(leitung().oeffnungen[0].baud, baud);
    QCOMPARE(leitung().oeffnungen[0].stoppBits, stoppBits);
    QCOMPARE(leitung().rts, rts);
    QVERIFY(!leitung().dtr);
    QCOMPARE(Timer1->isActive(), takt);
    QCOMPARE(Timer1->interval(), 150);
    QCOMPARE(infoTexte, info);
    QVERIFY(umgebung->boxen.isEmpty());
}

void TstLnOeffnen::offenerPortBleibtWieErIst()
{
    LnTestUmgebung::einstellen(1, -1, -1);
    QCOMPARE(oeffne(), 0);
    for (int16_t lni : {int16_t(0), int16_t(-1)}) {
        LnTestUmgebung::einstellen(3, lni, 0);
        int32_t fehler = 7;
        open_com(fehler);
        QCOMPARE(fehler, 7);
    }
    QCOMPARE(leitung().oeffnungen.size(), 1);
    QVERIFY(umgebung->boxen.isEmpty());
}

void TstLnOeffnen::interfaceNurAnCom1Oder2()
{
    LnTestUmgebung::einstellen(3, -1, 0);
    QCOMPARE(oeffne(), 1);
    QVERIFY(!leitung().offen());
    QVERIFY(leitung().oeffnungen.isEmpty());
    QCOMPARE(umgebung->boxen.size(), 1);
    QCOMPARE(umgebung->boxen[0].text,
             QStringLiteral("Sie können das LocoNet-Interface nur mit Comport 1 oder Comport 2 benutzen!"));
    QCOMPARE(umgebung->boxen[0].titel, QStringLiteral("Fehler"));
}

void TstLnOeffnen::portNichtZuOeffnen()
{
    for (int16_t lni : {int16_t(0), int16_t(-1)}) {
        umgebung->boxen.clear();
        LnTestUmgebung::einstellen(2, lni, -1);
        leitung().oeffnenScheitert = true;
        QCOMPARE(oeffne(), 1);
        QVERIFY(!leitung().offen());
        QCOMPARE(umgebung->boxen.size(), 1);
        QVERIFY(umgebung->boxen[0].text.contains(QStringLiteral("/dev/ttyS1")));
        QVERIFY(umgebung->boxen[0].text.contains(QStringLiteral("Zugriff verweigert")));
        QCOMPARE(umgebung->boxen[0].titel, QStringLiteral("ComPort öffnen"));
    }
}

void TstLnOeffnen::comOhneGeraet()
{
    LnTestUmgebung::einstellen(9, -1, -1);
    QCOMPARE(oeffne(), 1);
    QVERIFY(leitung().oeffnungen.isEmpty());
    QCOMPARE(umgebung->boxen.size(), 1);
    QVERIFY(umgebung->boxen[0].text.contains(QStringLiteral("COM9")));
    umgebung->verknuepfe(9, QStringLiteral("/dev/ttyUSB3"));
    QCOMPARE(oeffne(), 0);
    QCOMPARE(leitung().oeffnungen[0].geraet, QStringLiteral("/dev/ttyUSB3"));
}

void TstLnOeffnen::zentraleUmschalten()
{
    LnTestUmgebung::einstellen(1, 0, 0);
    anschluss->sim.zentrale = true;
    anschluss->sim.modul(5465, 1).lncv[2] = 22;
    QElapsedTimer uhr;
    uhr.start();
    QCOMPARE(oeffne(), 0);
    QVERIFY(uhr.elapsed() > 1600);   // break 1 s, 0.3 s, 0.3 s
    QVERIFY(uhr.elapsed() < 2500);   // each answer taken as soon as its "]" came
    QCOMPARE(anschluss->sim.textBefehle, QStringList({"xB19200", "x&LN$D2C7"}));
    QCOMPARE(leitung().breaks, 1);
    QCOMPARE(leitung().oeffnungen.size(), 2);
    QCOMPARE(leitung().oeffnungen[0].baud, 2400);
    QCOMPARE(leitung().oeffnungen[1].baud, 19200);
    QCOMPARE(leitung().oeffnungen[1].stoppBits, 2);
    QVERIFY(!Timer1->isActive());
    QCOMPARE(infoTexte, QStringList({"ComPort wird geöffnet", ""}));
    QVERIFY(umgebung->boxen.isEmpty());

    int32_t fehler = 0, wert = 0;
    Prog_On(5465, 1, fehler);
    QCOMPARE(fehler, 0);
    Read_Lncv(5465, 2, wert, fehler);
    QCOMPARE(fehler, 0);
    QCOMPARE(wert, 22);
}

void TstLnOeffnen::zentraleOhneAntwort()
{
    LnTestUmgebung::einstellen(1, 0, 0);
    anschluss->sim.zentrale = true;
    anschluss->sim.zentraleAntwortet = false;
    QElapsedTimer uhr;
    uhr.start();
    QCOMPARE(oeffne(), 1);
    QVERIFY(uhr.elapsed() > 6300);
    QCOMPARE(umgebung->boxen.size(), 1);
    QCOMPARE(umgebung->boxen[0].text, QStringLiteral("ComPort: Keine Kommunikation!"));
    QCOMPARE(umgebung->boxen[0].titel, QStringLiteral("ComPort öffnen"));
    QCOMPARE(umgebung->boxen[0].stil, Msg::NurOk | Msg::Kritisch);
    QCOMPARE(MainWin().InfoTxt2, QStringLiteral("ComPort wird geöffnet"));
    // The port is closed again, so the next call starts the switch-over afresh.
    QVERIFY(!leitung().offen());
    anschluss->sim.zentraleAntwortet = true;
    QCOMPARE(oeffne(), 0);
    QCOMPARE(leitung().oeffnungen.size(), 3);
}

void TstLnOeffnen::delayHaeltFensterLebendig()
{
    bool behandelt = false;
    QTimer::singleShot(50, [&] { behandelt = true; });
    QElapsedTimer uhr;
    uhr.start();
    delay(0.3);
    QVERIFY(uhr.elapsed() > 300);
    QVERIFY(uhr.elapsed() < 400);
    QVERIFY(behandelt);
}

QTEST_MAIN(TstLnOeffnen)
#include "tst_ln_oeffnen.moc"
