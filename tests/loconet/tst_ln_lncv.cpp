// The LNCV operations against simulated modules on an in-process line.
#include "LnTestUmgebung.h"
#include "core/Words.h"
#include "loconet/LnAntwort.h"
#include "loconet/Lncv.h"
#include "loconet/LnSenden.h"
#include "loconet/ModulDialoge.h"
#include "loconet/OpenCom.h"

#include <QTest>
#include <memory>

class TstLnLncv : public QObject {
    Q_OBJECT

    std::unique_ptr<LnTestUmgebung> umgebung;
    std::unique_ptr<SimAnschluss> anschluss;
    LnModulSim* sim = nullptr;

    void oeffnen()
    {
        int32_t fehler = 0;
        open_com(fehler);
        QCOMPARE(fehler, 0);
    }
    int anfragen() const { return int(sim->nachrichten.size()); }

private slots:
    void init()
    {
        umgebung = std::make_unique<LnTestUmgebung>();
        anschluss = std::make_unique<SimAnschluss>();
        sim = &anschluss->sim;
        LnTestUmgebung::einstellen(1, -1, -1);   // USB interface
        oeffnen();
    }

    void cleanup()
    {
        anschluss.reset();
        umgebung.reset();
    }

    // A whole session on 16-bit edges: address 40000, LNCV 2047, value 65535.
    void lesenUndSchreiben()
    {
        SimModul& speicher = sim->modul(5467, 40000);
        speicher.lncv[2000] = 40000;
        int32_t fehler = -5, wert = 0;
        Prog_On(5467, UWord_to_Int(40000), fehler);
        QCOMPARE(fehler, 0);
        Read_Lncv(5467, 2000, wert, fehler);
        QCOMPARE(fehler, 0);
        QCOMPARE(wert, -25536);
        Prog_Lncv(5467, 2047, -1, fehler);
        QCOMPARE(fehler, 0);
        QCOMPARE(int(speicher.lncv[2047]), 65535);
        Prog_Off(5467, -25536, fehler);
        QCOMPARE(fehler, 0);
        QVERIFY(!speicher.programmiermodus);
        QCOMPARE(anfragen(), 4);
    }

