#include "PlacementTestDesk.h"

#include "config/SupplyServices.h"
#include "core/DeskMouse.h"
#include "core/EditModes.h"
#include "core/Words.h"

#include <QDir>
#include <QFile>

class TestPlacement : public QObject {
    Q_OBJECT
    PlacementTestDesk d;
    using I = PlacementTestDesk;

    static PultFeld& feld(int x, int y) { return PlacementTestDesk::feld(x, y); }
    static void setze(int x, int y, int16_t i) { PlacementTestDesk::setze(x, y, i); }
    static FlexGrid& plan() { return MainWin().Pult[0]; }
    static FlexGrid& elektrisch() { return MainWin().Pult[1]; }
    static FlexGrid& adressen() { return MainWin().PultAdr; }

    // The deletion as the Delete key does it: the delete tool at the field.
    static void loeschen(int x, int y) { setze(x, y, I::Loeschen); }

private slots:
    void init() { d.aufbauen(); }

    void placingDrawsTheElementInAllThreeGrids()
    {
        setze(3, 4, I::Weiche);
        QCOMPARE(feld(3, 4).ElementIndex, int16_t(I::Weiche));
        QCOMPARE(plan().CellPicture(4, 3), d.bild("w.bmp"));
        QCOMPARE(adressen().CellPicture(10, 3), d.bild("w.bmp"));
        QCOMPARE(elektrisch().CellPicture(4, 3), d.bild("gp_w.bmp"));
        QVERIFY(d.boxen.isEmpty());

        // A track piece has no base plate of its article: the connection
        // module that lay there goes with its picture and number.
        feld(3, 5).Grundplatte = 54430;
        feld(3, 5).Anschluss = 4;
        elektrische_Verbindungen_setzen(3, 5);
        QCOMPARE(elektrisch().CellPicture(5, 3) + elektrisch().Text(5, 3), d.bild("gp_am.bmp") + "4");
        setze(3, 5, I::Gleis);
        QCOMPARE(elektrisch().CellPicture(5, 3) + elektrisch().Text(5, 3), QString());

        // A base plate of its own goes before the element's.
        feld(3, 4).Grundplatte = 54640;
        elektrische_Verbindungen_setzen(3, 4);
        QCOMPARE(elektrisch().CellPicture(4, 3), d.bild("gp_k.bmp"));
        feld(2, 2).Grundplatte = 54640;
        elektrische_Verbindungen_setzen(2, 2);
        feld(2, 2).Grundplatte = 0;
        elektrische_Verbindungen_setzen(2, 2);
        QCOMPARE(elektrisch().CellPicture(2, 2), QString());
    }

    // The select tool and the empty element "Leer" (code 0) alike: codes below 1 place nothing.
    void toolsOtherThanDeleteLeaveTheFieldAndAskNothing()
    {
        setze(3, 3, I::Weiche);
        feld(3, 3).LNCV[11] = 300;
        const PultFeld vorher = feld(3, 3);
        for (int16_t werkzeug : {I::Auswahl, I::Leer}) {
            setze(3, 3, werkzeug);
            QCOMPARE(feld(3, 3), vorher);
        }
        QVERIFY(d.boxen.isEmpty());   // nothing was replaced, so no takeover question
        QCOMPARE(UndoMoeglich, int16_t(0));
    }

    void routeMemoriesTakeSlotsInOrderAndTheSixthIsRefused()
    {
        for (int i = 0; i < 5; ++i) {
            setze(i + 1, 1, I::FSSpeicherEl);
            QCOMPARE(feld(i + 1, 1).LNCV[0], int16_t(i));
            QCOMPARE((std::pair{FSSpeicher[size_t(i)].X, FSSpeicher[size_t(i)].Y}),
                     (std::pair<int16_t, int16_t>(i + 1, 1)));
        }
        QVERIFY(d.boxen.isEmpty());

        setze(7, 7, I::Weiche);
        setze(7, 7, I::FSSpeicherEl);
        QCOMPARE(d.boxen.size(), 1);
        QCOMPARE(d.boxen[0].text, QString("Achtung: Es können nur 5 Fahrstraßenmodule benutzt werden!"));
        QCOMPARE(d.boxen[0].titel, QString("Gleisplan"));
        QCOMPARE(d.boxen[0].stil, Msg::NurOk | Msg::Kritisch);
        QCOMPARE(feld(7, 7), LeerFeld);
        QCOMPARE(plan().CellPicture(7, 7) + adressen().CellPicture(19, 7), QString());
    }

