#include "PlacementTestDesk.h"

#include "core/ModuleDefaults.h"
#include "core/Words.h"

class TestModuleDefaults : public QObject {
    Q_OBJECT
    PlacementTestDesk d;
    using I = PlacementTestDesk;

    static PultFeld& feld(int x, int y) { return PlacementTestDesk::feld(x, y); }
    static void setze(int x, int y, int16_t i) { PlacementTestDesk::setze(x, y, i); }

    static void alleOptionen()
    {
        PultDaten.PultOpt_ZS_AdrOpt = 1;
        PultDaten.PultOpt_HellStartOpt = 1;
        PultDaten.PultOpt_HellWert = 7;
        PultDaten.PultOpt_HellOpt = 1;
        PultDaten.PultOpt_TastenOpt = 1;
        PultDaten.PultOpt_StartReboot = 1;
        PultDaten.PultOpt_TastenProgZeit = 25;
        PultDaten.PultOpt_WeichenEinschalt = 40;
    }

    const QString ersetzenFrage = QStringLiteral("Sollen die Adresseinstellungen des alten Moduls,\r\n"
                                                 "     das sich an dieser Stelle befunden hat,    \r\n"
                                                 "          übernommen werden                 ");

private slots:
    void init() { d.aufbauen(); }

    void placementDefaultsByArticle_data()
    {
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("lncv");
        QTest::addColumn<int>("wert");
        QTest::newRow("turnout kind from 1234") << int(I::WeicheZusatz) << 15 << (234 & 31);
        QTest::newRow("turnout configuration from 1234") << int(I::WeicheZusatz) << 14 << 234 / 4 + 48;
        QTest::newRow("negative extra value: kind") << int(I::WeicheNegativ) << 15 << 27;
        QTest::newRow("negative extra value: configuration") << int(I::WeicheNegativ) << 14 << 47;
        QTest::newRow("signal configuration") << int(I::Signal) << 38 << 3;
        QTest::newRow("left-hand signal 65535 kept as word") << int(I::SignalLinks) << 38 << -1;
        QTest::newRow("train-number 29") << int(I::Zugnummer) << 29 << 6;
        QTest::newRow("3-button segment has no values") << int(I::DreiTasten) << 11 << 0;
    }

    void placementDefaultsByArticle()
    {
        QFETCH(int, element);
        QFETCH(int, lncv);
        QFETCH(int, wert);
        setze(3, 4, int16_t(element));
        QCOMPARE(int(feld(3, 4).LNCV[size_t(lncv)]), wert);
        QCOMPARE(feld(3, 4).LNCV[0], int16_t(0));   // no address without the option
    }

    void threeButtonSegmentIsLeftOutOfAutomaticNumbering()
    {
        setze(2, 2, I::DreiTasten);
        for (int nr : {11, 12, 13, 15, 16, 17, 39, 40, 41, 42, 43, 44})
            QCOMPARE(feld(2, 2).AutoFlag[size_t(nr)], uint8_t(0));
        for (int nr : {0, 14, 18, 38, 45, 127})
            QCOMPARE(feld(2, 2).AutoFlag[size_t(nr)], uint8_t(1));
        setze(2, 3, I::Weiche);
        QCOMPARE(feld(2, 3).AutoFlag[11], uint8_t(1));
    }

    void deskOptionsGoIntoEveryModule_data()
    {
        QTest::addColumn<int>("element");
        QTest::addColumn<QList<int>>("lncvs");   // pairs of number and value; all others as the empty field
        QTest::newRow("turnout board, defaults kept")
            << int(I::Weiche) << QList<int>{0, 403, 2, 7, 3, 1 + 2 + 64, 5, 25, 14, 5 / 4 + 48, 15, 5};
        QTest::newRow("3-button segment") << int(I::DreiTasten) << QList<int>{0, 403, 2, 7, 3, 67, 5, 25};
        QTest::newRow("train-number display: address, brightness, two bits")
            << int(I::Zugnummer) << QList<int>{0, 403, 2, 7, 3, 3, 11, 1, 28, 1, 29, 6};
        QTest::newRow("track piece takes none") << int(I::Gleis) << QList<int>{};
        QTest::newRow("throttle takes none") << int(I::Fahrregler) << QList<int>{};
    }

