// Clicks in the edit modes beyond the track plan: the address grid's
// dialogs, route definition, the LNCV table and the electrical view.
#include "DeskEditingTestDesk.h"

#include "config/SupplyServices.h"

class TestDeskEditModes : public QObject, DeskEditingTestDesk {
    Q_OBJECT

private slots:
    void initTestCase() { aufbauen(); }
    void init() { leeren(); }

    void addressGridClickOpensTheDialog_data()
    {
        QTest::addColumn<int>("modus");
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("dialog");   // -1 = none
        QTest::newRow("3 turnout") << 3 << int(Weiche) << int(Dialog::Weichen_Form);
        QTest::newRow("3 uncoupler") << 3 << int(Entkuppler) << int(Dialog::Tasten_Form);
        QTest::newRow("3 signal") << 3 << int(Signal) << -1;
        QTest::newRow("4 signal") << 4 << int(Signal) << int(Dialog::Signal_Form);
        QTest::newRow("4 second family") << 4 << int(Signal2) << int(Dialog::Signal_Form);
        QTest::newRow("5 3-button") << 5 << int(Drei) << int(Dialog::Ausl_Form);
        QTest::newRow("6 joystick") << 6 << int(Joy) << int(Dialog::Ausl_Form);
        QTest::newRow("7 key") << 7 << int(Taste) << int(Dialog::Tasten_Form);
        QTest::newRow("7 3-button") << 7 << int(Drei) << int(Dialog::T3Mod_Form);
        QTest::newRow("7 joystick") << 7 << int(Joy) << int(Dialog::Joy_Form);
        QTest::newRow("7 signal") << 7 << int(Signal) << int(Dialog::Signal_Form);
        QTest::newRow("8 destination key") << 8 << int(Zieltaste) << int(Dialog::Fahrstr_Form);
        QTest::newRow("9 display") << 9 << int(Anzeige) << int(Dialog::Zivra_Form);
        QTest::newRow("9 straight") << 9 << int(Gerade) << -1;
    }
    void addressGridClickOpensTheDialog()
    {
        QFETCH(int, modus);
        QFETCH(int, element);
        QFETCH(int, dialog);
        setzeAn(element, 4, 3);
        EditModus = modus;
        ChangeEditMode();
        PultAdr_MouseDown(Qt::LeftButton, 3 * 3 - 1, 4);   // second row: nothing
        PultAdr_MouseDown(Qt::RightButton, 3 * 3 - 2, 4);
        QVERIFY(geoeffnet.isEmpty());
        PultAdr_MouseDown(Qt::LeftButton, 3 * 3 - 2, 4);
        if (dialog < 0) {
            QVERIFY(geoeffnet.isEmpty());
        } else {
            QCOMPARE(geoeffnet.size(), 1);
            QCOMPARE(int(geoeffnet[0]), dialog);
            QCOMPARE(AktFeldX, int16_t(4));
            QCOMPARE(AktFeldY, int16_t(3));
        }
    }

    void routeDefinitionTakesAnyField()
    {
        EditModus = 8;
        ChangeEditMode();
        FSinArbeit = true;
        FSKlick = 0;
        PultAdr_MouseDown(Qt::LeftButton, 3 * 5 - 2, 7);
        QCOMPARE(FSKlick, int16_t(1));
        QCOMPARE((std::pair{FSKlickX, FSKlickY}), (std::pair<int16_t, int16_t>(7, 5)));
        QVERIFY(geoeffnet.isEmpty());
    }

    void tableModeOpensTheLncvTableOfModules()
    {
        setzeAn(Weiche, 2, 2);
        setzeAn(Gerade, 3, 2);
        EditModus = 10;
        ChangeEditMode();
        klick(3, 2);
        QVERIFY(geoeffnet.isEmpty());
        klick(2, 2);
        QCOMPARE(geoeffnet, QList<Dialog>{Dialog::LNCV_Tab});
    }

