#include "core/CatalogueState.h"
#include "core/Desk.h"
#include "core/PartsList.h"
#include "support/TestCatalogue.h"

#include <QTemporaryDir>
#include <QTest>

// Catalogue indices of the test catalogue below.
enum { Weiche = 3, Signal = 4, SignalLinks = 5, Regler = 6, Leuchtgleis = 7, Speicher = 8, Gerade = 9 };

// Part class and its count.
using Anzahlen = QList<std::pair<int, int>>;
// Fields to fill column by column: count, element, base plate.
using Belegung = QList<std::array<int, 3>>;

class TestPartsList : public QObject {
    Q_OBJECT
    QTemporaryDir verz;

private slots:
    void initTestCase()
    {
        TestKatalog k = TestKatalog::mitWerkzeugen();
        k.eintraege << "w.bmp,Weiche,54650,101,1,0,0" << "s.bmp,Signal,54660,501,1,0,0"
                    << "sl.bmp,Signal links,54710,502,1,0,0" << "r.bmp,Fahrregler,54730,901,1,0,r0.bmp,r1.bmp,r2.bmp"
                    << "l.bmp,Leuchtgleis,54644,51,1,0" << "fs.bmp,Speicher,54670,930,1,0" << "g.bmp,Gerade,0,10,1,0";
        k.laden(verz.path() + "/");
    }

    void ordersOfADesk_data()
    {
        QTest::addColumn<QSize>("groesse");
        QTest::addColumn<Belegung>("belegung");
        QTest::addColumn<Anzahlen>("teile");
        QTest::addColumn<Anzahlen>("bestellt");   // every class not named is ordered 0 times
        QTest::newRow("empty small desk: one pack") << QSize(1, 1) << Belegung{} << Anzahlen{} << Anzahlen{{0, 1}};
        QTest::newRow("base set covers 30 segments") << QSize(6, 5) << Belegung{{1, 0, 54490}} << Anzahlen{}
                                                     << Anzahlen{{9, 1}};
        QTest::newRow("7 turnouts and signals: base and extension set")
            << QSize(10, 10) << Belegung{{7, Weiche, 0}, {7, Signal, 0}, {1, 0, 54490}} << Anzahlen{{4, 7}, {5, 7}}
            << Anzahlen{{9, 1}, {10, 1}, {0, 7}};   // 100 - 2 x 30 = 40 segments: 7 packs
        QTest::newRow("old connection module is no set") << QSize(5, 5) << Belegung{{3, Weiche, 0}, {1, 0, 54480}}
                                                         << Anzahlen{{16, 1}} << Anzahlen{{4, 3}, {0, 5}};
        QTest::newRow("left-hand signals: left-hand base set")
            << QSize(6, 6) << Belegung{{3, SignalLinks, 0}, {1, 0, 54490}} << Anzahlen{} << Anzahlen{{14, 1}, {0, 1}};
        QTest::newRow("base plate wins over the element")
            << QSize(3, 3) << Belegung{{1, Leuchtgleis, 54642}, {1, Leuchtgleis, 0}, {1, Gerade, 54640}}
            << Anzahlen{{1, 1}, {2, 1}, {3, 1}} << Anzahlen{{1, 1}, {2, 1}, {3, 1}, {0, 2}};
        QTest::newRow("throttles take three segments") << QSize(4, 4) << Belegung{{2, Regler, 0}, {1, Speicher, 0}}
                                                       << Anzahlen{{8, 2}, {0, 16 - 6}}
                                                       << Anzahlen{{8, 2}, {6, 1}, {0, 2}};   // 10 segments: 2 packs
    }

    void ordersOfADesk()
    {
        QFETCH(QSize, groesse);
        QFETCH(Belegung, belegung);
        QFETCH(Anzahlen, teile);
        QFETCH(Anzahlen, bestellt);
        PultdimensionenX = int16_t(groesse.width());
        PultdimensionenY = int16_t(groesse.height());
        for (auto& spalte : PultFelder)
            spalte.fill(LeerFeld);
        int frei = 0;
        for (const auto& [anzahl, element, platte] : belegung)
            for (int i = 0; i < anzahl; ++i, ++frei) {
                PultFeld& f = PultFelder[size_t(1 + frei % groesse.width())][size_t(1 + frei / groesse.width())];
                f.ElementIndex = int16_t(element);
                f.Grundplatte = platte;
            }
        calc_stueckliste();
        for (const auto& [klasse, n] : teile)
            QCOMPARE(StkAnzahl[size_t(klasse)], n);
        QList<int32_t> soll(18, 0);
        for (const auto& [klasse, n] : bestellt)
            soll[klasse] = n;
        QCOMPARE(QList<int32_t>(StkBestell.begin(), StkBestell.end()), soll);
    }
};

QTEST_MAIN(TestPartsList)
#include "tst_parts_list.moc"