    void deskOptionsGoIntoEveryModule()
    {
        QFETCH(int, element);
        QFETCH(QList<int>, lncvs);
        alleOptionen();
        setze(3, 4, int16_t(element));
        auto soll = LeerFeld.LNCV;
        for (qsizetype i = 0; i + 1 < lncvs.size(); i += 2)
            soll[size_t(lncvs[i])] = int16_t(lncvs[i + 1]);
        QCOMPARE(feld(3, 4).LNCV, soll);
    }

    void optionsOffClearBitsWithAnEightBitMask()
    {
        setze(2, 2, I::Signal);
        feld(2, 2).LNCV[3] = 321;                   // bits 0, 6 and 8
        feld(2, 2).LNCV[0] = 55;
        PultDaten.PultOpt_StartReboot = 1;
        set_modul_optionen(2, 2);
        QCOMPARE(feld(2, 2).LNCV[3], int16_t(64));
        QCOMPARE(feld(2, 2).LNCV[0], int16_t(55));  // address kept without the option

        // Setting bits keeps the upper byte, also of values of 32768 and more.
        alleOptionen();
        feld(2, 2).LNCV[3] = alsWort(0x8100);
        set_modul_optionen(2, 2);
        QCOMPARE(Int_to_UWord(feld(2, 2).LNCV[3]), 0x8100 | 67);
    }

    void routeMemoryOptionsGoIntoItsImage()
    {
        alleOptionen();
        setze(1, 1, I::FSSpeicherEl);
        setze(3, 2, I::FSSpeicherEl);
        const auto& bild = FSSpeicher[1].LNCV;
        QCOMPARE(bild[0], int16_t(203));
        QCOMPARE(bild[2], int16_t(40));
        QCOMPARE(bild[3], int16_t(64));
        QCOMPARE(bild[4], int16_t(5443));
        QCOMPARE(feld(3, 2).LNCV[0], int16_t(1));   // the field keeps its slot
        QCOMPARE(FSSpeicher[0].LNCV[0], int16_t(101));

        // Confirming the desk settings again keeps the start-up position in the low bits.
        FSSpeicher[1].LNCV[3] = int16_t(64 | 5);
        PultDaten.PultOpt_ZS_AdrOpt = 0;
        set_modul_optionen(3, 2);
        set_modul_optionen(3, 2);
        QCOMPARE(bild[3], int16_t(69));
        QCOMPARE(bild[0], int16_t(203));
    }

    void aRouteMemoryWithoutSlotWritesNoImage()
    {
        alleOptionen();
        setze(1, 1, I::FSSpeicherEl);
        feld(5, 5) = LeerFeld;
        feld(5, 5).ElementIndex = I::FSSpeicherEl;  // as a damaged project could leave it
        set_modul_optionen(5, 5);
        QCOMPARE(FSSpeicher[0].LNCV[0], int16_t(101));
        QCOMPARE(FSSpeicher[1].LNCV[4], int16_t(0));
    }