    void replacingARouteMemoryTakesTheFirstFreeSlot()
    {
        for (int x = 1; x <= 4; ++x)
            setze(x, 2, I::FSSpeicherEl);
        FSSpeicher[2].LNCV[0] = 777;
        loeschen(2, 2);                        // frees slot 1
        QCOMPARE(FSSpeicher[1].X, int16_t(0));
        setze(3, 2, I::FSSpeicherEl);          // gives up slot 2, takes slot 1
        QCOMPARE(feld(3, 2).LNCV[0], int16_t(1));
        QCOMPARE(FSSpeicher[1].X, int16_t(3));
        QCOMPARE(FSSpeicher[2].X, int16_t(0));
        QCOMPARE(FSSpeicher[2].LNCV[0], int16_t(0));   // the freed image is cleared
        QCOMPARE(feld(1, 2).LNCV[0], int16_t(0));
        QCOMPARE(feld(4, 2).LNCV[0], int16_t(3));
    }

    void aSlotNumberOutOfRangeIsNotUsed()
    {
        setze(1, 1, I::FSSpeicherEl);
        setze(2, 1, I::FSSpeicherEl);
        FSSpeicher[1].LNCV[0] = 201;
        for (int16_t kaputt : {-3, 9, 0}) {   // out of range, or the slot of another field
            feld(2, 1).LNCV[0] = kaputt;
            QCOMPARE(fahrstrassenSpeicherSlot(2, 1), 1);
        }
        LoeschePultElement(2, 1);
        QCOMPARE(vorgemerkteLncvDateien(), QStringList{d.datei("54670_201.lcv")});
        QCOMPARE(FSSpeicher[0].X, int16_t(1));
        QCOMPARE(fahrstrassenSpeicherSlot(2, 1), -1);
    }

    void throttleGrowsUpward_data()
    {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("teile");
        QTest::newRow("row 1: bottom only") << 1 << 1;
        QTest::newRow("row 2: bottom and middle") << 2 << 2;
        QTest::newRow("row 3: all three") << 3 << 3;
        QTest::newRow("row 5: all three") << 5 << 3;
    }

    void throttleGrowsUpward()
    {
        QFETCH(int, zeile);
        QFETCH(int, teile);
        setze(4, zeile, I::Fahrregler);
        const QStringList bilder = {"fr0.bmp", "fr1.bmp", "fr2.bmp"};
        for (int i = 0; i < teile; ++i) {
            const int r = zeile - i;
            QCOMPARE(feld(4, r).Grundplatte, 54730 + i);
            QCOMPARE(feld(4, r).ElementIndex, int16_t(i == 0 ? I::Fahrregler : I::Leer));
            QCOMPARE(plan().CellPicture(r, 4), d.bild(bilder[i]));
            QCOMPARE(adressen().CellPicture(3 * r - 2, 4), d.bild(bilder[i]));
            QCOMPARE(elektrisch().CellPicture(r, 4), d.bild("gp_fr" + QString::number(i) + ".bmp"));
        }
        if (zeile > teile)
            QCOMPARE(feld(4, zeile - teile), LeerFeld);
        QCOMPARE(plan().Row, zeile - teile + 1);   // the cursor is left on the topmost part
        QCOMPARE(plan().Col, 4);
        QCOMPARE(feld(4, zeile).LNCV, LeerFeld.LNCV);
    }

    void throttleRemovesWhatStoodAboveIt()
    {
        setze(2, 1, I::Weiche);
        feld(2, 1).LNCV[0] = 7;
        setze(2, 2, I::FSSpeicherEl);
        FSSpeicher[0].LNCV[0] = 55;
        setze(2, 3, I::Fahrregler);
        QCOMPARE(FSSpeicher[0].X + FSSpeicher[0].Y, 0);     // the route memory gave up its slot
        QCOMPARE(feld(2, 2).Grundplatte, 54731);
        QCOMPARE(feld(2, 1).Grundplatte, 54732);
        QCOMPARE(feld(2, 1).LNCV[0], int16_t(0));
        QCOMPARE(vorgemerkteLncvDateien(), (QStringList{d.datei("54650_7.lcv"), d.datei("54670_55.lcv")}));
        setze(5, 5, I::FSSpeicherEl);
        QCOMPARE(feld(5, 5).LNCV[0], int16_t(0));    // slot 0 is free again
    }

