// Editing the track plan: placing elements and throttles, marking, copy,
// cut and paste, rotation, and the edit menu's states.
#include "DeskEditingTestDesk.h"

#include "core/Rotation.h"
#include "project/PendingLncvDeletions.h"

class TestDeskEditing : public QObject, DeskEditingTestDesk {
    Q_OBJECT

    // The ways a throttle comes onto a desk field: a click on field (x, y),
    // Ctrl+V of the clipboard with (x, y) the top left field, and Ctrl+Z of a
    // deleted one, wherever the cursor stands.
    enum Weg { Klick, Einsetzen, Rueckgaengig };
    static void platziereFahrregler(Weg weg, int x, int y)
    {
        if (weg == Klick) {
            setzeAn(Fahrregler, x, y);
            return;
        }
        waehle(Auswahl);
        if (weg == Einsetzen)
            plan().setzeZelle(y, x);
        Pult_KeyUp(weg == Einsetzen ? Qt::Key_V : Qt::Key_Z, Qt::ControlModifier);
    }


private slots:
    void initTestCase() { aufbauen(); }
    void init() { leeren(); }

    void placingMarksTheFieldAndSelectingDoesNot()
    {
        setzeAn(Weiche, 3, 2);
        QCOMPARE(feld(3, 2).ElementIndex, int16_t(Weiche));
        QCOMPARE(feld(3, 2).Geaendert, int16_t(1));
        QCOMPARE(plan().CellPicture(2, 3), KonfVerz + "w.bmp");
        QCOMPARE(MainWin().InfoTxt1, QString(" Zeile:  2 - Spalte:  3  : Weiche"));
        waehle(Auswahl);
        Pult_MouseDown(0, Qt::LeftButton, Qt::NoModifier, 5, 5);
        QCOMPARE(feld(5, 5).Geaendert, int16_t(0));
        QCOMPARE(MainWin().InfoTxt1, QString(" Zeile:  5 - Spalte:  5  : "));
        QVERIFY(!MainWin()["EleDrehenMenu"].Enabled);
        Pult_MouseDown(0, Qt::LeftButton, Qt::NoModifier, 2, 3);
        QVERIFY(MainWin()["EleDrehenMenu"].Enabled);
    }

    // "Leer" (the selection after every mode change) and the select tool only
    // look at a field: no changed flag, no route warning.
    void lookingAtAFieldChangesNothing_data()
    {
        QTest::addColumn<int>("auswahl");
        QTest::newRow("Leer") << -1;
        QTest::newRow("Auswahl") << int(Auswahl);
    }
    void lookingAtAFieldChangesNothing()
    {
        QFETCH(int, auswahl);
        setzeAn(Weiche, 3, 2);
        feld(3, 2).Geaendert = 0;   // as loaded
        ChangeEditMode();
        if (auswahl >= 0)
            waehle(auswahl);
        const PultFeld vorher = feld(3, 2);
        FSAnzahl = 0;   // a route exists
        klick(3, 2);
        klick(5, 5);
        FSAnzahl = -1;
        QCOMPARE(feld(3, 2), vorher);
        QCOMPARE(feld(5, 5).Geaendert, int16_t(0));
        QVERIFY(boxen.isEmpty());
        QCOMPARE(MainWin().InfoTxt1, QString(" Zeile:  5 - Spalte:  5  : "));
    }

    void placingAThrottleDescribesItsTopmostPart()
    {
        setzeAn(Fahrregler, 4, 5);
        QCOMPARE(feld(4, 5).ElementIndex, int16_t(Fahrregler));
        QCOMPARE(plan().Row, 3);
        QCOMPARE(feld(4, 3).Geaendert, int16_t(1));
        QCOMPARE(MainWin().InfoTxt1, QString(" Zeile:  3 - Spalte:  4  : "));
        QVERIFY(!MainWin()["EleDrehenMenu"].Enabled);   // a rotation would act on the empty top part
    }

