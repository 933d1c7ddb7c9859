// Automatic numbering of address groups: walking orders, the LNCVs of each
// group, half addresses, ticks, clearing, collisions, maxima, auxiliary keys.
#include "config/NumberingGroups.h"
#include "config/ThreeButtonKeys.h"
#include "config/NumberingTestDesk.h"

#include <QPoint>

using namespace AdrGruppe;
using T = NumberingTestDesk;

class TstNumbering : public QObject {
    Q_OBJECT
    NumberingTestDesk d;

    // The values of LNCVs ns of field (x, y).
    static QList<int> werte(int x, int y, const QList<int>& ns)
    {
        QList<int> w;
        for (int n : ns)
            w << T::lncv(x, y, n);
        return w;
    }
    static void nummerieren(const QList<int>& gruppen)
    {
        for (int g : gruppen)
            gruppeAutoAdr(g);
    }

private slots:
    void initTestCase() { d.katalogLaden(); }

    // Turnouts of code 105 at (2,1) and (2,3), a three-way turnout at (1,2).
    void turnoutsInEveryOrder_data()
    {
        QTest::addColumn<int>("ordnung");
        QTest::addColumn<QList<int>>("erwartet");   // (1,2) LNCV 11, 12; (2,1) LNCV 11; (2,3) LNCV 11
        QTest::newRow("columns left to right") << 0 << QList<int>{10, 11, 12, 13};
        QTest::newRow("columns right to left") << 1 << QList<int>{12, 13, 10, 11};
        QTest::newRow("rows top down") << 4 << QList<int>{11, 12, 10, 13};
        QTest::newRow("rows bottom up, right to left") << 7 << QList<int>{11, 12, 13, 10};
        QTest::newRow("order 8 is taken as 0") << 8 << QList<int>{10, 11, 12, 13};
        QTest::newRow("order -3 is taken as 0") << -3 << QList<int>{10, 11, 12, 13};
    }
    void turnoutsInEveryOrder()
    {
        QFETCH(int, ordnung);
        QFETCH(QList<int>, erwartet);
        d.anlegen(2, 3);
        T::setze(2, 1, 105);
        T::setze(2, 3, 105);
        T::setze(1, 2, 301);
        T::bereich(MAWeichen, 10, 10);
        AdrOpt.AdrOpt_OptNummerierung = int16_t(ordnung);
        AdrOpt.AutoIndices = {};   // never built: the walk builds it itself
        QCOMPARE(gruppeAutoAdr(MAWeichen), 0);
        QCOMPARE(werte(1, 2, {11, 12}) + werte(2, 1, {11}) + werte(2, 3, {11}), erwartet);
        QCOMPARE(T::lncv(2, 1, 12), 0);
        QCOMPARE(AdrOpt.AdrOpt_AdrOff[MAWeichen], 3.0f);
        QVERIFY(d.boxen.isEmpty());
    }

    // A turnout on every field of a 3 x 2 desk: each order visits the fields
    // in its own sequence, worked out from the order table.
    void everyFieldInTheOrdersOwnSequence_data()
    {
        QTest::addColumn<int>("ordnung");
        QTest::addColumn<QList<QPoint>>("folge");   // the fields that get 10, 11, ... 15
        QTest::newRow("2: columns left to right, rows bottom up")
            << 2 << QList<QPoint>{{1, 2}, {1, 1}, {2, 2}, {2, 1}, {3, 2}, {3, 1}};
        QTest::newRow("3: columns right to left, rows bottom up")
            << 3 << QList<QPoint>{{3, 2}, {3, 1}, {2, 2}, {2, 1}, {1, 2}, {1, 1}};
        QTest::newRow("5: rows bottom up, columns left to right")
            << 5 << QList<QPoint>{{1, 2}, {2, 2}, {3, 2}, {1, 1}, {2, 1}, {3, 1}};
        QTest::newRow("6: rows top down, columns right to left")
            << 6 << QList<QPoint>{{3, 1}, {2, 1}, {1, 1}, {3, 2}, {2, 2}, {1, 2}};
    }
    void everyFieldInTheOrdersOwnSequence()
    {
        QFETCH(int, ordnung);
        QFETCH(QList<QPoint>, folge);
        d.anlegen(3, 2);
        for (const QPoint& p : folge)
            T::setze(p.x(), p.y(), 105);
        T::bereich(MAWeichen, 10, 10);
        AdrOpt.AdrOpt_OptNummerierung = int16_t(ordnung);
        QCOMPARE(gruppeAutoAdr(MAWeichen), 0);
        for (int i = 0; i < folge.size(); ++i)
            QCOMPARE(T::lncv(folge[i].x(), folge[i].y(), 11), 10 + i);
    }