    void deletingOrReplacingAThrottleClearsItsUpperParts()
    {
        setze(6, 3, I::Fahrregler);
        loeschen(6, 3);
        for (int r = 1; r <= 3; ++r) {
            QCOMPARE(feld(6, r), LeerFeld);
            QCOMPARE(plan().CellPicture(r, 6), QString());
            QCOMPARE(elektrisch().CellPicture(r, 6), QString());
            QCOMPARE(adressen().CellPicture(3 * r - 2, 6), QString());
        }
        QCOMPARE(UndoElement, int16_t(I::Fahrregler));
        QCOMPARE(UndoFeld.Grundplatte, 54730);

        setze(6, 3, I::Fahrregler);
        setze(6, 3, I::Weiche);
        QCOMPARE(feld(6, 2), LeerFeld);
        QCOMPARE(feld(6, 1), LeerFeld);
        QCOMPARE(plan().CellPicture(1, 6), QString());
        // A part overwritten by another element is no longer the throttle's: it stays.
        setze(6, 3, I::Fahrregler);
        setze(6, 2, I::Weiche);
        setze(6, 3, I::Gleis);
        QCOMPARE(feld(6, 2).ElementIndex, int16_t(I::Weiche));
        QCOMPARE(plan().CellPicture(2, 6), d.bild("w.bmp"));
    }

    void deletionFillsTheUndoBuffer()
    {
        setze(5, 6, I::Weiche);
        feld(5, 6).LNCV[0] = 12;
        feld(5, 6).LNCV[11] = 300;
        MainWin().setEnabled("UndoMenu", false);
        loeschen(5, 6);
        QCOMPARE(UndoMoeglich, int16_t(-1));
        QCOMPARE(UndoElement, int16_t(I::Weiche));
        QCOMPARE(UndoFeld.LNCV[11], int16_t(300));
        QCOMPARE((std::pair{UndoX, UndoY}), (std::pair<int16_t, int16_t>(5, 6)));
        QVERIFY(MainWin()["UndoMenu"].Enabled);
        QCOMPARE(feld(5, 6), LeerFeld);
        QCOMPARE(plan().CellPicture(6, 5) + elektrisch().CellPicture(6, 5), QString());
        QVERIFY(d.boxen.isEmpty());   // the file was never written: no message

        setze(1, 1, I::Signal);   // placing keeps the step
        QCOMPARE(UndoX, int16_t(5));
        undoVerwerfen();
        QCOMPARE(UndoMoeglich, int16_t(0));
        QVERIFY(!MainWin()["UndoMenu"].Enabled);
    }

    void undoOfARouteMemoryKeepsItsNewSlotAndItsValues()
    {
        setze(1, 1, I::FSSpeicherEl);            // slot 0
        setze(2, 1, I::FSSpeicherEl);            // slot 1
        FSSpeicher[0].LNCV[0] = 4321;
        FSSpeicher[0].LNCV[2045] = 17;
        loeschen(1, 1);
        QCOMPARE(FSSpeicher[0].LNCV[0], int16_t(0));
        setze(3, 1, I::FSSpeicherEl);            // takes slot 0 meanwhile

        // Ctrl+Z on another field: the route memory comes back with the next free slot.
        EditModus = 1;
        PultAufgebaut = true;
        AuswahlModus = true;
        plan().setzeZelle(5, 5);
        Pult_KeyUp(Qt::Key_Z, Qt::ControlModifier);
        AuswahlModus = false;
        QCOMPARE(feld(1, 1).ElementIndex, int16_t(I::FSSpeicherEl));
        QCOMPARE(feld(1, 1).LNCV[0], int16_t(2));
        QCOMPARE(fahrstrassenSpeicherSlot(1, 1), 2);
        QCOMPARE((std::pair{plan().Row, plan().Col}), (std::pair{5, 5}));
        QCOMPARE(FSSpeicher[2].LNCV[0], int16_t(4321));
        QCOMPARE(FSSpeicher[2].LNCV[2045], int16_t(17));
        QCOMPARE(FSSpeicher[0].X, int16_t(3));
        // The removed module is back under its address: its file must survive the save.
        d.dateiAnlegen("54670_4321.lcv");
        vorgemerkteLncvDateienLoeschen();
        QVERIFY(QFile::exists(d.datei("54670_4321.lcv")));
    }