    void connectionModulesAreNumberedUpToTwenty()
    {
        PultdimensionenX = 30;
        PultdimensionenY = 1;
        pult_leeren();
        EditModus = 2;
        ChangeEditMode();
        Elemente_Click(1, 0, PModul);
        for (int x = 1; x <= 21; ++x)
            Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, x);
        QCOMPARE(feld(20, 1).Anschluss, int16_t(20));
        QCOMPARE(MainWin().Pult[1].Text(1, 20), QString("20"));
        QCOMPARE(feld(21, 1).Grundplatte, 0);
        QCOMPARE(boxen.last().text, QString("Es können höchstens 20 Anschlussmodule benutzt werden!"));
        QVERIFY(boxen[0].text.startsWith("Das Anschlussmodul hat die Modulnummer 1\r"));
        // A board laid over a connection module takes its number away.
        Elemente_Click(1, 0, PPlatte);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 5);
        QCOMPARE(feld(5, 1).Grundplatte, 54642);
        QCOMPARE(feld(5, 1).Anschluss, int16_t(0));
        QCOMPARE(get_next_anschluss_nummer(), 5);
        Elemente_Click(1, 0, PLoeschen);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 6);
        QCOMPARE(feld(6, 1).Grundplatte, 0);
        QCOMPARE(MainWin().Pult[1].Text(1, 6), QString("   "));
        QCOMPARE(MainWin().Pult[1].CellPicture(1, 6), QString());
    }

    // Placing an element on a connection module, or deleting it in the track
    // plan, takes its number and picture out of the electrical view: the next
    // module gets the freed number and each number is seen once.
    void replacedConnectionModulesFreeTheirNumbers()
    {
        EditModus = 2;
        ChangeEditMode();
        Elemente_Click(1, 0, PModul);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 1);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 2);
        EditModus = 1;
        ChangeEditMode();
        setzeAn(Weiche, 1, 1);
        setzeAn(Loeschen, 2, 1);
        QCOMPARE((QList<int>{feld(1, 1).Anschluss, feld(2, 1).Grundplatte}), (QList<int>{0, 0}));
        EditModus = 2;
        ChangeEditMode();
        Elemente_Click(1, 0, PModul);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 3);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 4);
        QStringList texte, bilder;
        for (int x = 1; x <= 4; ++x) {
            texte << MainWin().Pult[1].Text(1, x);
            bilder << MainWin().Pult[1].CellPicture(1, x).remove(KonfVerz);
        }
        QCOMPARE(texte, (QStringList{"", "", "1", "2"}));
        QCOMPARE(bilder, (QStringList{"", "", "am.bmp", "am.bmp"}));
    }

    // The delete tool of the electrical view leaves every part of a throttle.
    void electricalDeleteLeavesAThrottleWhole()
    {
        setzeAn(Fahrregler, 4, 5);
        EditModus = 2;
        ChangeEditMode();
        Elemente_Click(1, 0, PLoeschen);
        for (int y = 3; y <= 5; ++y)
            Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, y, 4);
        QCOMPARE((QList<int>{feld(4, 3).Grundplatte, feld(4, 4).Grundplatte, feld(4, 5).ElementIndex}),
                 (QList<int>{54732, 54731, Fahrregler}));
        QCOMPARE(feld(4, 3).Geaendert + feld(4, 4).Geaendert, 1);   // only the part the placement marked
    }

    void boardsOnlyOnEmptyOrIlluminatedFields()
    {
        setzeAn(Weiche, 2, 1);
        EditModus = 2;
        ChangeEditMode();
        Elemente_Click(1, 0, PKreuz);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 2);
        Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, 1, 3);
        QCOMPARE(feld(2, 1).Grundplatte, 0);
        QCOMPARE(feld(3, 1).Grundplatte, 54640);
        QCOMPARE(feld(3, 1).Geaendert, int16_t(1));
        QCOMPARE(MainWin().Pult[1].CellPicture(1, 3), KonfVerz + "kreuz.bmp");
    }
};

QTEST_MAIN(TestDeskEditModes)
#include "tst_desk_edit_modes.moc"