    void doubleSlipSecondAddressByLncv15_data()
    {
        QTest::addColumn<int>("lncv15");
        QTest::addColumn<int>("zweite");
        for (int art : {6, 7, 8, 9, 10})
            QTest::addRow("%d", art) << art << (art >= 7 && art <= 9 ? 11 : 0);
    }
    void doubleSlipSecondAddressByLncv15()
    {
        QFETCH(int, lncv15);
        QFETCH(int, zweite);
        d.anlegen(2, 2);
        T::setze(1, 1, 201).LNCV[15] = int16_t(lncv15);
        T::bereich(MAWeichen, 10, 10);
        gruppeAutoAdr(MAWeichen);
        QCOMPARE(werte(1, 1, {11, 12}), (QList<int>{10, zweite}));
    }

    // Which LNCVs each group numbers on a desk holding one element of each kind.
    void groupsNumberTheirLncvs_data()
    {
        QTest::addColumn<int>("gruppe");
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<int>>("lncvs");
        QTest::newRow("turnout feedback") << int(RMWeichen) << 302 << QList<int>{13};
        QTest::newRow("turnout key lock") << int(TsperrW) << 110 << QList<int>{40};
        QTest::newRow("switch key") << int(Schalt) << 611 << QList<int>{11};
        QTest::newRow("main signal") << int(Hauptsig) << 824 << QList<int>{31};
        QTest::newRow("distant signal") << int(Vorsig) << 853 << QList<int>{32};
        QTest::newRow("main with distant and shunting: distant") << int(Vorsig) << 531 << QList<int>{32};
        QTest::newRow("shunting signal") << int(Rangsig) << 834 << QList<int>{33};
        QTest::newRow("dwarf signal") << int(Zwergsig) << 842 << QList<int>{34};
        QTest::newRow("destination key lock") << int(TsperrZT) << 872 << QList<int>{40};
        QTest::newRow("uncoupler key lock") << int(TsperrZT) << 401 << QList<int>{40};
        QTest::newRow("distant signal has no destination key") << int(Zieltaster) << 551 << QList<int>{};
        QTest::newRow("route key is no destination key") << int(TsperrZT) << 601 << QList<int>{};
        QTest::newRow("two-track joystick, red") << int(RMAusl) << 711 << QList<int>{26, 28};
        QTest::newRow("3-button segment, red") << int(RMAusl) << 700 << QList<int>{};
        QTest::newRow("shunting signal has no main signal") << int(Hauptsig) << 541 << QList<int>{};
    }
    void groupsNumberTheirLncvs()
    {
        QFETCH(int, gruppe);
        QFETCH(int, code);
        QFETCH(QList<int>, lncvs);
        d.anlegen(1, 1);
        PultFeld& f = T::setze(1, 1, code);
        f.AutoFlag.fill(1);
        const PultFeld vorher = f;
        T::bereich(gruppe, 100, 100);
        gruppeAutoAdr(gruppe);
        QList<int> gesetzt, erwartet;
        for (int n = 0; n < 128; ++n)
            if (f.LNCV[size_t(n)] != vorher.LNCV[size_t(n)])
                gesetzt << n;
        QCOMPARE(gesetzt, lncvs);
        for (int i = 0; i < lncvs.size(); ++i)
            erwartet << 100 + i;
        QCOMPARE(werte(1, 1, lncvs), erwartet);
    }

