// Undo of a deletion, and the three grids showing what the desk holds
// after undo, deletions and the throttle's parts.
#include "DeskEditingTestDesk.h"

#include "project/PendingLncvDeletions.h"
#include "project/ProjectFileLoad.h"
#include "project/ProjectFileSave.h"

#include <QFileInfo>

// One action of the user: a click on field (x, y) of the track plan with
// palette entry `wahl`, a click on the electrical view with base plate
// `wahl` (a palette column), or Ctrl+Z with the select tool.
struct Schritt {
    enum Art { Plan, Elektrik, Zurueck } art = Plan;
    int wahl = 0, x = 0, y = 0;
};
Q_DECLARE_METATYPE(Schritt)

class TestDeskUndo : public QObject, DeskEditingTestDesk {
    Q_OBJECT

    // Each route memory slot taken by a field that has no route memory naming it, one line each.
    static QString slotAbweichungen()
    {
        QString text;
        for (int s = 0; s < FSSpeicherMax; ++s) {
            const FSSpeicherModul& m = FSSpeicher[size_t(s)];
            if ((m.X != 0 || m.Y != 0)
                && (feld(m.X, m.Y).ElementIndex != FSSpeicherEl || feld(m.X, m.Y).LNCV[0] != s))
                text += QString("route memory slot %1 held by field (%2, %3) without it\n").arg(s).arg(m.X).arg(m.Y);
        }
        return text;
    }

    // Does step s as the user does it; a module placed gets LNCV 37 := 10 x column + row.
    static void ausfuehren(const Schritt& s)
    {
        switch (s.art) {
        case Schritt::Plan: {
            setzeAn(s.wahl, s.x, s.y);
            const int32_t artikel = ElementKatalog[size_t(s.wahl)].ArtikelNr;
            if (artikel >= 54650 && artikel < 54711 && artikel != 54670)
                feld(s.x, s.y).LNCV[37] = int16_t(10 * s.x + s.y);
            break;
        }
        case Schritt::Elektrik:
            EditModus = 2;
            ChangeEditMode();
            Elemente_Click(1, 0, s.wahl);
            Pult_MouseDown(1, Qt::LeftButton, Qt::NoModifier, s.y, s.x);
            EditModus = 1;
            ChangeEditMode();
            break;
        case Schritt::Zurueck:
            waehle(Auswahl);
            Pult_KeyUp(Qt::Key_Z, Qt::ControlModifier);
            break;
        }
    }

private slots:
    void initTestCase() { aufbauen(); }
    void init() { leeren(); }

