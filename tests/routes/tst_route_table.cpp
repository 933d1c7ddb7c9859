// The route table: linked command lists with their holes, duplicates and
// damaged links, the ordering of a new route with its release list, and
// deleting routes.
#include "routes/RouteTestDesk.h"

#include "routes/RouteSlots.h"

using Kette = std::vector<int>;
Q_DECLARE_METATYPE(Kette)

class TstRouteTable : public QObject {
    Q_OBJECT

    RouteTestDesk pult;
    using I = PlacementTestDesk::Index;
    using T = RouteTestDesk;

    // The chain in order, with both links of every command agreeing with its neighbours.
    static void ketteStimmig(int r, int s, const Kette& erwartet)
    {
        QCOMPARE(T::kette(r, s), erwartet);
        for (size_t i = 0; i < erwartet.size(); ++i) {
            const RouteBefehl& b = T::befehl(r, s, erwartet[i]);
            QCOMPARE(int(b[Befehl::Vorgaenger]), i == 0 ? -1 : erwartet[i - 1]);
            QCOMPARE(int(b[Befehl::Nachfolger]), i + 1 == erwartet.size() ? -1 : erwartet[i + 1]);
        }
        QCOMPARE(FirstRouteIdx(r, s), erwartet.empty() ? -1 : erwartet.front());
        QCOMPARE(LastRouteIdx(r, s), erwartet.empty() ? -1 : erwartet.back());
    }

private slots:
    void init()
    {
        pult.aufbauen();
        T::route(0);
    }

    void listsGrowShrinkAndReuseHoles()
    {
        ketteStimmig(0, 0, {});
        QCOMPARE(RouteSaveAnz(0, 0), 0);
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(T::neu(0, 0, Befehlsart::Weiche, i, 2, 0, 1, 11), i);
        DelRouteElement(0, 0, 3);
        QCOMPARE(T::befehl(0, 0, 3), RouteBefehl{});
        QCOMPARE(T::neu(0, 0, Befehlsart::Pause, 0, 0, 3), 3);
        ketteStimmig(0, 0, {1, 2, 4, 5, 3});
        DelRouteElement(0, 0, 1);
        DelRouteElement(0, 0, 3);
        ketteStimmig(0, 0, {2, 4, 5});
        QCOMPARE(RouteSaveAnz(0, 0), 5);
        DelRouteElement(0, 0, 5);
        QCOMPARE(RouteSaveAnz(0, 0), 4);

        for (int i = 1; i <= BefehlMax; ++i)
            T::neu(0, 1, Befehlsart::Pause, 0, 0, i);
        const Fahrstrasse voll = FSDaten[0];
        QCOMPARE(FindNewRouteElement(0, 1), -1);
        QCOMPARE(FSDaten[0].Route, voll.Route);
        QCOMPARE(T::kette(0, 1).size(), size_t(100));
    }