    // Illumination LNCVs 21..24 need the lit track pieces beside the module;
    // the second track's 25..28 do not.
    void illuminationNeedsNeighbourPieces_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("nachbarn");
        QTest::addColumn<QList<int>>("gelb");   // LNCV 21, 23, 25, 27
        QTest::addColumn<QList<int>>("rot");    // LNCV 22, 24, 26, 28
        QTest::newRow("two-track signal with both pieces")
            << 503 << true << QList<int>{20, 21, 22, 23} << QList<int>{300, 301, 302, 303};
        QTest::newRow("two-track signal without pieces")
            << 503 << false << QList<int>{0, 0, 20, 21} << QList<int>{0, 0, 300, 301};
        QTest::newRow("single-track turnout with pieces")
            << 101 << true << QList<int>{20, 21, 0, 0} << QList<int>{300, 301, 0, 0};
    }
    void illuminationNeedsNeighbourPieces()
    {
        QFETCH(int, code);
        QFETCH(bool, nachbarn);
        QFETCH(QList<int>, gelb);
        QFETCH(QList<int>, rot);
        d.anlegen(3, 1);
        T::setze(2, 1, code);
        if (nachbarn) {
            T::setze(1, 1, 52);
            T::setze(3, 1, 51);
        }
        T::bereich(MAAusl, 20, 20);
        T::bereich(RMAusl, 300, 300);
        nummerieren({MAAusl, RMAusl});
        QCOMPARE(werte(2, 1, {21, 23, 25, 27}), gelb);
        QCOMPARE(werte(2, 1, {22, 24, 26, 28}), rot);
    }

    // Modules in the first and last column: the pieces inside the desk lie on the wrong side.
    void illuminationAtTheDeskEdges()
    {
        d.anlegen(4, 1);
        for (int x : {1, 4})
            T::setze(x, 1, 101);
        T::setze(2, 1, 52);
        T::setze(3, 1, 51);
        T::bereich(MAAusl, 20, 20);
        gruppeAutoAdr(MAAusl);
        QCOMPARE(werte(1, 1, {21, 23}) + werte(4, 1, {21, 23}), QList<int>(4, 0));
        QCOMPARE(AdrOpt.AdrOpt_AdrOff[MAAusl], -1.0f);
    }

    // Group 9 with next address 100: 100 red, 100 green, 101 red.
    void halfAddresses()
    {
        d.anlegen(1, 4);
        for (int y = 1; y <= 3; ++y)
            T::setze(1, y, 402);
        T::setze(1, 4, 401);
        T::bereich(Zieltaster, 100, 100);
        T::bereich(Entkuppler, 7, 7.5f);
        nummerieren({Zieltaster, Entkuppler});
        QCOMPARE((QList<int>{T::lncv(1, 1, 39), T::lncv(1, 2, 39), T::lncv(1, 3, 39), T::lncv(1, 4, 11)}),
                 (QList<int>{1000, 1001, 1010, 71}));
        QCOMPARE(AdrOpt.AdrOpt_StartAdr[Zieltaster] + AdrOpt.AdrOpt_AdrOff[Zieltaster] + 0.5f, 101.5f);
    }

    // LNCV 14 = 8 + 32: keys 0 and 2 are uncouplers, key 1 switches. Key 0 is
    // a destination key, key 1 a route feedback (no destination-key address,
    // but a key lock), key 2 has neither.
    void threeButtonSegment()
    {
        d.anlegen(2, 1);
        PultFeld& f = T::setze(1, 1, 700);
        f.LNCV[14] = 8 + 32;
        for (int k = 0; k < 3; ++k) {
            int schalt = 0, lok = 0, sfkt = 0, ziel = 0, led = 0, sperre = 0;
            T3_Taste_LNCV_Nr(k, schalt, lok, sfkt, ziel, led, sperre);
            for (int n : {schalt, ziel, led, sperre})
                f.AutoFlag[size_t(n)] = 1;
            f.LNCV[size_t(115 + k)] = int16_t(QList<int>{2, 3, 0}[k]);
        }
        T::setze(2, 1, 401);
        const QList<int> gruppen{Entkuppler, Schalt, Zieltaster, MAAusl, TsperrZT, RMAusl};
        const QList<int> starts{50, 20, 60, 70, 80, 90};
        for (int i = 0; i < gruppen.size(); ++i)
            T::bereich(gruppen[i], float(starts[i]), float(starts[i]));
        nummerieren(gruppen);
        QCOMPARE(werte(1, 1, {11, 12, 13}) + werte(2, 1, {11}), (QList<int>{500, 20, 501, 510}));
        QCOMPARE(werte(1, 1, {39, 41, 43}), (QList<int>{600, 0, 0}));
        QCOMPARE(werte(1, 1, {15, 16, 17}), (QList<int>{70, 71, 72}));
        QCOMPARE(werte(1, 1, {40, 42, 44}), (QList<int>{80, 81, 0}));
        QCOMPARE(T::lncv(1, 1, 22), 0);   // no lit pieces beside it

        // A new segment's keys are not ticked.
        d.anlegen(1, 1);
        T::setze(1, 1, 700);
        for (int g : {Schalt, Zieltaster, MAAusl, TsperrZT})
            T::bereich(g, 10, 10);
        nummerieren({Schalt, Zieltaster, MAAusl, TsperrZT});
        QCOMPARE(werte(1, 1, {11, 12, 13, 15, 16, 17, 39, 40, 41, 42, 43, 44}), QList<int>(12, 0));
    }

    // Multi-aspect main signals take two addresses: shown next + 1, then 2 more.
    void multiAspectSignals()
    {
        d.anlegen(1, 2);
        T::setze(1, 1, 501);
        T::setze(1, 2, 511);
        AdrOpt.AdrOpt_OptSigMehrbegriff = 1;
        T::bereich(Hauptsig, 50, 50);
        T::bereich(Vorsig, 80, 80);
        nummerieren({Hauptsig, Vorsig});
        QCOMPARE(werte(1, 1, {31}) + werte(1, 2, {31, 32}), (QList<int>{51, 53, 81}));
    }

    void onlyZeroAddressesOrAll_data()
    {
        QTest::addColumn<int>("ersetzen");
        QTest::addColumn<QList<int>>("erwartet");
        QTest::newRow("only zero") << 0 << QList<int>{10, 17, 11};
        QTest::newRow("all") << 1 << QList<int>{10, 11, 12};
    }
    void onlyZeroAddressesOrAll()
    {
        QFETCH(int, ersetzen);
        QFETCH(QList<int>, erwartet);
        d.anlegen(1, 3);
        for (int y = 1; y <= 3; ++y)
            T::setze(1, y, 101);
        T::feld(1, 2).LNCV[11] = 17;
        AdrOpt.AdrOpt_OptErsetzen = int16_t(ersetzen);
        T::bereich(MAWeichen, 10, 10);
        gruppeAutoAdr(MAWeichen);
        QCOMPARE((QList<int>{T::lncv(1, 1, 11), T::lncv(1, 2, 11), T::lncv(1, 3, 11)}), erwartet);
    }

    // Ticks decide for numbering and clearing alike; clearing keeps the offset
    // and touches nothing but the group's ticked LNCVs.
    void ticksAndClearing()
    {
        d.anlegen(3, 1);
        T::setze(1, 1, 52);
        for (int x : {2, 3})
            T::setze(x, 1, 101);
        T::feld(3, 1).AutoFlag[11] = 0;
        T::feld(3, 1).LNCV[11] = 99;
        T::bereich(MAWeichen, 10, 10);
        T::bereich(MAAusl, 40, 40);
        nummerieren({MAWeichen, MAAusl});
        QCOMPARE(werte(2, 1, {11, 21}) + werte(3, 1, {11}), (QList<int>{10, 40, 99}));
        T::feld(2, 1).LNCV[23] = 555;   // no lit piece on the right, but ticked: cleared all the same
        T::feld(2, 1).LNCV[12] = 77;    // not a group-0 LNCV of a plain turnout
        const PultFeld vorher2 = T::feld(2, 1);
        const float offset = AdrOpt.AdrOpt_AdrOff[MAAusl];

        AutoAdrSetzen = false;
        AdrOpt.AdrOpt_OptErsetzen = 0;
        gruppeAutoAdr(MAAusl);
        QCOMPARE(werte(2, 1, {21, 23, 11}), (QList<int>{0, 0, 10}));
        QCOMPARE(AdrOpt.AdrOpt_AdrOff[MAAusl], offset);
        gruppeAutoAdr(MAWeichen);
        QCOMPARE(werte(2, 1, {11}) + werte(3, 1, {11}), (QList<int>{0, 99}));
        for (int n = 0; n < 128; ++n)
            if (n != 11 && n != 21 && n != 23)
                QCOMPARE(T::feld(2, 1).LNCV[size_t(n)], vorher2.LNCV[size_t(n)]);
    }

    void groupWithoutRangeStartIsLeftAlone()
    {
        d.anlegen(1, 1);
        T::setze(1, 1, 101).LNCV[11] = 5;
        T::bereich(MAWeichen, 0, 10);
        for (bool setzen : {false, true}) {
            AutoAdrSetzen = setzen;
            AdrOpt.AdrOpt_OptErsetzen = 1;
            gruppeAutoAdr(MAWeichen);
            QCOMPARE(T::lncv(1, 1, 11), 5);
        }
    }

    // Group 0 from 10 on 50 turnouts with main signals from 55: every step
    // from 55 on asks; a group starting below (switching from 5) never does.
    void collisionQuestion_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<int>("meldungen");
        QTest::addColumn<QList<int>>("erwartet");   // LNCV 11 of (9,5), (10,1), (10,2), (10,5)
        QTest::addColumn<float>("offset");
        QTest::newRow("OK continues") << int(Msg::Ok) << 5 << QList<int>{54, 55, 56, 59} << 49.0f;
        QTest::newRow("Cancel ends the walk") << int(Msg::Abbrechen) << 1 << QList<int>{54, 0, 0, 0} << 44.0f;
    }
    void collisionQuestion()
    {
        QFETCH(int, antwort);
        QFETCH(int, meldungen);
        QFETCH(QList<int>, erwartet);
        QFETCH(float, offset);
        d.anlegen(10, 5);
        for (int x = 1; x <= 10; ++x)
            for (int y = 1; y <= 5; ++y)
                T::setze(x, y, 101);
        T::bereich(MAWeichen, 10, 10);
        T::bereich(Hauptsig, 55, 55);
        T::bereich(Schalt, 5, 5);
        d.antwort = antwort;
        QCOMPARE(gruppeAutoAdr(MAWeichen), antwort == Msg::Ok ? 0 : NummerierungBeendet);
        QCOMPARE(werte(9, 5, {11}) + werte(10, 1, {11}) + werte(10, 2, {11}) + werte(10, 5, {11}), erwartet);
        QCOMPARE(AdrOpt.AdrOpt_AdrOff[MAWeichen], offset);
        QCOMPARE(d.boxen.size(), meldungen);
        const MsgBoxAufruf& box = d.boxen.first();
        QCOMPARE(box.titel, QStringLiteral("Fehler bei der Automatischen Adressierung"));
        QCOMPARE(box.stil, Msg::OkAbbrechen | Msg::Kritisch);
        QCOMPARE(box.text, QStringLiteral(" Es tritt eine Kollision bei der Nummerierung von \r\n"
                                          " Magnetartikeladressen : Weichen  mit \r\n"
                                          " Magnetartikeladressen : Hauptsignale auf.\r\n"
                                          " Der Fehler tritt folgendem beim Modul auf : \r\n"
                                          "     Zeile : 1\r\n"
                                          "    Spalte : 10\r\n"
                                          "                OK = Nummerierung fortsetzen  \r\n"
                                          "         Abbrechen = Nummerierung beenden "));
    }

    // Key locks of turnouts and dwarf signals are accessory addresses as well;
    // feedback groups are checked only against feedback groups.
    void collisionClasses_data()
    {
        QTest::addColumn<int>("gruppe");
        QTest::addColumn<int>("andere");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("meldungen");
        QTest::newRow("turnout key locks run into dwarf signals") << int(TsperrW) << int(Zwergsig) << 101 << 1;
        QTest::newRow("dwarf signals run into turnouts") << int(Zwergsig) << int(MAWeichen) << 821 << 1;
        QTest::newRow("turnouts run into key locks") << int(MAWeichen) << int(TsperrW) << 101 << 1;
        QTest::newRow("turnout feedback runs into routes") << int(RMWeichen) << int(Fahrst) << 101 << 1;
        QTest::newRow("feedback does not meet accessory") << int(RMWeichen) << int(MAWeichen) << 101 << 0;
        QTest::newRow("accessory does not meet feedback") << int(MAWeichen) << int(RMAusl) << 101 << 0;
    }
    void collisionClasses()
    {
        QFETCH(int, gruppe);
        QFETCH(int, andere);
        QFETCH(int, code);
        QFETCH(int, meldungen);
        d.anlegen(1, 2);
        T::setze(1, 1, code);
        T::setze(1, 2, code);
        T::bereich(gruppe, 1, 1);
        T::bereich(andere, 2, 2);
        gruppeAutoAdr(gruppe);
        QCOMPARE(d.boxen.size(), meldungen);
        if (meldungen)
            QVERIFY(d.boxen[0].text.contains(AdrBereichName[size_t(andere)] + QStringLiteral(" auf.")));
    }

    // A run past 2047 (accessory) or 4095 (feedback) is refused before it writes anything.
    void groupMaximum_data()
    {
        QTest::addColumn<int>("gruppe");
        QTest::addColumn<float>("naechste");
        QTest::addColumn<bool>("erlaubt");
        QTest::newRow("turnouts up to 2047") << int(MAWeichen) << 2045.0f << true;
        QTest::newRow("turnouts to 2048") << int(MAWeichen) << 2046.0f << false;
        QTest::newRow("feedback up to 4095") << int(RMWeichen) << 4093.0f << true;
        QTest::newRow("feedback to 4096") << int(RMWeichen) << 4094.0f << false;
        QTest::newRow("half addresses up to 2047 green") << int(Zieltaster) << 2046.5f << true;
        QTest::newRow("half addresses to 2048 red") << int(Zieltaster) << 2047.0f << false;
        QTest::newRow("key locks of destination keys are accessory") << int(TsperrZT) << 2046.0f << false;
    }
    void groupMaximum()
    {
        QFETCH(int, gruppe);
        QFETCH(float, naechste);
        QFETCH(bool, erlaubt);
        d.anlegen(1, 4);
        for (int y = 1; y <= 3; ++y)
            T::setze(1, y, gruppe == Zieltaster || gruppe == TsperrZT ? 402 : 101);
        T::setze(1, 4, 101).AutoFlag.fill(0);   // not ticked: uses no address
        T::bereich(gruppe, 1000, naechste);
        const float offset = AdrOpt.AdrOpt_AdrOff[size_t(gruppe)];
        QCOMPARE(gruppeAutoAdr(gruppe), erlaubt ? 0 : NummerierungBeendet);
        QCOMPARE(d.boxen.size(), erlaubt ? 0 : 1);
        if (!erlaubt) {
            QCOMPARE(AdrOpt.AdrOpt_AdrOff[size_t(gruppe)], offset);
            for (int y = 1; y <= 3; ++y)
                QCOMPARE(werte(1, y, {11, 13, 39, 40}), QList<int>(4, 0));
            QVERIFY(d.boxen[0].text.contains(AdrBereichName[size_t(gruppe)]));
        }
        // Clearing is never refused.
        AutoAdrSetzen = false;
        d.boxen.clear();
        QCOMPARE(gruppeAutoAdr(gruppe), 0);
        QVERIFY(d.boxen.isEmpty());
    }

    // Ticks do not matter for the auxiliary keys; an address beyond 2047 refuses them all.
    void auxiliaryKeys()
    {
        const QList<int> codes = {602, 603, 604, 605, 874, 875, 876, 877, 402, 844, 551, 601};
        d.anlegen(int(codes.size()), 1);
        for (int i = 0; i < codes.size(); ++i)
            T::setze(i + 1, 1, codes[i]).AutoFlag.fill(0);
        AdrOpt.AdrOpt_MagAdr_FaGTHaGT = 12;
        AdrOpt.AdrOpt_MagAdr_SGTFHT = 2047;
        QCOMPARE(FaGT_HaGT_SGT_FHT_autoAdr(), 0);
        QList<int> lncv39;
        for (int x = 1; x <= 8; ++x)
            lncv39 << T::lncv(x, 1, 39);
        QCOMPARE(lncv39, (QList<int>{20470, 120, 121, 20471, 20470, 120, 121, 20471}));
        QCOMPARE(werte(9, 1, {7, 8}) + werte(10, 1, {7, 8}), (QList<int>{12, 2047, 12, 2047}));
        QCOMPARE(werte(11, 1, {7, 8, 39}) + werte(12, 1, {7, 8, 39}), QList<int>(6, 0));

        AdrOpt.AdrOpt_MagAdr_FaGTHaGT = 2048;
        AdrOpt.AdrOpt_MagAdr_SGTFHT = 5;
        QCOMPARE(FaGT_HaGT_SGT_FHT_autoAdr(), NummerierungBeendet);
        QCOMPARE(d.boxen.size(), 1);
        QCOMPARE(werte(2, 1, {39}) + werte(9, 1, {8}), (QList<int>{120, 2047}));
    }

    void emptyDeskWalksNothing()
    {
        d.anlegen(0, 0);
        int besucht = 0;
        for (int o = 0; o < 8; ++o) {
            AdrOpt.AdrOpt_OptNummerierung = int16_t(o);
            pultDurchlaufen([&](int, int) { return ++besucht, 0; });
        }
        QCOMPARE(besucht, 0);
    }
};

QTEST_MAIN(TstNumbering)
#include "tst_numbering.moc"