    // A throttle also takes the two fields above its own: elements there (a
    // signal on an even row, a turnout on an odd one) are removed only after
    // the user said "Ja", be the throttle placed by a click, pasted or brought
    // back by undo; "Nein" leaves the desk as it was. A paste fills its block
    // without asking, so only elements beyond the block are named, in one
    // question for all throttles of the paste.
    void placingAThrottleOverElementsAsksFirst_data()
    {
        QTest::addColumn<int>("weg");             // Klick, Einsetzen or Rueckgaengig
        QTest::addColumn<int>("zeile");           // the throttle's own row, column 4
        QTest::addColumn<QList<int>>("belegt");   // rows holding an element, in each throttle's column
        QTest::addColumn<int>("regler");          // throttles pasted side by side from column 4
        QTest::addColumn<int>("markiert");        // rows of the pasted block above the throttle's own
        QTest::addColumn<int>("antwort");
        QTest::addColumn<QStringList>("genannt"); // fields the question names; none when not asked
        const int ja = Msg::Ja, nein = Msg::Nein;
        const QString s4 = "   Zeile 4, Spalte 4: Signal", w3 = "   Zeile 3, Spalte 4: Weiche";
        QTest::newRow("click: free above, placed without a question")
            << int(Klick) << 5 << QList<int>{} << 1 << 0 << nein << QStringList{};
        QTest::newRow("click: element in the field above, Nein")
            << int(Klick) << 5 << QList<int>{4} << 1 << 0 << nein << QStringList{s4};
        QTest::newRow("click: element two fields above, Nein")
            << int(Klick) << 5 << QList<int>{3} << 1 << 0 << nein << QStringList{w3};
        QTest::newRow("click: elements in both fields, Ja")
            << int(Klick) << 5 << QList<int>{4, 3} << 1 << 0 << ja << QStringList{s4, w3};
        QTest::newRow("click: element three fields above stays, no question")
            << int(Klick) << 5 << QList<int>{2} << 1 << 0 << nein << QStringList{};
        QTest::newRow("click: row 2, only the field above, Nein")
            << int(Klick) << 2 << QList<int>{1} << 1 << 0 << nein << QStringList{"   Zeile 1, Spalte 4: Weiche"};
        QTest::newRow("paste: free above, pasted without a question")
            << int(Einsetzen) << 5 << QList<int>{} << 1 << 0 << nein << QStringList{};
        QTest::newRow("paste: element three fields above stays, no question")
            << int(Einsetzen) << 5 << QList<int>{2} << 1 << 0 << nein << QStringList{};
        QTest::newRow("paste: elements in both fields, Nein")
            << int(Einsetzen) << 5 << QList<int>{4, 3} << 1 << 0 << nein << QStringList{s4, w3};
        QTest::newRow("paste: elements in both fields, Ja")
            << int(Einsetzen) << 5 << QList<int>{4, 3} << 1 << 0 << ja << QStringList{s4, w3};
        // The throttle's upper parts copied along are empty fields: they leave what stands there.
        QTest::newRow("paste: field above inside the block, both named, Nein")
            << int(Einsetzen) << 5 << QList<int>{4, 3} << 1 << 1 << nein << QStringList{s4, w3};
        QTest::newRow("paste: field above inside the block, both named, Ja")
            << int(Einsetzen) << 5 << QList<int>{4, 3} << 1 << 1 << ja << QStringList{s4, w3};
        QTest::newRow("paste: the whole throttle's block, Nein")
            << int(Einsetzen) << 5 << QList<int>{4, 3} << 1 << 2 << nein << QStringList{s4, w3};
        QTest::newRow("paste: two throttles, one question naming all, Nein")
            << int(Einsetzen) << 5 << QList<int>{4, 3} << 2 << 0 << nein
            << QStringList{s4, w3, "   Zeile 4, Spalte 5: Signal", "   Zeile 3, Spalte 5: Weiche"};
        QTest::newRow("paste: two throttles, one question naming all, Ja")
            << int(Einsetzen) << 5 << QList<int>{4} << 2 << 0 << ja
            << QStringList{s4, "   Zeile 4, Spalte 5: Signal"};
        QTest::newRow("undo: free above, restored without a question")
            << int(Rueckgaengig) << 5 << QList<int>{} << 1 << 0 << nein << QStringList{};
        QTest::newRow("undo: element in the field above, Nein")
            << int(Rueckgaengig) << 5 << QList<int>{4} << 1 << 0 << nein << QStringList{s4};
        QTest::newRow("undo: elements in both fields, Ja")
            << int(Rueckgaengig) << 5 << QList<int>{4, 3} << 1 << 0 << ja << QStringList{s4, w3};
        QTest::newRow("undo: row 2, only the field above, Nein")
            << int(Rueckgaengig) << 2 << QList<int>{1} << 1 << 0 << nein << QStringList{"   Zeile 1, Spalte 4: Weiche"};
    }

