// Route slots in the signal boards: the four words of a slot, allocation of
// the lowest free slot, refusals, and that only signal boards are written.
#include "routes/RouteTestDesk.h"

class TstRouteSlots : public QObject {
    Q_OBJECT

    RouteTestDesk pult;
    using I = PlacementTestDesk::Index;
    using T = RouteTestDesk;

private slots:
    void init()
    {
        pult.aufbauen();
        TestDesk::setzen(4, 1, I::Signal);
        TestDesk::setzen(7, 2, I::Signal, {39, 4561});        // destination key
        TestDesk::setzen(8, 3, I::Weiche, {13, 4095});          // release feedback
    }

    // Destination (direct or the key's LNCV), set command, release feedback
    // (direct or the feedback field's LNCV) and release command of one route.
    void slotWords_data()
    {
        QTest::addColumn<QList<int>>("ziel");         // column, row, address, code, LNCV
        QTest::addColumn<QList<int>>("aufloesen");
        QTest::addColumn<QList<int>>("rueckmeldung"); // set address, code, release address, code
        QTest::addColumn<QList<int>>("slot");
        QTest::newRow("direct destination 12 green")
            << QList<int>{0, 0, 12, 1, -1} << QList<int>{0, 0, 900, 2, -1} << QList<int>{100, 3, 100, 2}
            << QList<int>{121, 1003, 9002, 1002};
        QTest::newRow("linked key and feedback, 4095 occupied")
            << QList<int>{7, 2, 0, 0, 39} << QList<int>{8, 3, 0, 3, 13} << QList<int>{4095, 3, 4095, 2}
            << QList<int>{4561, 40953, 40953, 40952};
    }

    void slotWords()
    {
        QFETCH(QList<int>, ziel);
        QFETCH(QList<int>, aufloesen);
        QFETCH(QList<int>, rueckmeldung);
        Fahrstrasse& fs = T::route(0, 4, 1, rueckmeldung[0], rueckmeldung[1], rueckmeldung[2], rueckmeldung[3]);
        for (int k = 0; k < 5; ++k) {
            fs.Ziel[size_t(k)] = int16_t(ziel[k]);
            fs.Aufloesen[size_t(k)] = int16_t(aufloesen[k]);
        }
        TestDesk::feld(4, 1).AutoFlag.fill(1);
        QCOMPARE(NeueFSin54660(0), 0);
        QCOMPARE(fs.Start[2], int16_t(1));
        QTEST(slotWorte(4, 1, 0), "slot");
        QCOMPARE(TestDesk::feld(4, 1).AutoFlag[41], uint8_t(1));
        QVERIFY(pult.boxen.isEmpty());
    }

    // A release feedback above 4095 in the feedback field's LNCV (typed into
    // the LNCV table or loaded) is left out of the slot and named, never wrapped.
    void releaseFeedbackAbove4095IsLeftOut()
    {
        T::route(0, 4, 1, 100, 3, 100, 2).Aufloesen = {8, 3, 0, 3, 13};
        QCOMPARE(NeueFSin54660(0), 0);
        for (int adresse : {4096, 7000}) {
            TestDesk::feld(8, 3).LNCV[13] = alsWort(adresse);
            RefreshFSin54660();
            QCOMPARE(slotWorte(4, 1, 0), (QList<int>{0, 1003, 0, 1002}));
            QCOMPARE(titel(pult), QStringList{"Fahrstraßen im Signalmodul"});
            QCOMPARE(pult.boxen.takeFirst().text.section("\r\n", 2),
                     QString("Fahrstraße 1 \"FS0\": %1 (LNCV 13 im Feld 8, 3)").arg(adresse));
        }
    }

