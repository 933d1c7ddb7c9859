// Undo of a deletion, and the three grids showing what the desk holds
// after undo, deletions and the throttle's parts.
#include "DeskEditingTestDesk.h"

#include "core/AddressGrid.h"
#include "project/PendingLncvDeletions.h"
#include "project/ProjectFileLoad.h"
#include "project/ProjectFileSave.h"

#include <QFileInfo>
#include <tuple>

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

    // The picture the track plan and the first row of the address grid give
    // a field: its element's (a throttle's bottom part), or on an empty field
    // the throttle part its base plate names.
    static QString elementBild(const PultFeld& f)
    {
        const KatalogEintrag& regler = ElementKatalog[Fahrregler];
        if (f.ElementIndex == LeerIndex) {
            const int teil = f.Grundplatte - regler.ArtikelNr;
            return teil == 1 || teil == 2 ? KonfVerz + regler.Namen[size_t(teil)] : QString();
        }
        const KatalogEintrag& e = ElementKatalog[size_t(f.ElementIndex)];
        return KonfVerz + (e.Hoehe > 1 ? e.Namen[0] : e.Bild);
    }
    // The picture the electrical view gives a field: its base plate's, else
    // its element article's; none for article 0.
    static QString plattenBild(const PultFeld& f)
    {
        const int32_t artikel = f.Grundplatte != 0 ? f.Grundplatte : ElementKatalog[size_t(f.ElementIndex)].ArtikelNr;
        QString bild;
        for (const GrundplattenEintrag& g : Grundplatten)
            if (artikel != 0 && g.ArtikelNr == artikel)
                bild = KonfVerz + g.Bild;
        return bild;
    }
    // Where the three grids show field (x, y) otherwise than its record says,
    // one line per difference; empty when they agree. Compared are the
    // element or throttle-part picture in the track plan and the address
    // grid, the base plate and connection number in the electrical view, and
    // the address lines of the current edit mode.
    static QString anzeigeAbweichung(int x, int y)
    {
        const PultFeld& f = feld(x, y);
        const bool modul = f.Grundplatte == 54430 || f.Grundplatte == 54480 || f.Grundplatte == 54490;
        const AdressZeilen z = adressZeilen(f, EditModus);
        const FlexGrid &elektrik = MainWin().Pult[1], &adr = MainWin().PultAdr;
        const QList<std::tuple<const char*, QString, QString>> vergleiche = {
            {"track plan", plan().CellPicture(y, x), elementBild(f)},
            {"address grid picture", adr.CellPicture(3 * y - 2, x), elementBild(f)},
            {"electrical view", elektrik.CellPicture(y, x), plattenBild(f)},
            {"connection number", elektrik.Text(y, x).trimmed(),
             modul && f.Anschluss != 0 ? QString::number(f.Anschluss) : QString()},
            {"address line 2", adr.Text(3 * y - 1, x), z.zweite},
            {"address line 3", adr.Text(3 * y, x), z.dritte},
        };
        QString text;
        for (const auto& [was, gezeigt, gehalten] : vergleiche)
            if (gezeigt != gehalten)
                text += QString("field (%1, %2) %3 shows \"%4\", the field holds \"%5\"\n")
                            .arg(x).arg(y).arg(was, gezeigt, gehalten);
        return text;
    }
    // The same for every field of the desk, plus the route memory slots:
    // each slot taken belongs to a field with a route memory that names it.
    static QString pultAbweichungen()
    {
        QString text;
        for (int x = 1; x <= PultdimensionenX; ++x)
            for (int y = 1; y <= PultdimensionenY; ++y)
                text += anzeigeAbweichung(x, y);
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
    // the three grids show it, after each step and after a save and load: a
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
        antwort = Msg::Ja;   // a throttle may cover what stands above it
        vormerkungenVerwerfen();
        for (qsizetype i = 0; i < schritte.size(); ++i) {
            ausfuehren(schritte[i]);
            const QString abweichung = pultAbweichungen();
            QVERIFY2(abweichung.isEmpty(), qPrintable(QString("after step %1:\n").arg(i + 1) + abweichung));
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
        QStringList dateien;
        for (const QString& pfad : vorgemerkteLncvDateien())
            dateien << QFileInfo(pfad).fileName();
        QCOMPARE(dateien, vorgemerkt);

        const QList<PultFeld> vorher = pultInhalt();
        PultDatei = "Pult.plt";
        QVERIFY(Save_plt());
        QVERIFY(Load_plt());
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 8; ++y) {
                const PultFeld &n = feld(x, y), &v = vorher[index(x, y)];
                QVERIFY2(n.ElementIndex == v.ElementIndex && n.Grundplatte == v.Grundplatte && n.LNCV == v.LNCV
                             && n.Anschluss == v.Anschluss,
                         qPrintable(QString("field (%1, %2) after the load").arg(x).arg(y)));
            }
        const QString abweichung = pultAbweichungen();
        QVERIFY2(abweichung.isEmpty(), qPrintable("after the load:\n" + abweichung));
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