    // The delete tool, Ctrl+Z and the electrical view leave every field as
    // a save and a fresh load give it back, the three grids included, after
    // each step; each route memory slot belongs to the field that names it. A
    // delete tool that changes nothing is no deletion; undo restores the
    // deleted field whole, a throttle's part or a base plate included, and
    // removes what was placed there since as a deletion does; a throttle's
    // parts go with it above an element on its middle part; a board is not
    // laid on a throttle's part.
    void undoAndThrottlePartsShowWhatTheDeskHolds_data()
    {
        QTest::addColumn<QList<Schritt>>("schritte");
        QTest::addColumn<QList<QList<int>>>("felder");   // every field not empty at the end: column, row, element, base plate
        QTest::addColumn<QStringList>("vorgemerkt");     // LNCV files marked for deletion at the end
        const auto plan = [](int wahl, int x, int y) { return Schritt{Schritt::Plan, wahl, x, y}; };
        const auto elektrik = [](int wahl, int x, int y) { return Schritt{Schritt::Elektrik, wahl, x, y}; };
        const Schritt z{Schritt::Zurueck};
        const QList<QList<int>> regler45 = {{4, 5, Fahrregler, 54730}, {4, 4, LeerIndex, 54731}, {4, 3, LeerIndex, 54732}};
        QTest::newRow("a) delete tool on an empty field after a deletion, undo")
            << QList<Schritt>{plan(Signal, 3, 3), plan(Loeschen, 3, 3), plan(Loeschen, 2, 2), z}
            << QList<QList<int>>{{3, 3, Signal, 0}} << QStringList{"54660_303.lcv"};
        QTest::newRow("a) delete tool twice on one field, undo")
            << QList<Schritt>{plan(Signal, 3, 3), plan(Loeschen, 3, 3), plan(Loeschen, 3, 3), z}
            << QList<QList<int>>{{3, 3, Signal, 0}} << QStringList{"54660_303.lcv"};
        QTest::newRow("b) delete tool on an empty field, a signal placed there, undo")
            << QList<Schritt>{plan(Loeschen, 3, 3), plan(Signal, 3, 3), z}
            << QList<QList<int>>{{3, 3, Signal, 0}} << QStringList{};
        QTest::newRow("b) board deleted, a route memory placed there, undo")
            << QList<Schritt>{elektrik(PPlatte, 3, 3), plan(Loeschen, 3, 3), plan(FSSpeicherEl, 3, 3), z}
            << QList<QList<int>>{{3, 3, LeerIndex, 54642}} << QStringList{"54670_303.lcv"};
        QTest::newRow("c) throttle's middle part deleted, undo")
            << QList<Schritt>{plan(Fahrregler, 4, 5), plan(Loeschen, 4, 4), z} << regler45 << QStringList{};
        QTest::newRow("c) throttle's middle part deleted, a signal placed there, undo")
            << QList<Schritt>{plan(Fahrregler, 4, 5), plan(Loeschen, 4, 4), plan(Signal, 4, 4), z} << regler45
            << QStringList{"54660_404.lcv"};
        QTest::newRow("c) throttle's middle part deleted, a signal placed on the throttle, undo")
            << QList<Schritt>{plan(Fahrregler, 4, 5), plan(Loeschen, 4, 4), plan(Signal, 4, 5), z}
            << QList<QList<int>>{{4, 4, LeerIndex, 54731}, {4, 5, Signal, 0}} << QStringList{};
        QTest::newRow("d) throttle deleted under a signal on its middle part")
            << QList<Schritt>{plan(Fahrregler, 2, 4), plan(Signal, 2, 3), plan(Loeschen, 2, 4)}
            << QList<QList<int>>{{2, 3, Signal, 0}} << QStringList{};
        QTest::newRow("d) throttle replaced under a turnout on its middle part")
            << QList<Schritt>{plan(Fahrregler, 2, 4), plan(Weiche, 2, 3), plan(Signal, 2, 4)}
            << QList<QList<int>>{{2, 3, Weiche, 0}, {2, 4, Signal, 0}} << QStringList{};
        QTest::newRow("e) cross board on a throttle's middle part")
            << QList<Schritt>{plan(Fahrregler, 4, 5), elektrik(PKreuz, 4, 4)} << regler45 << QStringList{};
        QTest::newRow("e) connection board on a throttle's top part")
            << QList<Schritt>{plan(Fahrregler, 4, 5), elektrik(PPlatte, 4, 3)} << regler45 << QStringList{};
        QTest::newRow("route memory deleted, five placed meanwhile, undo refused")
            << QList<Schritt>{plan(FSSpeicherEl, 3, 3), plan(Loeschen, 3, 3), plan(FSSpeicherEl, 1, 1),
                              plan(FSSpeicherEl, 2, 1), plan(FSSpeicherEl, 3, 1), plan(FSSpeicherEl, 4, 1),
                              plan(FSSpeicherEl, 5, 1), z}
            << QList<QList<int>>{{1, 1, FSSpeicherEl, 0}, {2, 1, FSSpeicherEl, 0}, {3, 1, FSSpeicherEl, 0},
                                 {4, 1, FSSpeicherEl, 0}, {5, 1, FSSpeicherEl, 0}}
            << QStringList{"54670_303.lcv"};
        QTest::newRow("route memory deleted, five placed meanwhile, undo once one is replaced")
            << QList<Schritt>{plan(FSSpeicherEl, 3, 3), plan(Loeschen, 3, 3), plan(FSSpeicherEl, 1, 1),
                              plan(FSSpeicherEl, 2, 1), plan(FSSpeicherEl, 3, 1), plan(FSSpeicherEl, 4, 1),
                              plan(FSSpeicherEl, 5, 1), z, plan(Weiche, 5, 1), z}
            << QList<QList<int>>{{1, 1, FSSpeicherEl, 0}, {2, 1, FSSpeicherEl, 0}, {3, 1, FSSpeicherEl, 0},
                                 {4, 1, FSSpeicherEl, 0}, {5, 1, Weiche, 0}, {3, 3, FSSpeicherEl, 0}}
            << QStringList{"54670_303.lcv"};
        QTest::newRow("the only route memory deleted, undo")
            << QList<Schritt>{plan(FSSpeicherEl, 3, 3), plan(Loeschen, 3, 3), z}
            << QList<QList<int>>{{3, 3, FSSpeicherEl, 0}} << QStringList{"54670_303.lcv"};
        QTest::newRow("undo over a straight track placed since")
            << QList<Schritt>{plan(Weiche, 3, 3), plan(Loeschen, 3, 3), plan(Gerade, 3, 3), z}
            << QList<QList<int>>{{3, 3, Weiche, 0}} << QStringList{"54650_303.lcv"};
        QTest::newRow("undo over a route memory placed since")
            << QList<Schritt>{plan(FSSpeicherEl, 3, 3), plan(Loeschen, 3, 3), plan(FSSpeicherEl, 3, 3), z}
            << QList<QList<int>>{{3, 3, FSSpeicherEl, 0}} << QStringList{"54670_303.lcv"};
    }