    // The message about left-out release feedbacks comes when a route is
    // changed or a feedback is newly left out, not again for the same state.
    // Steps: "a=n" / "b=n" types n as the release feedback of route 1 / 2 and
    // rewrites all slots, "refresh" rewrites them after an unrelated change,
    // "route a" / "route b" writes the slot of a changed route ("route a=n":
    // changed to the release feedback n), "new route" defines route 3 with
    // release feedback 6000, "new table" loads the same routes into a new
    // route table and rewrites all slots.
    void releaseFeedbackMessageOnlyForNews_data()
    {
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<QStringList>("genannt");   // per step, the routes the message names
        QTest::newRow("unrelated rewrites after the message")
            << QStringList{"a=4096", "refresh", "refresh"} << QStringList{"1", "", ""};
        QTest::newRow("the same address typed again") << QStringList{"a=4096", "a=4096"} << QStringList{"1", ""};
        QTest::newRow("another address above 4095") << QStringList{"a=4096", "a=7000"} << QStringList{"1", "1"};
        QTest::newRow("the route changed, then an unrelated rewrite")
            << QStringList{"a=4096", "route a", "refresh"} << QStringList{"1", "1", ""};
        QTest::newRow("another route changed") << QStringList{"a=4096", "route b"} << QStringList{"1", ""};
        QTest::newRow("a second route left out")
            << QStringList{"a=4096", "b=5000", "refresh"} << QStringList{"1", "1 2", ""};
        QTest::newRow("one route fits again, the other stays left out")
            << QStringList{"a=4096", "b=5000", "b=900", "refresh"} << QStringList{"1", "1 2", "1", ""};
        QTest::newRow("left out again after it fitted")
            << QStringList{"a=4096", "a=900", "a=4096"} << QStringList{"1", "", "1"};
        QTest::newRow("a new route table") << QStringList{"a=4096", "new table"} << QStringList{"1", "1"};
        QTest::newRow("a route changed to a feedback above 4095, then an unrelated rewrite")
            << QStringList{"route a=5000", "refresh"} << QStringList{"1", ""};
        QTest::newRow("a new route left out, then an unrelated rewrite")
            << QStringList{"new route", "refresh"} << QStringList{"3", ""};
    }

    void releaseFeedbackMessageOnlyForNews()
    {
        QFETCH(QStringList, schritte);
        QFETCH(QStringList, genannt);
        TestDesk::setzen(8, 5, I::Weiche, {13, 900});
        auto routenAnlegen = [] {
            T::route(0, 4, 1, 100, 3, 100, 2).Aufloesen = {8, 3, 0, 3, 13};
            T::route(1, 4, 1, 101, 3, 101, 2).Aufloesen = {8, 5, 0, 2, 13};
        };
        routenAnlegen();
        QCOMPARE(NeueFSin54660(0) + NeueFSin54660(1), 0);
        QStringList gesehen;
        for (const QString& schritt : schritte) {
            pult.boxen.clear();
            const int adresse = schritt.section('=', 1).toInt();
            if (schritt.startsWith("route ")) {
                const int r = schritt[6] == 'a' ? 0 : 1;
                if (adresse > 0)
                    FSDaten[size_t(r)].Aufloesen = {0, 0, int16_t(adresse), 3, -1};
                SetFSin54660(r);
            } else if (schritt == "new route") {
                T::route(2, 4, 1, 102, 3, 102, 2).Aufloesen = {0, 0, 6000, 2, -1};
                QCOMPARE(NeueFSin54660(2), 0);
            } else {
                if (schritt == "new table") {
                    alleFahrstrassenLoeschen();
                    routenAnlegen();
                    FSDaten[0].Start[2] = 1;
                    FSDaten[1].Start[2] = 2;
                } else if (schritt != "refresh")
                    TestDesk::feld(8, schritt.startsWith('a') ? 3 : 5).LNCV[13] = alsWort(adresse);
                RefreshFSin54660();
            }
            QStringList routen;
            for (const MsgBoxAufruf& box : pult.boxen) {
                QCOMPARE(box.titel, QString("Fahrstraßen im Signalmodul"));
                for (const QString& zeile : box.text.split("\r\n").mid(2))
                    routen << zeile.section(' ', 1, 1);
            }
            gesehen << routen.join(' ');
        }
        QCOMPARE(gesehen, genannt);
    }

    // Slots 0, 1 and further ones are taken in different ways: the new route
    // gets the lowest free slot, up to the tenth.
    void lowestFreeSlotWins_data()
    {
        QTest::addColumn<int>("belegtDurch");   // how slot 1 is taken
        QTest::addColumn<QList<int>>("weitere"); // slots taken by their destination LNCV
        QTest::addColumn<int>("frei");
        QTest::newRow("a route writes it") << 0 << QList<int>{3} << 2;
        QTest::newRow("only its release LNCV is set") << 1 << QList<int>{3} << 2;
        QTest::newRow("cleared, but a route refers to it") << 2 << QList<int>{3} << 2;
        QTest::newRow("nine taken: the tenth") << 0 << QList<int>{2, 3, 4, 5, 6, 7, 8} << 9;
    }