    void partCodeOfAField_data()
    {
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("platte");
        QTest::addColumn<int>("code");
        QTest::newRow("empty field") << int(I::Leer) << 0 << 0;
        QTest::newRow("element without plate") << int(I::Weiche) << 0 << 54650;
        QTest::newRow("connection module not chosen") << int(I::Leer) << 54430 << 54430;
        QTest::newRow("old connection module") << int(I::Leer) << 54480 << 54430;
        QTest::newRow("current connection module") << int(I::Leer) << 54490 << 54430;
        QTest::newRow("cross board under an element") << int(I::Gleis) << 54640 << 54640;
        QTest::newRow("throttle middle part") << int(I::Leer) << 54731 << 54731;
    }

    void partCodeOfAField()
    {
        QFETCH(int, element);
        QFETCH(int, platte);
        QFETCH(int, code);
        feld(2, 3).ElementIndex = int16_t(element);
        feld(2, 3).Grundplatte = platte;
        QCOMPARE(get_artnr(2, 3), code);
        QCOMPARE(get_artnr(0, 3) + get_artnr(11, 3), 0);
    }

    void nextConnectionNumberIsTheSmallestFree()
    {
        QCOMPARE(get_next_anschluss_nummer(), 1);
        for (auto [x, platte, nummer] : {std::array{1, 54430, 1}, std::array{2, 54480, 2}, std::array{3, 54490, 4}}) {
            feld(x, 5).Grundplatte = platte;
            feld(x, 5).Anschluss = int16_t(nummer);
        }
        feld(9, 9).Anschluss = 3;              // a fed desk part, no module: does not count
        QCOMPARE(get_next_anschluss_nummer(), 3);
    }

    void supplyScanWithoutConnectionModuleSaysSo()
    {
        feld(4, 4).Anschluss = 2;
        Strom[2] = 150;
        auto_scan();
        QCOMPARE(d.boxen.size(), 1);
        QCOMPARE(d.boxen[0].text, QString("Kein Anschlussmodul vorhanden!\rBitte fügen Sie ein Anschlusmodul ein!"));
        QCOMPARE(d.boxen[0].titel, QString("Achtung!"));
        QCOMPARE(feld(4, 4).Anschluss, int16_t(0));
        QCOMPARE(Strom[2], 0.0);

        // Connection modules keep their numbers; one without a number is named and then counts as unfed.
        d.boxen.clear();
        feld(1, 2).Grundplatte = 54490;
        feld(1, 2).Anschluss = 5;
        feld(3, 6).Grundplatte = 54430;
        auto_scan();
        QCOMPARE(feld(1, 2).Anschluss, int16_t(5));
        QCOMPARE(d.boxen.size(), 2);
        QCOMPARE(d.boxen[0].text, QString("Das Anschlussmodul an der Pos. Spalte: 3 Zeile: 6 hat keine Nummerierung\r"
                                          "Bitte den Anschluss anklicken und nummerieren!"));
        QCOMPARE(d.boxen[1].text, QString("Es gibt Pultteile, die nicht gespeist werden!"));
    }

    void theSuppliedCatalogueGivesEveryModuleItsDefaults()
    {
        echtenKatalogLaden();
        pult_leeren();
        QCOMPARE(ElementKatalog[1].ElementNr, int16_t(-99));
        const auto erster = [](int32_t artikel) {
            for (int i = 0; i < KatalogAnzahl; ++i)
                if (ElementKatalog[size_t(i)].ArtikelNr == artikel)
                    return int16_t(i);
            return int16_t(-1);
        };
        const int16_t weiche = erster(54650), zugnummer = erster(54680), regler = erster(54730);
        QVERIFY(weiche > 0 && zugnummer > 0 && regler > 0);
        setze(1, 5, weiche);
        QCOMPARE(feld(1, 5).LNCV[14], int16_t((ElementKatalog[size_t(weiche)].ZusatzWert % 1000) / 4 + 48));
        setze(2, 5, zugnummer);
        QCOMPARE(feld(2, 5).LNCV[29], int16_t(6));
        setze(3, 5, regler);
        QCOMPARE(feld(3, 3).Grundplatte, 54732);
        for (int r = 3; r <= 5; ++r) {
            QVERIFY(QFile::exists(plan().CellPicture(r, 3)));
            QVERIFY(QFile::exists(elektrisch().CellPicture(r, 3)));
        }
        loeschen(1, 5);
        QCOMPARE(feld(1, 5), LeerFeld);
    }