    void undoAndThrottlePartsShowWhatTheDeskHolds()
    {
        QFETCH(QList<Schritt>, schritte);
        QFETCH(QList<QList<int>>, felder);
        QFETCH(QStringList, vorgemerkt);
        // After each step the desk and its three grids are those a save and
        // a fresh load give. The load forgets the undo step: the steps up to
        // each one are taken again on a new desk.
        for (qsizetype n = 1; n <= schritte.size(); ++n) {
            leeren();
            vormerkungenVerwerfen();
            antwort = Msg::Ja;   // a throttle may cover what stands above it
            for (qsizetype i = 0; i < n; ++i)
                ausfuehren(schritte[i]);
            QStringList dateien;
            for (const QString& pfad : vorgemerkteLncvDateien())
                dateien << QFileInfo(pfad).fileName();
            if (n == schritte.size())
                QCOMPARE(dateien, vorgemerkt);
            const QString plaetze = slotAbweichungen();
            QVERIFY2(plaetze.isEmpty(), qPrintable(QString("after step %1:\n").arg(n) + plaetze));
            const QList<PultFeld> vorher = pultInhalt();
            const QStringList gezeigt = pultGezeigt();
            PultDatei = "Pult.plt";
            QVERIFY(Save_plt());
            QVERIFY(Load_plt());
            const QString wann = QString("after step %1 and a load").arg(n);
            const QString abweichung = ersteAbweichung(vorher, wann) + ersteAnzeigeAbweichung(gezeigt, wann);
            QVERIFY2(abweichung.isEmpty(), qPrintable(abweichung));
        }
        QList<PultFeld> erwartet(10 * 8, LeerFeld);
        for (const QList<int>& f : felder) {
            erwartet[index(f[0], f[1])].ElementIndex = int16_t(f[2]);
            erwartet[index(f[0], f[1])].Grundplatte = f[3];
        }
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 8; ++y) {
                const PultFeld &f = feld(x, y), &e = erwartet[index(x, y)];
                const QString wo = QString("field (%1, %2)").arg(x).arg(y);
                QVERIFY2(f.ElementIndex == e.ElementIndex && f.Grundplatte == e.Grundplatte, qPrintable(wo));
                if (f.ElementIndex == Signal || f.ElementIndex == Weiche)   // the module's own values
                    QVERIFY2(f.LNCV[37] == 10 * x + y, qPrintable(wo));
            }
    }

    void undoRestoresOnlyTheLastDeletion()
    {
        setzeAn(Weiche, 2, 2);
        feld(2, 2).LNCV[11] = 11;
        setzeAn(Signal, 4, 4);
        feld(4, 4).LNCV[31] = 31;
        waehle(Auswahl);
        plan().setzeZelle(2, 2);
        Pult_KeyUp(Qt::Key_Delete, Qt::NoModifier);
        plan().setzeZelle(4, 4);
        Pult_KeyUp(Qt::Key_Delete, Qt::NoModifier);
        QCOMPARE(feld(4, 4).ElementIndex, LeerIndex);
        QCOMPARE(feld(4, 4).Geaendert, int16_t(1));
        QVERIFY(MainWin()["UndoMenu"].Enabled);
        plan().setzeZelle(1, 1);
        Pult_KeyUp(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(feld(4, 4).ElementIndex, int16_t(Signal));
        QCOMPARE(feld(4, 4).LNCV[31], int16_t(31));
        QCOMPARE(feld(2, 2).ElementIndex, LeerIndex);
        QCOMPARE(plan().Row, 1);
        QVERIFY(!MainWin()["UndoMenu"].Enabled);
        Cntrl_Z();
        QCOMPARE(feld(2, 2).ElementIndex, LeerIndex);
    }
};

QTEST_MAIN(TestDeskUndo)
#include "tst_desk_undo.moc"