    void replacingAModuleOffersItsAddresses_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::newRow("Ja") << int(Msg::Ja);
        QTest::newRow("Nein") << int(Msg::Nein);
    }

    void replacingAModuleOffersItsAddresses()
    {
        QFETCH(int, antwort);
        d.antwort = antwort;
        setze(2, 2, I::SignalHsRs);
        PultFeld& f = feld(2, 2);
        for (int nr : {21, 28, 37, 39, 40, 41, 30, 34})   // 30 and 34 are no addresses: never copied
            f.LNCV[size_t(nr)] = int16_t(nr);
        f.LNCV[31] = 100;
        f.LNCV[33] = 200;
        f.LNCV[80] = alsWort(65000);
        setze(2, 2, I::SignalHsRs);
        QCOMPARE(d.boxen.size(), 1);
        QCOMPARE(d.boxen[0].text, ersetzenFrage);
        QCOMPARE(d.boxen[0].titel, QString("Modul ersetzen"));
        QCOMPARE(d.boxen[0].stil, Msg::JaNein | Msg::Information);
        const bool ja = antwort == Msg::Ja;
        for (int nr : {21, 28, 37, 39, 40, 41})
            QCOMPARE(int(f.LNCV[size_t(nr)]), ja ? nr : 0);
        QCOMPARE(Int_to_UWord(f.LNCV[80]), ja ? 65000 : 0);
        QCOMPARE(f.LNCV[31], int16_t(ja ? 100 : 0));   // only the main signal address
        QCOMPARE(f.LNCV[33], int16_t(0));
        QCOMPARE(f.LNCV[30], int16_t(0));
        QCOMPARE(f.LNCV[34], int16_t(0));
        QCOMPARE(f.LNCV[38], int16_t(7));            // the defaults of the new element stay
    }

    void theSignalAddressFollowsTheNewElement_data()
    {
        QTest::addColumn<int>("neu");
        QTest::addColumn<int>("kopiert");
        QTest::newRow("main signal") << int(I::Signal) << 31;
        QTest::newRow("distant signal") << int(I::Vorsignal) << 32;
        QTest::newRow("shunting signal") << int(I::Rangiersignal) << 33;
    }

    void theSignalAddressFollowsTheNewElement()
    {
        QFETCH(int, neu);
        QFETCH(int, kopiert);
        setze(3, 3, I::SignalHsRs);
        for (int nr : {31, 32, 33})
            feld(3, 3).LNCV[size_t(nr)] = int16_t(nr * 10);
        setze(3, 3, int16_t(neu));   // a rotation places the next element the same way
        QCOMPARE(d.boxen.size(), 1);
        for (int nr : {31, 32, 33})
            QCOMPARE(int(feld(3, 3).LNCV[size_t(nr)]), nr == kopiert ? nr * 10 : 0);
    }

    void whenTheQuestionIsAsked_data()
    {
        QTest::addColumn<int>("alt");
        QTest::addColumn<int>("lncv");
        QTest::addColumn<int>("wert");
        QTest::addColumn<int>("neu");
        QTest::addColumn<bool>("frage");
        QTest::newRow("turnout by turnout, address set") << int(I::Weiche) << 24 << 5 << int(I::WeicheZusatz) << true;
        QTest::newRow("value of 32768 and more counts as set") << int(I::Weiche) << 11 << 40000 << int(I::Weiche)
                                                               << true;
        QTest::newRow("turnout by turnout, only its address LNCV 0") << int(I::Weiche) << 0 << 5 << int(I::Weiche)
                                                                     << false;
        QTest::newRow("turnout by signal board") << int(I::Weiche) << 11 << 5 << int(I::Signal) << false;
        QTest::newRow("signal board by left-hand board") << int(I::Signal) << 31 << 5 << int(I::SignalLinks) << false;
        QTest::newRow("route slot alone") << int(I::Signal) << 60 << 5 << int(I::Rangiersignal) << true;
        QTest::newRow("3-button segment never asks") << int(I::DreiTasten) << 11 << 5 << int(I::DreiTasten)
                                                     << false;
        QTest::newRow("train-number display: its default receiver") << int(I::Zugnummer) << 0 << 0
                                                                    << int(I::Zugnummer) << true;
        QTest::newRow("deleting never asks") << int(I::Weiche) << 11 << 5 << int(I::Loeschen) << false;
    }

    void whenTheQuestionIsAsked()
    {
        QFETCH(int, alt);
        QFETCH(int, lncv);
        QFETCH(int, wert);
        QFETCH(int, neu);
        QFETCH(bool, frage);
        setze(4, 4, int16_t(alt));
        feld(4, 4).LNCV[size_t(lncv)] = alsWort(wert);
        setze(4, 4, int16_t(neu));
        QCOMPARE(d.boxen.size(), frage ? 1 : 0);
        if (frage && lncv != 0)
            QCOMPARE(Int_to_UWord(feld(4, 4).LNCV[size_t(lncv)]), wert);
    }
};

QTEST_MAIN(TestModuleDefaults)
#include "tst_module_defaults.moc"