    // Commands as (type, Wert, Zustand); slots deleted before; the chain after removing duplicates.
    void duplicates_data()
    {
        QTest::addColumn<QList<QList<int>>>("befehle");
        QTest::addColumn<QList<int>>("loeschen");
        QTest::addColumn<Kette>("bleibt");
        QTest::newRow("equal: the higher slot goes") << QList<QList<int>>{{2, 0, 1}, {7, 0, 1}, {2, 0, 1}}
                                                     << QList<int>{} << Kette{1, 2};
        QTest::newRow("another state keeps both") << QList<QList<int>>{{2, 0, 1}, {2, 0, 0}} << QList<int>{}
                                                  << Kette{1, 2};
        QTest::newRow("three equal, holes between")
            << QList<QList<int>>{{9, 3, 0}, {1, 0, 1}, {9, 3, 0}, {5, 0, 0}, {9, 3, 0}} << QList<int>{2, 4} << Kette{1};
        QTest::newRow("empty commands") << QList<QList<int>>{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}} << QList<int>{}
                                        << Kette{1};
        QTest::newRow("free slots only") << QList<QList<int>>{} << QList<int>{} << Kette{};
    }

    void duplicates()
    {
        QFETCH(QList<QList<int>>, befehle);
        QFETCH(QList<int>, loeschen);
        for (const QList<int>& b : befehle)
            T::neu(0, 0, b[0], 3, 4, b[1], b[2], 11);
        for (int e : loeschen)
            DelRouteElement(0, 0, e);
        GleicheEintraegeLoeschen(0, 0);
        QFETCH(Kette, bleibt);
        ketteStimmig(0, 0, bleibt);
    }

    // A damaged file can hold links that go nowhere or in circles: every walk ends.
    void damagedLinksEndTheWalk_data()
    {
        QTest::addColumn<QList<QList<int>>>("links");   // per slot from 1: Vorgaenger, Nachfolger
        QTest::addColumn<Kette>("kette");
        QTest::newRow("circle") << QList<QList<int>>{{-1, 2}, {1, 3}, {2, 2}} << Kette{1, 2, 3};
        QTest::newRow("link to a free slot") << QList<QList<int>>{{-1, 4}, {0, 0}, {0, 0}, {0, 0}} << Kette{1};
        QTest::newRow("link out of range") << QList<QList<int>>{{-1, 500}} << Kette{1};
        QTest::newRow("no first command") << QList<QList<int>>{{2, 2}, {1, 1}} << Kette{};
    }

    void damagedLinksEndTheWalk()
    {
        QFETCH(QList<QList<int>>, links);
        for (qsizetype i = 0; i < links.size(); ++i)
            T::befehl(0, 0, int(i) + 1) = {0, 0, 0, 0, Befehlsart::Pause, 0, int16_t(links[i][0]), int16_t(links[i][1])};
        QTEST(T::kette(0, 0), "kette");
        GleicheEintraegeLoeschen(0, 0);   // all equal pauses: ends, keeps the first
        Make_new_FS(0);
        ketteStimmig(0, 0, {1});
        QVERIFY(T::kette(0, 1).empty());
    }

    // Clicked as main signal, turnout, illumination, ...: list 0 runs by type,
    // list 1 releases everything but turnouts, pause and feedback.
    void newRouteIsOrderedAndGetsItsReleaseList()
    {
        PultDaten.PultOpt_HS_FolgeAdr = 1;
        TestDesk::setzen(4, 1, I::Signal, {31, 300, 32, 310, 33, 320});
        TestDesk::setzen(2, 3, I::Weiche, {11, 12});
        TestDesk::setzen(3, 3, I::Gleis, {25, 40});
        const QList<QList<int>> geklickt = {{7, 4, 1, 0, 1, 31}, {2, 2, 3, 0, 1, 11}, {1, 3, 3, 0, 1, 25},
                                            {10, 0, 0, 900, 3, -1}, {9, 0, 0, 4, 0, -1}, {5, 4, 1, 6, 1, 31},
                                            {4, 4, 1, 0, 1, 32}, {8, 4, 1, 55, 1, 31}, {6, 4, 1, 0, 1, 33},
                                            {1, 3, 3, 0, 1, 25}};
        for (const QList<int>& b : geklickt)
            T::neu(0, 0, b[0], b[1], b[2], b[3], b[4], b[5]);
        GleicheEintraegeLoeschen(0, 0);
        Make_new_FS(0);

        ketteStimmig(0, 0, {3, 2, 7, 6, 9, 1, 8, 5, 4});
        ketteStimmig(0, 1, {1, 2, 3, 4, 5, 6});
        const QList<RouteBefehl> freigabe = {
            {3, 3, 40, 0, 1, 25, -1, 2}, {4, 1, 311, 0, 4, 32, 1, 3}, {4, 1, 6, 1, 5, -2, 2, 4},
            {4, 1, 320, 0, 6, 33, 3, 5}, {4, 1, 300, 0, 7, 31, 4, 6}, {4, 1, 301, 0, 8, 31, 5, -1}};
        for (int k = 1; k <= 6; ++k)
            QCOMPARE(T::befehl(0, 1, k), freigabe[k - 1]);
    }

    void deletingRoutesClosesTheGapAndClearsTheSlot()
    {
        TestDesk::setzen(4, 1, I::Signal);
        for (int r = 0; r < 3; ++r) {
            T::route(r, 4, 1, 100 + r, 3, 100 + r, 2);
            QCOMPARE(NeueFSin54660(r), 0);
        }
        DelFS(0);
        QCOMPARE(FSAnzahl, int16_t(1));
        QCOMPARE(FSDaten[0].Name, QString("FS1"));
        QCOMPARE(FSDaten[1].Start[2], int16_t(3));   // slot numbers stay
        QCOMPARE(FSDaten[2].Name, QString());
        QCOMPARE(TestDesk::lncv(4, 1, 42), 0);
        QCOMPARE(TestDesk::lncv(4, 1, 46), 1013);
        DelFS(1);
        DelFS(1);   // no such route: nothing happens
        QCOMPARE(FSAnzahl, int16_t(0));
        QCOMPARE(FSDaten[0].Name, QString("FS1"));
        QCOMPARE(TestDesk::lncv(4, 1, 50), 0);
        QCOMPARE(TestDesk::lncv(4, 1, 46), 1013);
    }
};

QTEST_MAIN(TstRouteTable)
#include "tst_route_table.moc"