    void lowestFreeSlotWins()
    {
        QFETCH(int, belegtDurch);
        QFETCH(QList<int>, weitere);
        QFETCH(int, frei);
        for (int r = 0; r < 2; ++r) {
            T::route(r, 4, 1, 200 + r, 3, 200 + r, 2);
            QCOMPARE(NeueFSin54660(r), 0);
        }
        auto& lncv = TestDesk::feld(4, 1).LNCV;
        if (belegtDurch > 0)
            std::fill(lncv.begin() + fsSlotLncv(1), lncv.begin() + fsSlotLncv(2), int16_t(0));
        if (belegtDurch == 1) {
            FSDaten[1].Start[2] = 0;
            lncv[size_t(fsSlotLncv(1) + 2)] = 5;
        }
        for (int s : weitere)
            lncv[size_t(fsSlotLncv(s))] = 1;
        T::route(2, 4, 1, 300, 3, 300, 2);
        QCOMPARE(NeueFSin54660(2), 0);
        QCOMPARE(FSDaten[2].Start[2], int16_t(frei + 1));
        QCOMPARE(slotWorte(4, 1, frei), QList<int>({0, 3003, 0, 3002}));
        QVERIFY(pult.boxen.isEmpty());
    }

    void refusals_data()
    {
        QTest::addColumn<int>("startX");
        QTest::addColumn<int>("festAdr");
        QTest::addColumn<int>("aufAdr");
        QTest::addColumn<bool>("voll");
        QTest::addColumn<QString>("text");
        const QString nicht = "\r\n          Die Fahrstraße kann nicht angelegt werden!";
        const QString groesser = "Achtung: die Rückmeldeadresse %1 der Fahrstraße ist größer als 4095!" + nicht;
        QTest::newRow("all ten slots taken")
            << 4 << 100 << 100 << true << "Achtung alle 10 Plätze für Fahrstraßen sind im Modul 4, 1 belegt!" + nicht;
        QTest::newRow("set address above 4095") << 4 << 4096 << 100 << false << groesser.arg(4096);
        QTest::newRow("release address above 4095") << 4 << 4095 << 4097 << false << groesser.arg(4097);
        QTest::newRow("start field without a signal board")
            << 8 << 100 << 100 << false << "Achtung: im Feld 8, 1 liegt kein Signalmodul (54660/54710)!" + nicht;
    }

    void refusals()
    {
        QFETCH(int, startX);
        QFETCH(int, festAdr);
        QFETCH(int, aufAdr);
        QFETCH(bool, voll);
        TestDesk::setzen(8, 1, I::Weiche);
        if (voll)
            for (int n = fsSlotLncv(0); n < fsSlotLncv(FSSlotAnzahl); n += 4)
                TestDesk::feld(4, 1).LNCV[size_t(n + 3)] = 1;
        const PultFeld vorher = TestDesk::feld(startX, 1);
        T::route(0, startX, 1, festAdr, 3, aufAdr, 2).Start[2] = 7;
        QCOMPARE(NeueFSin54660(0), -99);
        QCOMPARE(FSDaten[0].Start[2], int16_t(0));
        QCOMPARE(TestDesk::feld(startX, 1), vorher);
        QCOMPARE(titel(pult), QStringList{"Fehler beim Erstellen der Fahrstraße"});
        QTEST(pult.boxen[0].text, "text");
        QCOMPARE(pult.boxen[0].stil, Msg::NurOk | Msg::Kritisch);
    }

    // A signal board replaced by another module keeps that module's values;
    // a left-hand signal board takes slots like a right-hand one; a slot
    // number beyond the ten (from a damaged project file) writes nothing.
    void onlySignalBoardsAreWritten()
    {
        TestDesk::setzen(5, 5, I::SignalLinks);
        T::route(0, 4, 1, 100, 3, 100, 2);
        T::route(1, 5, 5, 101, 3, 101, 2);
        QCOMPARE(NeueFSin54660(0), 0);
        QCOMPARE(NeueFSin54660(1), 0);
        QCOMPARE(slotWorte(5, 5, 0), QList<int>({0, 1013, 0, 1012}));
        TestDesk::feld(5, 5).LNCV[size_t(fsSlotLncv(FSSlotAnzahl))] = 7;
        const PultFeld links = TestDesk::feld(5, 5);
        FSDaten[1].Start[2] = FSSlotAnzahl + 1;
        RefreshFSin54660();
        QCOMPARE(TestDesk::feld(5, 5), links);
        DelFSin54660(1);
        QCOMPARE(TestDesk::feld(5, 5), links);
        FSDaten[1].Start[2] = 1;

        TestDesk::setzen(4, 1, I::Weiche, {41, 7, 42, 8});
        const PultFeld weiche = TestDesk::feld(4, 1);
        RefreshFSin54660();
        DelFSin54660(0);
        SetFSin54660(0);
        QCOMPARE(TestDesk::feld(4, 1), weiche);
        TestDesk::setzen(5, 5, I::Leer);
        DelFS(1);
        QCOMPARE(TestDesk::feld(5, 5), LeerFeld);
    }
};

QTEST_MAIN(TstRouteSlots)
#include "tst_route_slots.moc"