    void verloreneAntworten_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("verloren");
        QTest::addColumn<int>("ergebnis");
        // The tenth request still counts; Prog_On giving up after ten is covered by
        // the echo case below, so its slow row is not repeated here.
        QTest::newRow("Prog_On, 9 verloren") << 0 << 9 << 0;
        QTest::newRow("Read_Lncv, 10 verloren") << 1 << 10 << 2;
        QTest::newRow("Prog_Lncv, 10 verloren") << 2 << 10 << 2;
    }

    void verloreneAntworten()
    {
        QFETCH(int, operation);
        QFETCH(int, verloren);
        QFETCH(int, ergebnis);
        SimModul& modul = sim->modul(5466, 3);
        modul.programmiermodus = true;
        modul.lncv[9] = 77;
        sim->verloren = verloren;
        int32_t fehler = -5, wert = -7;
        switch (operation) {
        case 0: Prog_On(5466, 3, fehler); break;
        case 1: Read_Lncv(5466, 9, wert, fehler); break;
        default: Prog_Lncv(5466, 9, 5, fehler); break;
        }
        QCOMPARE(fehler, ergebnis);
        QCOMPARE(anfragen(), qMin(verloren + 1, 10));
        if (operation == 1)
            QCOMPARE(wert, ergebnis == 0 ? 77 : -7);   // unchanged without an answer
    }

    // The waits are 0.2 s for the start of programming and 0.5 s for reading
    // and writing: an answer inside needs one request, one after a repeat.
    void wartezeiten_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("verzugMs");
        QTest::addColumn<int>("erwartet");
        QTest::newRow("Prog_On nach 0,15 s") << 0 << 150 << 1;
        QTest::newRow("Prog_On nach 0,3 s") << 0 << 300 << 2;
        QTest::newRow("Read_Lncv nach 0,3 s") << 1 << 300 << 1;
        QTest::newRow("Read_Lncv nach 0,6 s") << 1 << 600 << 2;
        QTest::newRow("Prog_Lncv nach 0,3 s") << 2 << 300 << 1;
        QTest::newRow("Prog_Lncv nach 0,6 s") << 2 << 600 << 2;
    }

    void wartezeiten()
    {
        QFETCH(int, operation);
        QFETCH(int, verzugMs);
        QFETCH(int, erwartet);
        SimModul& modul = sim->modul(5466, 3);
        modul.programmiermodus = true;
        modul.lncv[9] = 77;
        sim->antwortVerzugMs = verzugMs;
        int32_t fehler = -5, wert = -7;
        switch (operation) {
        case 0: Prog_On(5466, 3, fehler); break;
        case 1: Read_Lncv(5466, 9, wert, fehler); break;
        default: Prog_Lncv(5466, 9, 5, fehler); break;
        }
        QCOMPARE(fehler, 0);
        QCOMPARE(anfragen(), erwartet);
        if (operation == 1)
            QCOMPARE(wert, 77);
    }

    // An answer that is not the one asked for is ignored: the request is
    // repeated only after its wait ran out, and then answered.
    void falscheAntwortGiltNicht_data()
    {
        QTest::addColumn<bool>("progOn");
        QTest::addColumn<int>("stoerung");
        QTest::addColumn<int>("erwartet");
        QTest::newRow("fremder Typ") << false << 0 << 2;
        QTest::newRow("fremde LNCV") << false << 1 << 2;
        QTest::newRow("falsches Prüfbyte") << false << 2 << 2;
        QTest::newRow("fremde Nachricht mittendrin") << false << 3 << 2;
        QTest::newRow("geteilte Antwort") << false << 4 << 1;
        QTest::newRow("Prog_On: fremder Typ") << true << 0 << 2;
        QTest::newRow("Prog_On: fremde Adresse") << true << 5 << 2;
    }

    void falscheAntwortGiltNicht()
    {
        QFETCH(bool, progOn);
        QFETCH(int, stoerung);
        QFETCH(int, erwartet);
        SimModul& modul = sim->modul(5449, 8);
        modul.programmiermodus = true;
        modul.lncv[4] = 4711;
        int LnModulSim::*const zaehler[] = {&LnModulSim::fremderTyp, &LnModulSim::fremdeLncv,
                                             &LnModulSim::falschesPruefbyte, &LnModulSim::fremdeMittendrin,
                                             &LnModulSim::geteilt, &LnModulSim::fremderWert};
        sim->*zaehler[stoerung] = 1;
        int32_t fehler = -5, wert = 0;
        if (progOn) {
            Prog_On(5449, 8, fehler);
        } else {
            Read_Lncv(5449, 4, wert, fehler);
            QCOMPARE(wert, 4711);
        }
        QCOMPARE(fehler, 0);
        QCOMPARE(anfragen(), erwartet);
    }

    void verweigerterWert()
    {
        SimModul& modul = sim->modul(5465, 1);
        modul.programmiermodus = true;
        modul.verweigert.insert(20);
        int32_t fehler = 0;
        Prog_Lncv(5465, 20, 9, fehler);
        QCOMPARE(fehler, 3);
        QCOMPARE(anfragen(), 1);
        QCOMPARE(int(modul.lncv[20]), 0);
    }

    // The interface echoes our end-of-programming message; arriving during the
    // next request it fills the LNCV reply row with type and address.
    void echoDesProgrammierendesIstKeineAntwort()
    {
        int32_t fehler = 0;
        Prog_Off(5465, 5, fehler);
        QCOMPARE(fehler, 0);
        Prog_On(5465, 5, fehler);
        QCOMPARE(fehler, 2);
        QCOMPARE(anfragen(), 11);
    }

    void programmiertaste()
    {
        sim->modul(5466, 4);
        SimModul& gedrueckt = sim->modul(5465, 9);
        int32_t fehler = 0, adresse = 7;
        Prog_On_Taste(5465, 3, fehler, adresse);
        QCOMPARE(fehler, 2);
        QCOMPARE(anfragen(), 3);
        gedrueckt.tasteGedrueckt = true;
        Prog_On_Taste(5465, 100, fehler, adresse);
        QCOMPARE(fehler, 0);
        QCOMPARE(adresse, 9);
        QVERIFY(gedrueckt.programmiermodus);
        // A pressed key of another type does not answer for this one, even when
        // the types differ only in the bit that travels in PXCT1.
        sim->modul(5577, 2).tasteGedrueckt = true;
        Prog_On_Taste(5449, 2, fehler, adresse);
        QCOMPARE(fehler, 2);
        QCOMPARE(adresse, 9);
    }

    void progOffOhneModul()
    {
        int32_t fehler = 0;
        QElapsedTimer uhr;
        uhr.start();
        Prog_Off(5465, 1, fehler);
        QCOMPARE(fehler, 0);
        QVERIFY(uhr.elapsed() < 100);
    }

    void geschlossenerPort()
    {
        Comm1->schliessen();
        sim->modul(5465, 1);
        int32_t fehler = 0, wert = 0;
        Prog_On(5465, 1, fehler);
        QCOMPARE(fehler, 1);
        Read_Lncv(5465, 1, wert, fehler);
        QCOMPARE(fehler, 1);
        Prog_Off(5465, 1, fehler);
        QCOMPARE(fehler, 1);
        QCOMPARE(anfragen(), 0);
    }

    // Towards a command station each byte waits for CTS; a LocoNet interface ignores it.
    void ctsBeiZentrale()
    {
        anschluss->leitung.ctsAn = false;
        LnPuffer p;
        LncvNachricht::lesen(p, 5465, 1);
        int32_t fehler = -5;
        send(p, LncvLetztesWort, fehler);
        QCOMPARE(fehler, 0);
        QCOMPARE(anschluss->leitung.geschrieben.size(), 15);

        LnTestUmgebung::einstellen(1, 0, 0);
        anschluss->leitung.geschrieben.clear();
        QElapsedTimer uhr;
        uhr.start();
        send(p, LncvLetztesWort, fehler);
        QCOMPARE(fehler, 1);
        QVERIFY(uhr.elapsed() >= 5000);
        QVERIFY(anschluss->leitung.geschrieben.isEmpty());

        QTimer::singleShot(50, [this] { anschluss->leitung.ctsAn = true; });
        send(p, LncvLetztesWort, fehler);
        QCOMPARE(fehler, 0);
        QCOMPARE(anschluss->leitung.geschrieben, mitPruefbyte(p, LncvLetztesWort));
    }

    void abfrageTaktOhneEmpfangsereignis()
    {
        anschluss->leitung.emitDatenDa = false;
        Timer1->start();
        sim->modul(5465, 1).lncv[3] = 33;
        int32_t fehler = 0, wert = 0;
        Prog_On(5465, 1, fehler);
        QCOMPARE(fehler, 0);
        Read_Lncv(5465, 3, wert, fehler);
        QCOMPARE(fehler, 0);
        QCOMPARE(wert, 33);
        Timer1->stop();
        // A tick with nothing waiting, or with the port closed, changes nothing.
        const int16_t vorher = LN_Antwort[LN_ZeileLncv][11];
        Timer1_Timer();
        Comm1->schliessen();
        Timer1_Timer();
        QCOMPARE(LN_Antwort[LN_ZeileLncv][11], vorher);
    }

    void fehlermeldungen_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("1") << 1 << "Message kann nicht auf ComPort gesendet werden!";
        QTest::newRow("2") << 2 << "Modul reagiert nicht";
        QTest::newRow("3") << 3 << "Programmierung des Wertes gescheitert";
        QTest::newRow("-1") << -1 << "Unbekannter Fehler!";
    }

    void fehlermeldungen()
    {
        QFETCH(int, code);
        QFETCH(QString, meldung);
        prog_error_meldung(code);
        QCOMPARE(umgebung->boxen.size(), 1);
        QCOMPARE(umgebung->boxen[0].text, QStringLiteral("  Fehler:\r\n    ") + meldung);
        QCOMPARE(umgebung->boxen[0].titel, QStringLiteral("Fehler bei Lesen oder Programmieren eines Moduls"));
        QCOMPARE(umgebung->boxen[0].stil, Msg::NurOk | Msg::Kritisch);
    }

    void fahrreglerSenden()
    {
        Fahrregler_Adresse_senden(300);
        QCOMPARE(anschluss->leitung.geschrieben.toHex(' '), QByteArray("e4 08 00 41 2c 00 01 7f"));
        QVERIFY(umgebung->boxen.isEmpty());
        anschluss->leitung.geschrieben.clear();
        Fahrregler_Adresse_senden(200);
        QVERIFY(anschluss->leitung.geschrieben.isEmpty());
        QCOMPARE(umgebung->boxen.size(), 1);
        QVERIFY(umgebung->boxen[0].text.contains(QStringLiteral("200")));
        QCOMPARE(umgebung->boxen[0].titel, QStringLiteral("Fahrregler programmieren"));
    }
};

QTEST_MAIN(TstLnLncv)
#include "tst_ln_lncv.moc"