    void placingAThrottleOverElementsAsksFirst()
    {
        QFETCH(int, weg);
        QFETCH(int, zeile);
        QFETCH(QList<int>, belegt);
        QFETCH(int, regler);
        QFETCH(int, markiert);
        QFETCH(int, antwort);
        QFETCH(QStringList, genannt);
        if (weg == Einsetzen) {
            // The throttles' own fields in columns 2 and 3 (the second one empty for one throttle).
            for (int x = 2; x < 2 + regler; ++x)
                setzeAn(Fahrregler, x, zeile);
            markiere(2, zeile - markiert, 3, zeile);
            Cntrl_C_X(0);
        } else if (weg == Rueckgaengig) {
            setzeAn(Fahrregler, 4, zeile);
            setzeAn(Loeschen, 4, zeile);
        }
        const QList<int> spalten = regler == 2 ? QList<int>{4, 5} : QList<int>{4};
        for (int x : spalten)
            for (int r : belegt) {
                setzeAn(r % 2 == 0 ? Signal : Weiche, x, r);
                feld(x, r).LNCV[11] = int16_t(100 * x + r);
            }
        boxen.clear();
        vormerkungenVerwerfen();
        const QList<PultFeld> vorher = pultInhalt();
        this->antwort = antwort;
        const auto cursor = weg == Rueckgaengig ? std::pair{9, 8} : std::pair{4, zeile - markiert};
        plan().setzeZelle(cursor.second, cursor.first);
        const QString info = MainWin().InfoTxt1;
        platziereFahrregler(Weg(weg), 4, zeile - markiert);

        QCOMPARE(boxen.size(), genannt.isEmpty() ? 0 : 1);
        if (!genannt.isEmpty()) {
            // One throttle is asked about in the singular, throttles in two columns in the plural.
            const bool mehrere = !genannt.filter("Spalte 5").isEmpty();
            const QString frage = "Ein Fahrregler ist 3 Felder hoch und nimmt auch die Felder über dem Feld ein, "
                                  "auf das er gesetzt wird.\r\n"
                                  "Diese Elemente darüber werden mit ihren LNCV-Werten entfernt:\r\n"
                + genannt.join("\r\n")
                + (mehrere ? "\r\nSollen die Fahrregler trotzdem gesetzt werden?"
                           : "\r\nSoll der Fahrregler trotzdem gesetzt werden?");
            QCOMPARE(boxen[0].text, frage);
            QCOMPARE(boxen[0].titel, QString("Gleisplan"));
            QCOMPARE(boxen[0].stil, Msg::JaNein | Msg::Frage);
        }
        if (!genannt.isEmpty() && antwort == Msg::Nein) {
            QVERIFY(pultInhalt() == vorher);
            QCOMPARE((std::pair{plan().Col, plan().Row}), cursor);
            QCOMPARE(MainWin().InfoTxt1, info);
            QVERIFY(vorgemerkteLncvDateien().isEmpty());
            if (weg == Rueckgaengig) {   // the step stays and can be taken later
                QVERIFY(MainWin()["UndoMenu"].Enabled);
                this->antwort = Msg::Ja;
                platziereFahrregler(Rueckgaengig, 4, zeile);
                QCOMPARE(feld(4, zeile).ElementIndex, int16_t(Fahrregler));
            }
            return;
        }
        qsizetype entfernt = 0;
        for (int x : spalten) {
            QCOMPARE(feld(x, zeile).ElementIndex, int16_t(Fahrregler));
            for (int r = 1; r < zeile; ++r) {
                const int teil = zeile - r;   // 1 middle, 2 top
                if (teil <= 2)
                    QCOMPARE(feld(x, r).Grundplatte, 54730 + teil);
                else
                    QCOMPARE(feld(x, r), vorher[index(x, r)]);
                entfernt += teil <= 2 && belegt.contains(r);
            }
        }
        QCOMPARE(vorgemerkteLncvDateien().size(), entfernt);
    }

