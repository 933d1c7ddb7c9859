// Opening the port for the three interface types, on an in-process line.
#include "LnTestUmgebung.h"
#include "core/MainWinState.h"
#include "loconet/Lncv.h"
#include "loconet/OpenCom.h"

#include <QTest>
#include <memory>

class TstLnOeffnen : public QObject {
    Q_OBJECT

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

private slots:
    void init()
    {
        umgebung = std::make_unique<LnTestUmgebung>();
        anschluss = std::make_unique<SimAnschluss>();
        infoTexte.clear();
        MainWin().InfoTxt2 = QStringLiteral("alt");
        QObject::connect(&MainWin(), &HauptFenster::geaendert, &MainWin(),
                         [this] { infoTexte << MainWin().InfoTxt2; });
    }

    void cleanup()
    {
        QObject::disconnect(&MainWin(), &HauptFenster::geaendert, nullptr, nullptr);
        anschluss.reset();
        umgebung.reset();
    }

    void einstellungenJeTyp_data()
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

    void einstellungenJeTyp()
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
        QCOMPARE(infoTexte, info);
        QVERIFY(umgebung->boxen.isEmpty());
    }

    void offenerPortBleibtWieErIst()
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

    void abgelehnt_data()
    {
        QTest::addColumn<int>("comPort");
        QTest::addColumn<int>("lni");
        QTest::addColumn<bool>("scheitert");
        QTest::addColumn<int>("oeffnungen");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("text");   // %1: the device folder
        const QString verweigert = "ComPort 2 (/dev/ttyS1) kann nicht geöffnet werden:\r\nZugriff verweigert";
        const QString keinPort = "Es ist noch kein ComPort gewählt.\r\nWählen Sie ihn unter \"Pult\" > \"ComPort\".";
        QTest::newRow("Zentrale, kein Port") << 0 << 0 << false << 0 << "ComPort öffnen" << keinPort;
        QTest::newRow("USB, kein Port") << 0 << -1 << false << 0 << "ComPort öffnen" << keinPort;
        QTest::newRow("Interface an COM3") << 3 << -1 << false << 0 << "Fehler"
            << "Sie können das LocoNet-Interface nur mit Comport 1 oder Comport 2 benutzen!";
        QTest::newRow("Zentrale, Port gesperrt") << 2 << 0 << true << 1 << "ComPort öffnen" << verweigert;
        QTest::newRow("USB, Port gesperrt") << 2 << -1 << true << 1 << "ComPort öffnen" << verweigert;
        QTest::newRow("COM9 ohne Gerät") << 9 << -1 << false << 0 << "ComPort öffnen"
            << "ComPort 9 ist keinem Gerät zugeordnet.\r\nLegen Sie im Ordner %1 einen Verweis \"COM9\" auf das Gerät an.";
    }

    void abgelehnt()
    {
        QFETCH(int, comPort);
        QFETCH(int, lni);
        QFETCH(bool, scheitert);
        QFETCH(QString, text);
        LnTestUmgebung::einstellen(comPort, int16_t(lni), comPort == 3 ? 0 : -1);
        leitung().oeffnenScheitert = scheitert;
        QCOMPARE(oeffne(), 1);
        QVERIFY(!leitung().offen());
        QTEST(int(leitung().oeffnungen.size()), "oeffnungen");
        QCOMPARE(umgebung->boxen.size(), 1);
        QCOMPARE(umgebung->boxen[0].text, text.contains("%1") ? text.arg(geraeteVerz()) : text);
        QTEST(umgebung->boxen[0].titel, "titel");
        QCOMPARE(umgebung->boxen[0].stil, Msg::NurOk | Msg::Kritisch);
    }

    // Without an answer the port is closed again, so the next call starts the
    // switch-over afresh; that one is checked step by step.
    void zentraleUmschalten()
    {
        LnTestUmgebung::einstellen(1, 0, 0);
        anschluss->sim.zentrale = true;
        anschluss->sim.zentraleAntwortet = false;
        anschluss->sim.modul(5465, 1).lncv[2] = 22;
        QElapsedTimer uhr;
        uhr.start();
        QCOMPARE(oeffne(), 1);
        QVERIFY(uhr.elapsed() > 6300);
        QCOMPARE(umgebung->boxen.size(), 1);
        QCOMPARE(umgebung->boxen[0].text, QStringLiteral("ComPort: Keine Kommunikation!"));
        QCOMPARE(umgebung->boxen[0].titel, QStringLiteral("ComPort öffnen"));
        QCOMPARE(umgebung->boxen[0].stil, Msg::NurOk | Msg::Kritisch);
        QCOMPARE(MainWin().InfoTxt2, QStringLiteral("ComPort wird geöffnet"));
        QVERIFY(!leitung().offen());

        anschluss->sim.zentraleAntwortet = true;
        anschluss->sim.textBefehle.clear();
        leitung().oeffnungen.clear();
        leitung().breaks = 0;
        infoTexte.clear();
        umgebung->boxen.clear();
        uhr.restart();
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
};

QTEST_MAIN(TstLnOeffnen)
#include "tst_ln_oeffnen.moc"