    void removedModuleFilesAreDeletedOnlyAtTheNextSave()
    {
        d.dateiAnlegen("54650_7.lcv");
        d.dateiAnlegen("54660_8.lcv");
        setze(1, 1, I::Weiche);
        feld(1, 1).LNCV[0] = 7;
        setze(2, 1, I::Signal);
        feld(2, 1).LNCV[0] = 8;
        loeschen(1, 1);
        LoeschePultElement(2, 1);
        LoeschePultElement(3, 1);                // an empty field has no file
        QVERIFY(QFile::exists(d.datei("54650_7.lcv")));
        QCOMPARE(vorgemerkteLncvDateien(), (QStringList{d.datei("54650_7.lcv"), d.datei("54660_8.lcv")}));
        vorgemerkteLncvDateienLoeschen();
        QVERIFY(!QFile::exists(d.datei("54650_7.lcv")) && !QFile::exists(d.datei("54660_8.lcv")));
        QVERIFY(vorgemerkteLncvDateien().isEmpty());
        QVERIFY(d.boxen.isEmpty());
    }

    void aFileNameUsedAgainIsKept()
    {
        d.dateiAnlegen("54650_7.lcv");
        setze(1, 1, I::Weiche);
        feld(1, 1).LNCV[0] = 7;
        loeschen(1, 1);
        setze(4, 4, I::Weiche);
        feld(4, 4).LNCV[0] = 7;                  // a new turnout board gets the same address
        vorgemerkteLncvDateienLoeschen();
        QVERIFY(QFile::exists(d.datei("54650_7.lcv")));

        // Negative addresses name the file with a minus, as the saved files do.
        feld(4, 4).LNCV[0] = alsWort(65535);
        QCOMPARE(lncvDateiPfad(4, 4), d.datei("54650_-1.lcv"));
    }

    void aFailedDeletionIsReportedAndTheOthersGoOn()
    {
        QVERIFY(QDir(d.projekt.path()).mkpath("54650_9.lcv/inhalt"));   // cannot be removed as a file
        d.dateiAnlegen("54660_10.lcv");
        lncvDateiVormerken(d.datei("54650_9.lcv"));
        lncvDateiVormerken(d.datei("54660_10.lcv"));
        lncvDateiVormerken(d.datei("54680_11.lcv"));   // missing: no error
        vorgemerkteLncvDateienLoeschen();
        QCOMPARE(d.boxen.size(), 1);
        QVERIFY(d.boxen[0].text.startsWith("Die LNCV-Datei des entfernten Moduls\r\n"));
        QVERIFY(d.boxen[0].text.contains("54650_9.lcv") && d.boxen[0].text.contains("konnte nicht gelöscht werden"));
        QCOMPARE(d.boxen[0].titel, QString("Pult speichern"));
        QVERIFY(!QFile::exists(d.datei("54660_10.lcv")));
        QVERIFY(vorgemerkteLncvDateien().isEmpty());
    }

    void marksOfAnotherProjectOrADiscardedDeskAreNotDeleted()
    {
        QTemporaryDir anderes;
        const QString fremd = anderes.path() + "/54650_3.lcv";
        QVERIFY(QFile(fremd).open(QIODevice::WriteOnly));
        lncvDateiVormerken(fremd);               // saved under another folder ("save as")
        vorgemerkteLncvDateienLoeschen();
        QVERIFY(QFile::exists(fremd));

        d.dateiAnlegen("54650_4.lcv");
        lncvDateiVormerken(d.datei("54650_4.lcv"));
        vormerkungenVerwerfen();
        vorgemerkteLncvDateienLoeschen();
        QVERIFY(QFile::exists(d.datei("54650_4.lcv")));
    }
};

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
