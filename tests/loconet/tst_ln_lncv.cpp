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
private slots:
    void init();
    void cleanup();
    void lesenUndSchreiben();
    void hoheAdressenUndWerte();
    void verloreneAntworten_data();
    void verloreneAntworten();
    void stoerungKostetEineAnfrage_data();
    void stoerungKostetEineAnfrage();
    void verweigerterWert();
    void echoDesProgrammierendesIstKeineAntwort();
    void programmiertaste();
    void progOffOhneModul();
    void geschlossenerPort();
    void ctsBeiZentrale();
    void abfrageTaktOhneEmpfangsereignis();
    void fehlermeldungen_data();
    void fehlermeldungen();
    void fahrreglerSenden();

private:
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
};

void TstLnLncv::init()
{
    umgebung = std::make_unique<LnTestUmgebung>();
    anschluss = std::make_unique<SimAnschluss>();
    sim = &anschluss->sim;
    LnTestUmgebung::einstellen(1, -1, -1);   // USB interface
    oeffnen();
}

void TstLnLncv::cleanup()
{
    anschluss.reset();
    umgebung.reset();
}

void TstLnLncv::lesenUndSchreiben()
{
    SimModul& weiche = sim->modul(5465, 12);
    weiche.lncv[7] = 345;
    int32_t fehler = -5, wert = 0;
    Prog_On(5465, 12, fehler);
    QCOMPARE(fehler, 0);
    Read_Lncv(5465, 7, wert, fehler);
    QCOMPARE(fehler, 0);
    QCOMPARE(wert, 345);
    Prog_Lncv(5465, 7, 1000, fehler);
    QCOMPARE(fehler, 0);
    QCOMPARE(int(weiche.lncv[7]), 1000);
    Prog_Off(5465, 12, fehler);
    QCOMPARE(fehler, 0);
    QVERIFY(!weiche.programmiermodus);
    QCOMPARE(anfragen(), 4);
}

void TstLnLncv::hoheAdressenUndWerte()
{
    SimModul& speicher = sim->modul(5467, 40000);
    int32_t fehler = 0, wert = 0;
    Prog_On(5467, UWord_to_Int(40000), fehler);
    QCOMPARE(fehler, 0);
    Prog_Lncv(5467, 2047, -1, fehler);
    QCOMPARE(fehler, 0);
    QCOMPARE(int(speicher.lncv[2047]), 65535);
    speicher.lncv[2000] = 40000;
    Read_Lncv(5467, 2000, wert, fehler);
    QCOMPARE(wert, -25536);
    Prog_Off(5467, -25536, fehler);
    QCOMPARE(fehler, 0);
    QVERIFY(!speicher.programmiermodus);
}

void TstLnLncv::verloreneAntworten_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("verloren");
    QTest::addColumn<int>("ergebnis");
    const char* namen[] = {"Prog_On", "Read_Lncv", "Prog_Lncv"};
    for (int op = 0; op < 3; ++op) {
        QTest::addRow("%s, 9 verloren", namen[op]) << op << 9 << 0;
        QTest::addRow("%s, 10 verloren", namen[op]) << op << 10 << 2;
    }
}

void TstLnLncv::verloreneAntworten()
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

void TstLnLncv::stoerungKostetEineAnfrage_data()
{
    QTest::addColumn<QString>("stoerung");
    QTest::addColumn<int>("erwartet");
    QTest::newRow("fremder Typ") << "fremderTyp" << 2;
    QTest::newRow("fremde LNCV") << "fremdeLncv" << 2;
    QTest::newRow("falsches Prüfbyte") << "falschesPruefbyte" << 2;
    QTest::newRow("fremde Nachricht mittendrin") << "fremdeMittendrin" << 2;
    QTest::newRow("geteilte Antwort") << "geteilt" << 1;
}

void TstLnLncv::stoerungKostetEineAnfrage()
{
    QFETCH(QString, stoerung);
    QFETCH(int, erwartet);
    SimModul& modul = sim->modul(5470, 8);
    modul.programmiermodus = true;
    modul.lncv[4] = 4711;
    int* zaehler = stoerung == "fremderTyp" ? &sim->fremderTyp
                 : stoerung == "fremdeLncv" ? &sim->fremdeLncv
                 : stoerung == "falschesPruefbyte" ? &sim->falschesPruefbyte
                 : stoerung == "fremdeMittendrin" ? &sim->fremdeMittendrin
                 : &sim->geteilt;
    *zaehler = 1;
    int32_t fehler = -5, wert = 0;
    Read_Lncv(5470, 4, wert, fehler);
    QCOMPARE(fehler, 0);
    QCOMPARE(wert, 4711);
    QCOMPARE(anfragen(), erwartet);
}

void TstLnLncv::verweigerterWert()
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
void TstLnLncv::echoDesProgrammierendesIstKeineAntwort()
{
    int32_t fehler = 0;
    Prog_Off(5465, 5, fehler);
    QCOMPARE(fehler, 0);
    Prog_On(5465, 5, fehler);
    QCOMPARE(fehler, 2);
    QCOMPARE(anfragen(), 11);
}

void TstLnLncv::programmiertaste()
{
    sim->modul(5466, 4);
    SimModul& gedrueckt = sim->modul(5465, 9);
    int32_t fehler = 0;
    Prog_On_Taste(5465, 3, fehler);
    QCOMPARE(fehler, 2);
    QCOMPARE(anfragen(), 3);
    gedrueckt.tasteGedrueckt = true;
    Prog_On_Taste(5465, 100, fehler);
    QCOMPARE(fehler, 0);
    QVERIFY(gedrueckt.programmiermodus);
    // A pressed key of another type does not answer for this one.
    sim->modul(5469, 2).tasteGedrueckt = true;
    Prog_On_Taste(5468, 2, fehler);
    QCOMPARE(fehler, 2);
}

void TstLnLncv::progOffOhneModul()
{
    int32_t fehler = 0;
    QElapsedTimer uhr;
    uhr.start();
    Prog_Off(5465, 1, fehler);
    QCOMPARE(fehler, 0);
    QVERIFY(uhr.elapsed() < 100);
}

void TstLnLncv::geschlossenerPort()
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
void TstLnLncv::ctsBeiZentrale()
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

void TstLnLncv::abfrageTaktOhneEmpfangsereignis()
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

void TstLnLncv::fehlermeldungen_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("0") << 0 << "Unbekannter Fehler!";
    QTest::newRow("1") << 1 << "Message kann nicht auf ComPort gesendet werden!";
    QTest::newRow("2") << 2 << "Modul reagiert nicht";
    QTest::newRow("3") << 3 << "Programmierung des Wertes gescheitert";
    QTest::newRow("-1") << -1 << "Unbekannter Fehler!";
}

void TstLnLncv::fehlermeldungen()
{
    QFETCH(int, code);
    QFETCH(QString, meldung);
    prog_error_meldung(code);
    QCOMPARE(umgebung->boxen.size(), 1);
    QCOMPARE(umgebung->boxen[0].text, QStringLiteral("  Fehler:\r\n    ") + meldung);
    QCOMPARE(umgebung->boxen[0].titel, QStringLiteral("Fehler bei Lesen oder Programmieren eines Moduls"));
    QCOMPARE(umgebung->boxen[0].stil, Msg::NurOk | Msg::Kritisch);
}

void TstLnLncv::fahrreglerSenden()
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

QTEST_MAIN(TstLnLncv)
#include "tst_ln_lncv.moc"
