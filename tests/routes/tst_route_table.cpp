// The route table: linked command lists with their holes, duplicates and
// damaged links, the ordering of a new route with its release list, and
// deleting routes.
#include "routes/RouteTestDesk.h"

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
        QCOMPARE(RouteKette(r, s), erwartet);
        for (size_t i = 0; i < erwartet.size(); ++i) {
            const RouteBefehl& b = befehl(r, s, erwartet[i]);
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
        QCOMPARE(RouteSaveAnz(0, 0), 0);
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(T::neu(0, 0, Befehlsart::Weiche, i, 2, 0, 1, 11), i);
        DelRouteElement(0, 0, 3);
        QCOMPARE(befehl(0, 0, 3), RouteBefehl{});
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
        QCOMPARE(RouteKette(0, 1).size(), size_t(100));
    }

    // Commands as (type, Wert, Zustand, LNCVNr 11 unless given); slots deleted
    // before; the chain after removing duplicates.
    void duplicates_data()
    {
        QTest::addColumn<Befehle>("befehle");
        QTest::addColumn<QList<int>>("loeschen");
        QTest::addColumn<Kette>("bleibt");
        QTest::newRow("equal: the higher slot goes") << Befehle{{2, 0, 1}, {7, 0, 1}, {2, 0, 1}} << QList<int>{}
                                                     << Kette{1, 2};
        QTest::newRow("another state keeps both") << Befehle{{2, 0, 1}, {2, 0, 0}} << QList<int>{} << Kette{1, 2};
        QTest::newRow("two drives of a three-way turnout keep both")
            << Befehle{{2, 0, 1, 11}, {2, 0, 1, 12}} << QList<int>{} << Kette{1, 2};
        QTest::newRow("three equal, holes between")
            << Befehle{{9, 3, 0}, {1, 0, 1}, {9, 3, 0}, {5, 0, 0}, {9, 3, 0}} << QList<int>{2, 4} << Kette{1};
        QTest::newRow("empty commands") << Befehle{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}} << QList<int>{} << Kette{1};
        QTest::newRow("free slots only") << Befehle{} << QList<int>{} << Kette{};
    }

    void duplicates()
    {
        QFETCH(Befehle, befehle);
        QFETCH(QList<int>, loeschen);
        for (const QList<int>& b : befehle)
            T::neu(0, 0, b[0], 3, 4, b[1], b[2], b.value(3, 11));
        for (int e : loeschen)
            DelRouteElement(0, 0, e);
        GleicheEintraegeLoeschen(0, 0);
        QFETCH(Kette, bleibt);
        ketteStimmig(0, 0, bleibt);
    }

    // A damaged file may link a command to a free slot: deleting the command leaves that slot free.
    void deletingBesideAFreeSlotLeavesItFree()
    {
        for (auto [vor, nach] : {std::pair{1, -1}, {-1, 3}}) {
            befehl(0, 0, 2) = {0, 0, 7, 0, Befehlsart::Pause, -1, int16_t(vor), int16_t(nach)};
            DelRouteElement(0, 0, 2);
            for (int e : {1, 2, 3})
                QCOMPARE(befehl(0, 0, e), RouteBefehl{});
        }
    }

    // A damaged file can hold links that go nowhere or in circles: every walk ends.
    void damagedLinksEndTheWalk_data()
    {
        QTest::addColumn<Befehle>("links");   // per slot from 1: Vorgaenger, Nachfolger
        QTest::addColumn<Kette>("kette");
        QTest::newRow("circle") << Befehle{{-1, 2}, {1, 3}, {2, 2}} << Kette{1, 2, 3};
        QTest::newRow("link to a free slot") << Befehle{{-1, 4}, {0, 0}, {0, 0}, {0, 0}} << Kette{1};
        QTest::newRow("link out of range") << Befehle{{-1, 500}} << Kette{1};
        QTest::newRow("no first command") << Befehle{{2, 2}, {1, 1}} << Kette{};
    }

    void damagedLinksEndTheWalk()
    {
        QFETCH(Befehle, links);
        for (qsizetype i = 0; i < links.size(); ++i)
            befehl(0, 0, int(i) + 1) = {0, 0, 0, 0, Befehlsart::Pause, 0, int16_t(links[i][0]), int16_t(links[i][1])};
        QTEST(RouteKette(0, 0), "kette");
        GleicheEintraegeLoeschen(0, 0);   // all equal pauses: ends, keeps the first
        Make_new_FS(0);
        ketteStimmig(0, 0, {1});
        QVERIFY(RouteKette(0, 1).empty());
    }

    // Clicked as main signal, turnout, illumination, ...: list 0 runs by type,
    // list 1 releases everything but turnouts, pause and feedback.
    void newRouteIsOrderedAndGetsItsReleaseList()
    {
        PultDaten.PultOpt_HS_FolgeAdr = 1;
        TestDesk::setzen(4, 1, I::Signal, {31, 300, 32, 310, 33, 320});
        TestDesk::setzen(2, 3, I::Weiche, {11, 12});
        TestDesk::setzen(3, 3, I::Gleis, {25, 40});
        for (const QList<int>& b : Befehle{{7, 4, 1, 0, 1, 31}, {2, 2, 3, 0, 1, 11}, {1, 3, 3, 0, 1, 25},
                                           {10, 0, 0, 900, 3, -1}, {9, 0, 0, 4, 0, -1}, {5, 4, 1, 6, 1, 31},
                                           {4, 4, 1, 0, 1, 32}, {8, 4, 1, 55, 1, 31}, {6, 4, 1, 0, 1, 33},
                                           {1, 3, 3, 0, 1, 25}})
            T::neu(0, 0, b[0], b[1], b[2], b[3], b[4], b[5]);
        GleicheEintraegeLoeschen(0, 0);
        Make_new_FS(0);

        ketteStimmig(0, 0, {3, 2, 7, 6, 9, 1, 8, 5, 4});
        ketteStimmig(0, 1, {1, 2, 3, 4, 5, 6});
        QCOMPARE(liste(0, 1), (Befehle{{3, 3, 40, 0, 1, 25}, {4, 1, 311, 0, 4, 32}, {4, 1, 6, 1, 5, -2},
                                       {4, 1, 320, 0, 6, 33}, {4, 1, 300, 0, 7, 31}, {4, 1, 301, 0, 8, 31}}));
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
        QCOMPARE((QStringList{FSDaten[0].Name, FSDaten[1].Name, FSDaten[2].Name}), (QStringList{"FS1", "FS2", ""}));
        QCOMPARE(FSDaten[1].Start[2], int16_t(3));   // slot numbers stay
        QCOMPARE((QList<int>{TestDesk::lncv(4, 1, 42), TestDesk::lncv(4, 1, 46)}), (QList<int>{0, 1013}));
        DelFS(1);
        DelFS(1);   // no such route: nothing happens
        QCOMPARE(FSAnzahl, int16_t(0));
        QCOMPARE(FSDaten[0].Name, QString("FS1"));
        QCOMPARE((QList<int>{TestDesk::lncv(4, 1, 50), TestDesk::lncv(4, 1, 46)}), (QList<int>{0, 1013}));
    }
};

QTEST_MAIN(TstRouteTable)
#include "tst_route_table.moc"
