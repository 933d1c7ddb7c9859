#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/PartsList.h"
#include "project/ProgramConfig.h"
#include "support/TestCatalogue.h"

#include <QTemporaryDir>
#include <QTest>

// Catalogue indices of the test catalogue below.
enum { Weiche = 3, Signal = 4, SignalLinks = 5, Regler = 6, Leuchtgleis = 7, Speicher = 8, Gerade = 9 };

class TestPartsList : public QObject {
    Q_OBJECT
    QTemporaryDir verz;

    static void leeresPult(int x, int y)
    {
        PultdimensionenX = int16_t(x);
        PultdimensionenY = int16_t(y);
        for (auto& spalte : PultFelder)
            spalte.fill(LeerFeld);
    }
    // Puts n fields of the element (or base plate) on the desk, column by column.
    static void setzen(int anzahl, int element, int32_t grundplatte = 0)
    {
        static int frei = 0;
        if (anzahl < 0) {
            frei = 0;
            return;
        }
        for (int i = 0; i < anzahl; ++i, ++frei) {
            PultFeld& f = PultFelder[size_t(1 + frei % PultdimensionenX)][size_t(1 + frei / PultdimensionenX)];
            f.ElementIndex = int16_t(element);
            f.Grundplatte = grundplatte;
        }
    }

private slots:
    void initTestCase()
    {
        TestKatalog k = TestKatalog::mitWerkzeugen();
        k.eintraege << "w.bmp,Weiche,54650,101,1,0,0" << "s.bmp,Signal,54660,501,1,0,0"
                    << "sl.bmp,Signal links,54710,502,1,0,0" << "r.bmp,Fahrregler,54730,901,1,0,r0.bmp,r1.bmp,r2.bmp"
                    << "l.bmp,Leuchtgleis,54644,51,1,0" << "fs.bmp,Speicher,54670,930,1,0" << "g.bmp,Gerade,0,10,1,0";
        k.laden(verz.path() + "/");
    }
    void init()
    {
        setzen(-1, 0);
    }

    void emptySmallDeskNeedsOnePack()
    {
        leeresPult(1, 1);
        calc_stueckliste();
        QCOMPARE(StkBestell[0], 1);
        for (int i = 1; i < 18; ++i)
            QCOMPARE(StkBestell[size_t(i)], 0);
    }

    void baseSetCoversThirtySegments()
    {
        leeresPult(6, 5);
        setzen(1, 0, 54490);
        calc_stueckliste();
        QCOMPARE(StkBestell[9], 1);
        QCOMPARE(StkBestell[0], 0);
        QCOMPARE(StkBestell[17], 0);
    }

    void sevenTurnoutsAndSignalsGiveBaseAndExtensionSet()
    {
        leeresPult(10, 10);
        setzen(7, Weiche);
        setzen(7, Signal);
        setzen(1, 0, 54490);
        calc_stueckliste();
        QCOMPARE(StkAnzahl[4], 7);
        QCOMPARE(StkAnzahl[5], 7);
        QCOMPARE(StkBestell[9], 1);
        QCOMPARE(StkBestell[10], 1);
        QCOMPARE(StkBestell[4], 0);
        QCOMPARE(StkBestell[5], 0);
        QCOMPARE(StkBestell[0], 7);   // 100 - 2 x 30 = 40 segments: 7 packs
    }

    void oldConnectionModuleIsNoSet()
    {
        leeresPult(5, 5);
        setzen(3, Weiche);
        setzen(1, 0, 54480);
        calc_stueckliste();
        QCOMPARE(StkAnzahl[16], 1);
        QCOMPARE(StkBestell[9], 0);
        QCOMPARE(StkBestell[16], 0);
        QCOMPARE(StkBestell[4], 3);
    }

    void leftHandSignalsGetTheLeftHandBaseSet()
    {
        leeresPult(6, 6);
        setzen(3, SignalLinks);
        setzen(1, 0, 54490);
        calc_stueckliste();
        QCOMPARE(StkBestell[9], 0);
        QCOMPARE(StkBestell[14], 1);
        QCOMPARE(StkBestell[13], 0);
    }

    void basePlateWinsOverTheElement()
    {
        leeresPult(3, 3);
        setzen(1, Leuchtgleis, 54642);
        setzen(1, Leuchtgleis);
        setzen(1, Gerade, 54640);
        calc_stueckliste();
        QCOMPARE(StkAnzahl[2], 1);
        QCOMPARE(StkAnzahl[3], 1);
        QCOMPARE(StkAnzahl[1], 1);
        QCOMPARE(StkBestell[1], 1);
        QCOMPARE(StkBestell[2], 1);
        QCOMPARE(StkBestell[3], 1);
    }

    void throttlesTakeThreeSegments()
    {
        leeresPult(4, 4);
        setzen(2, Regler);
        setzen(1, Speicher);
        calc_stueckliste();
        QCOMPARE(StkAnzahl[8], 2);
        QCOMPARE(StkAnzahl[0], 16 - 6);
        QCOMPARE(StkBestell[8], 2);
        QCOMPARE(StkBestell[6], 1);
        QCOMPARE(StkBestell[0], 2);   // 16 - 6 = 10 segments: two packs of 6
    }
};

QTEST_MAIN(TestPartsList)
#include "tst_parts_list.moc"