    void aMarkDoesNotOutliveTheDeskSize()
    {
        setzeAn(Weiche, 9, 7);
        markiere(8, 6, 10, 8);
        QVERIFY(Markiert);
        TestDesk::neuesPult(5, 5);   // fields beyond the new desk still hold the old ones
        waehle(Auswahl);
        Cntrl_C_X(67);
        QVERIFY(!ClipVoll);
        QVERIFY(!MainWin()["CopyMenu"].Enabled);
    }

    void clicksOutsideTheCellsDoNothing()
    {
        waehle(Weiche);
        for (auto [x, y] : {std::pair{0, 3}, std::pair{3, 0}, std::pair{11, 3}, std::pair{3, 9}, std::pair{-1, -1}})
            klick(x, y);
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 8; ++y)
                QVERIFY(feld(x, y) == LeerFeld);
    }

    void lockedPlanOnlyPicksModules()
    {
        PultOptGPLocked = true;
        GleisPlan_Lock_Unlock();
        waehle(Weiche);
        klick(4, 4);
        QCOMPARE(feld(4, 4).ElementIndex, LeerIndex);
        QVERIFY(!ModulWahlOK);
        ModulWahl = true;
        klick(4, 4);
        QVERIFY(ModulWahlOK);
        QCOMPARE((std::pair{ModulWahlX, ModulWahlY}), (std::pair<int16_t, int16_t>(4, 4)));
    }

    void copyAndPaste_data()
    {
        QTest::addColumn<int>("option");
        QTest::newRow("addresses from the position") << 1;
        QTest::newRow("addresses kept") << 0;
    }
    void copyAndPaste()
    {
        QFETCH(int, option);
        setzeAn(Weiche, 2, 2);
        feld(2, 2).LNCV[11] = 55;
        feld(2, 2).LNCV[0] = 77;
        setzeAn(Signal, 3, 2);
        markiere(2, 2, 3, 2);
        QVERIFY(Markiert);
        QVERIFY(MainWin()["CopyMenu"].Enabled);
        Cntrl_C_X(0);
        QVERIFY(ClipVoll);
        PultDaten.PultOpt_ZS_AdrOpt = int16_t(option);
        plan().setzeZelle(5, 9);   // right column lands on the last column
        Cntrl_V();
        QVERIFY(boxen.isEmpty());
        QCOMPARE(feld(9, 5).ElementIndex, int16_t(Weiche));
        QCOMPARE(feld(9, 5).LNCV[11], int16_t(55));
        QCOMPARE(feld(9, 5).LNCV[0], int16_t(option ? 9 + 500 : 77));
        QCOMPARE(feld(10, 5).LNCV[0], int16_t(option ? 10 + 500 : 203));
        QCOMPARE(feld(10, 5).Geaendert, int16_t(1));
        QCOMPARE(plan().Col, 10);
    }

    void whatDoesNotFitIsRefused()
    {
        setzeAn(Weiche, 2, 2);
        markiere(2, 2, 3, 3);
        Cntrl_C_X(0);
        plan().setzeZelle(3, 10);
        Cntrl_V();
        QCOMPARE(boxen.size(), 1);
        QCOMPARE(boxen[0].titel, QString("Fehler beim Einsetzen"));
        QCOMPARE(boxen[0].text, QString("Der gespeicherter Teil kann hier nicht eingesetzt werden,\r\n"
                                        "         da er zu groß für diese Position ist!          "));
        QCOMPARE(feld(10, 3).ElementIndex, LeerIndex);

        // The clipboard holds at most 51 columns.
        PultdimensionenX = 60;
        pult_leeren();
        clipboardLeeren();
        markiere(1, 1, 52, 2);
        Cntrl_C_X(0);
        QVERIFY(!ClipVoll);
        QCOMPARE(boxen.size(), 2);
        markiere(1, 1, 51, 2);
        Cntrl_C_X(0);
        QVERIFY(ClipVoll);
        QCOMPARE(ClipDX, int16_t(50));
    }

    void cutEmptiesTheRectangleAndCannotBeUndone()
    {
        setzeAn(Weiche, 2, 2);
        setzeAn(Signal, 2, 3);
        markiere(2, 2, 2, 3);
        Cntrl_C_X(88);
        QCOMPARE(feld(2, 2).ElementIndex, LeerIndex);
        QCOMPARE(feld(2, 3).ElementIndex, LeerIndex);
        QCOMPARE(feld(2, 3).Geaendert, int16_t(1));
        QCOMPARE(ClipPult[0][1].ElementIndex, int16_t(Signal));
        QCOMPARE(UndoMoeglich, int16_t(0));
    }

    void rotationWalksTheFamilyAndWraps()
    {
        setzeAn(Weiche, 3, 3);
        const int folge[] = {Weiche90, Weiche180, Weiche};
        for (int erwartet : folge) {
            klick(3, 3, Qt::RightButton);
            QCOMPARE(feld(3, 3).ElementIndex, int16_t(erwartet));
            QCOMPARE(feld(3, 3).Geaendert, int16_t(1));
        }
        QCOMPARE(naechsteDrehung(LeerIndex), int(LeerIndex));
        QCOMPARE(naechsteDrehung(Signal), int(Signal));
        QCOMPARE(naechsteDrehung(500), 500);
        klick(6, 6, Qt::RightButton);
        QVERIFY(feld(6, 6) == LeerFeld);
    }

    void editCommandsActOnlyInTrackPlanModeUnlocked()
    {
        setzeAn(Weiche, 2, 2);
        markiere(2, 2, 2, 3);
        Cntrl_C_X(0);
        EditModus = 3;
        ChangeEditMode();
        ClipBoardFlags();
        plan().setzeZelle(2, 2);
        Pult_KeyUp(Qt::Key_Delete, Qt::NoModifier);
        loeschenNachWarnung();
        ElementDrehen();
        QCOMPARE(feld(2, 2).ElementIndex, int16_t(Weiche));
        plan().setzeZelle(5, 5);
        Cntrl_V();
        QCOMPARE(feld(5, 5).ElementIndex, LeerIndex);
        for (const char* m : {"CopyMenu", "CutMenu", "PasteMenu", "DelMenu", "EleDrehenMenu", "UndoMenu"})
            QVERIFY2(!MainWin()[m].Enabled, m);
    }

    void menuStatesFollowToolAndLock()
    {
        waehle(Auswahl);
        Pult_KeyUp(Qt::Key_V, Qt::ControlModifier);   // nothing to paste: only the menus
        QVERIFY(boxen.isEmpty());
        QVERIFY(!MainWin()["PasteMenu"].Enabled);
        markiere(2, 2, 3, 3);
        QVERIFY(Markiert);
        markiere(4, 4, 4, 4);   // a single cell clears the mark
        QVERIFY(!Markiert);
        QVERIFY(!MainWin()["CopyMenu"].Enabled);
        QVERIFY(!MainWin()["CutMenu"].Enabled);
        waehle(Weiche);
        QVERIFY(!MainWin()["CopyMenu"].Enabled);
        QVERIFY(!MainWin()["PasteMenu"].Enabled);
        QVERIFY(MainWin()["DelMenu"].Enabled);
        QVERIFY(!plan().HighLight);
        markiere(1, 1, 2, 2);
        Cntrl_C_X(0);
        ClipBoardFlags();
        QVERIFY(MainWin()["PasteMenu"].Enabled);
        QVERIFY(plan().HighLight);
        PultOptGPLocked = true;
        ClipBoardFlags();
        QVERIFY(!MainWin()["PasteMenu"].Enabled);
        QVERIFY(!MainWin()["DelMenu"].Enabled);
        QVERIFY(!plan().HighLight);
    }
};

QTEST_MAIN(TestDeskEditing)
#include "tst_desk_editing.moc"
