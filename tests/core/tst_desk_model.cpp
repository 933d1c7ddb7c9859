#include "core/CatalogueState.h"
#include "core/DeskReset.h"
#include "core/Desk.h"
#include "core/MainWinState.h"
#include "project/DeskRecord.h"
#include "project/ProgramConfig.h"
#include "routes/RouteTable.h"
#include "support/TestCatalogue.h"

#include <QTemporaryDir>
#include <QTest>

class TestDeskModel : public QObject {
    Q_OBJECT
    QTemporaryDir verz;

    void katalogLaden(const TestKatalog& k) { k.laden(verz.path() + "/"); }

private slots:
    void paletteOfNineEntriesHasTwoRows()
    {
        TestKatalog k = TestKatalog::mitWerkzeugen();
        for (int i = 0; i < 7; ++i)
            k.eintraege << QString("g%1.bmp,Gleis %1,54642,%2,1,0").arg(i).arg(10 + i);
        katalogLaden(k);
        const FlexGrid& palette = MainWin().Elemente[0];
        QCOMPARE(palette.Cols(), 8);
        QCOMPARE(palette.Rows(), 2);
        QCOMPARE(ElementePalette[0][0], int16_t(1));   // "Leer" is not offered
        QCOMPARE(ElementePalette[0][1], int16_t(9));
        QCOMPARE(palette.CellPicture(1, 0), KonfVerz + "g6.bmp");
        QCOMPARE(palette.CellPicture(1, 1), QString());
        QCOMPARE(PalettenBreite, 8 * (84 + 3));
        QCOMPARE(LeerFeld.AutoFlag[127], uint8_t(1));
    }

    void rotationSequencesFollowTheBaseCode()
    {
        TestKatalog k = TestKatalog::mitWerkzeugen();
        k.eintraege << "w1.bmp,Weiche,54650,101,1,0,0" << "w2.bmp,Weiche 90,54650,102,0,101,0"
                    << "g.bmp,Gerade,54642,10,1,0" << "w3.bmp,Weiche 180,54650,103,0,101,0";
        katalogLaden(k);
        const auto& folge = ElementKatalog[3].DrehFolge;
        QCOMPARE((QList<int16_t>{folge[0], folge[1], folge[2], folge[3], folge[20]}),
                 (QList<int16_t>{3, 4, 6, -99, -99}));
        // An entry outside the palette keeps an empty sequence.
        QVERIFY(std::all_of(ElementKatalog[4].DrehFolge.begin(), ElementKatalog[4].DrehFolge.end(),
                            [](int16_t v) { return v == 0; }));
        QCOMPARE(ElementKatalog[7].Breite, int16_t(1));   // slot after the last record
    }

    void basePlatePaletteOffersOnlyBoardsAndTools()
    {
        TestKatalog k = TestKatalog::mitWerkzeugen();
        k.grundplatten << "am.bmp,54430" << "am48.bmp,54480" << "am49.bmp,54490" << "kreuz.bmp,54640"
                       << "platte.bmp,54642" << "licht.bmp,54644";
        katalogLaden(k);
        const FlexGrid& palette = MainWin().Elemente[1];
        QCOMPARE(palette.Rows(), 1);
        QCOMPARE(palette.Cols(), 5);
        QList<int16_t> spalten;
        for (int c = 0; c < 5; ++c)
            spalten << GrundplattenPalette[c][0];
        QCOMPARE(spalten, (QList<int16_t>{0, 1, 2, 5, 6}));
        QCOMPARE(Grundplatten[3].ArtikelNr, 54480);
    }

    void failedReadKeepsTheCatalogue()
    {
        katalogLaden(TestKatalog::mitWerkzeugen());
        const QString vorher = ElementKatalog[1].Name;
        QFile::remove(verz.path() + "/Elemente_Rechtsverkehr.cfg");
        QString fehler;
        QVERIFY(!neues_pult_setzen(&fehler));
        QVERIFY(fehler.contains("Elemente_Rechtsverkehr.cfg"));
        QCOMPARE(ElementKatalog[1].Name, vorher);
    }

    void resetEmptiesEveryUsedField()
    {
        katalogLaden(TestKatalog::mitWerkzeugen());
        PultdimensionenX = 4;
        PultdimensionenY = 3;
        PultFelder[2][3].ElementIndex = 2;
        PultFelder[2][3].LNCV[5] = 77;
        PultFelder[4][1].Geaendert = 1;
        FSAnzahl = 3;
        FSSpeicher[2].X = 1;
        pult_leeren();
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 3; ++y)
                QVERIFY(PultFelder[x][y] == LeerFeld);
        QCOMPARE(FSAnzahl, int16_t(-1));
        QCOMPARE(FSSpeicher[2].X, int16_t(0));
        QVERIFY(PultAufgebaut);
        QVERIFY(MainWin()["PultSpeichernMenu"].Enabled);
        QCOMPARE(MainWin().Pult[0].Row + MainWin().Pult[0].Col, 2);
    }

    void gridsFollowTheDeskSize()
    {
        katalogLaden(TestKatalog::mitWerkzeugen());
        PultdimensionenX = 99;
        PultdimensionenY = 99;
        pult_leeren();
        const HauptFenster& w = MainWin();
        QCOMPARE(w.Pult[0].Cols(), 100);
        QCOMPARE(w.Pult[1].Rows(), 100);
        QCOMPARE(w.PultAdr.Rows(), 298);
        QCOMPARE(w.Pult[0].Text(0, 7), QString(" 7"));
        QCOMPARE(w.Pult[0].Text(12, 0), QString(" 12"));
        QCOMPARE(w.PultAdr.Text(3 * 5 - 2, 0), QString(" 5"));
        QCOMPARE(w.PultAdr.Text(3 * 5, 0), QString("Adr:"));
        QCOMPARE(w.PultAdr.RowHeight(3 * 5 - 1), 13);
    }

    void stamp_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("werte");
        QTest::newRow("eight letters") << "ABCDEFGH" << QList<int>{6566, 6768, 6970, 7172};
        QTest::newRow("odd length") << "ABC" << QList<int>{6566, 6700, 0, 0};
        QTest::newRow("empty") << "" << QList<int>{0, 0, 0, 0};
        QTest::newRow("longer than eight") << "ABCDEFGHIJ" << QList<int>{6566, 6768, 6970, 7172};
        QTest::newRow("umlaut as its byte") << "Ä" << QList<int>{19600, 0, 0, 0};
    }

    void stamp()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, werte);
        katalogLaden(TestKatalog::mitWerkzeugen());
        PultdimensionenX = PultdimensionenY = 2;
        PultDaten.PultName = "ZZZZZZZZ";   // an earlier desk of the same run
        pult_leeren();
        PultDaten.PultName = name;
        PultDaten.PultProgJahr = 2026;
        PultDaten.PultProgTag = 712;
        PultDaten.PultProgZeit = 930;
        pult_leeren();
        QList<int> soll{2026, 712, 930};
        soll << werte << 1;
        QCOMPARE(QList<int>(PultDaten.Kennung.begin(), PultDaten.Kennung.begin() + 8), soll);
    }
};

QTEST_MAIN(TestDeskModel)
#include "tst_desk_model.moc"
