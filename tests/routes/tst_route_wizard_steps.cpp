// Single steps of route definition driven by a scripted user: the turnout
// step, the element step's marks, and steps re-run on an existing route.
#include "routes/RouteWizardDesk.h"

#include "routes/RouteStepEvaluation.h"

#include <QLineEdit>

Q_DECLARE_METATYPE(ElementEingabe)

class TestRouteWizardSteps : public QObject, RouteWizardDesk {
    Q_OBJECT

private slots:
    void initTestCase() { echtenKatalogLaden(); }
    void init() { vorbereiten(); }

    // The turnout step: a crossing turnout has the drives its LNCV 15 gives
    // (4..6 one, 7..9 two, else as decided before in this step, two at
    // first); OK is open before a state is chosen (it leaves the turnout out).
    void turnoutStep_data()
    {
        QTest::addColumn<QList<int>>("codes");   // turnouts clicked one after the other on row 3
        QTest::addColumn<QList<int>>("lncv15");
        QTest::addColumn<int>("antriebe");       // drives offered for the last one
        QTest::newRow("201, 4: one drive") << QList<int>{201} << QList<int>{4} << 1;
        QTest::newRow("202, 6: one drive") << QList<int>{202} << QList<int>{6} << 1;
        QTest::newRow("203, 7: two drives") << QList<int>{203} << QList<int>{7} << 2;
        QTest::newRow("201, 9: two drives") << QList<int>{201} << QList<int>{9} << 2;
        QTest::newRow("203, 3: two at first") << QList<int>{203} << QList<int>{3} << 2;
        QTest::newRow("202, 6, then 203, 10: still one") << QList<int>{202, 203} << QList<int>{6, 10} << 1;
    }

    void turnoutStep()
    {
        QFETCH(QList<int>, codes);
        QFETCH(QList<int>, lncv15);
        QFETCH(int, antriebe);
        const int x = int(codes.size());
        for (int i = 0; i < x; ++i)
            TestDesk::setzen(i + 1, 3, katalogIndex(codes[i]), {0, 13 + 10 * i, 11, 40 + i, 12, 50 + i, 15, lncv15[i]});
        starten([=](WizardUser& u) {
            bisZuDenElementen(u);
            QWidget *z = &FstZBest(), *w = &FstWBest();
            for (int i = 1; i <= x; ++i)
                u.klick(i, 3, i == 1 ? z : w);
            auto okUndZweiterAntrieb = [w] {
                return QString("%1%2").arg(int(okAn(w))).arg(int(FstWBest().Mag2Frame->isVisibleTo(w)));
            };
            u.notiz(w, okUndZweiterAntrieb);
            u.waehlen(w, "Mag1_RG(1)");
            u.notiz(w, okUndZweiterAntrieb);
            if (antriebe == 2)
                u.waehlen(w, "Mag2_RG(0)");
            u.knopf(w, "OK_But");
            u.knopf(z, "OK_But");
        });
        QCOMPARE(notizen, (QStringList{QString("1%1").arg(antriebe - 1), QString("1%1").arg(antriebe - 1)}));
        const Befehle erwartet{{x, 3, 0, 1, 2, 11}, {x, 3, 0, 0, 2, 12}};
        QCOMPARE(liste(0, 0), erwartet.mid(0, antriebe));
    }

    // A clicked element gets the route mark only when a command for it was
    // stored; stored or not, the element step repeats.
    void elementStepMarksOnlyWhatItStores_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<ElementEingabe>("eingabe");
        QTest::addColumn<int>("befehle");   // commands stored
        auto eingabe = [](const std::function<void(ElementEingabe&)>& setzen) {
            ElementEingabe e;
            setzen(e);
            return e;
        };
        QTest::newRow("turnout without a position") << 3 << 2 << ElementEingabe{} << 0;
        QTest::newRow("turnout with only its second drive")
            << 4 << 2 << eingabe([](ElementEingabe& e) { e.weiche.antrieb2 = 1; }) << 0;
        QTest::newRow("turnout ROT") << 3 << 2 << eingabe([](ElementEingabe& e) { e.weiche.antrieb1 = 0; }) << 1;
        QTest::newRow("signal without a part ticked") << 5 << 2 << ElementEingabe{} << 0;
        QTest::newRow("main signal ticked without aspect, illumination ticked") << 5 << 2 << eingabe([](ElementEingabe& e) {
            e.signal.haupt = true;
            e.signal.ausleuchtung1 = true;
        }) << 0;
        QTest::newRow("signal illumination only")
            << 5 << 2 << eingabe([](ElementEingabe& e) { e.signal.ausleuchtung1 = true; }) << 1;
        QTest::newRow("lit piece not taken") << 4 << 1 << ElementEingabe{} << 0;
        QTest::newRow("lit piece taken") << 4 << 1 << eingabe([](ElementEingabe& e) { e.nachbarBenutzen = true; }) << 1;
        QTest::newRow("field of no route element") << 1 << 5 << ElementEingabe{} << 0;
    }

    void elementStepMarksOnlyWhatItStores()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(ElementEingabe, eingabe);
        QFETCH(int, befehle);
        FSDaten[0] = LeerFahrstrasse;
        FSAnzahl = 0;
        MainWin().PultAdr.setText(3 * y, x, QString());
        FSKlickX = int16_t(x);
        FSKlickY = int16_t(y);
        int ergebnis = SchrittErgebnis::Fertig;
        elementAuswerten(0, true, eingabe, ergebnis);
        QCOMPARE(ergebnis, int(SchrittErgebnis::Wiederholen));
        QCOMPARE(int(liste(0, 0).size()), befehle);
        QCOMPARE(MainWin().PultAdr.Text(3 * y, x), befehle > 0 ? QString("#############") : QString());
    }

    // The route editor runs single steps of an existing route: a new name
    // only renames it, a new destination keeps its LocoNet commands and slot.
    void changingAnExistingRouteKeepsItsCommandsAndSlot()
    {
        starten([](WizardUser& u) {
            bisZuDenElementen(u);
            u.knopf(&FstZBest(), "OK_But");
        });
        TestDesk::feld(7, 4).LNCV[43] = 351;
        FSinArbeit = true;
        WizardUser u;
        QWidget* g = &FstGBest();
        u.notiz(g, [g] { return g->findChild<QLineEdit*>("FSB_Name_Txt")->text(); });
        u.tippen(g, "FSB_Name_Txt", "Süd");
        u.knopf(g, "OK_But");
        int route = 0, schritt = 0, ergebnis = SchrittErgebnis::Wiederholen;
        QCOMPARE(FS_Schritt(route, schritt, ergebnis), int(FSAntwort::OK));
        QCOMPARE(FSDaten[0].Name, QString("Süd"));
        u.knopf(&FstZT3TM(), "Taste(2)");
        u.knopf(&FstGBest(), "OK_But");
        FSKlick = 1;
        FSKlickX = 7;
        FSKlickY = 4;
        schritt = 2;
        QCOMPARE(FS_Schritt(route, schritt, ergebnis, true), int(FSAntwort::OK));
        FSinArbeit = false;
        u.weiter();
        QVERIFY(u.aktionen.isEmpty());
        QCOMPARE(u.notizen, QStringList{"Nord"});
        QCOMPARE((QList<int>{ergebnis, FSAnzahl, FSDaten[0].Start[2]}), (QList<int>{SchrittErgebnis::Fertig, 0, 1}));
        QCOMPARE(gruppe(FSDaten[0].Ziel), (QList<int>{7, 4, 35, 1, 43}));
        QCOMPARE(gruppe(FSDaten[0].Rueckmeldeadressen), (QList<int>{1000, 3, 1000, 2, 0}));
        QCOMPARE(AdrOpt.AdrOpt_AdrOff[AdrGruppe::Fahrst], 1.0f);
        QCOMPARE(slotWorte(1, 2, 0) + slotWorte(1, 2, 1), (QList<int>{351, 10003, 0, 10002, 0, 0, 0, 0}));

        // The next new route takes the next feedback address and the next slot of the board.
        starten([](WizardUser& u) {
            bisZuDenElementen(u);
            u.knopf(&FstZBest(), "OK_But");
        });
        QCOMPARE((QList<int>{FSAnzahl, FSDaten[1].Start[2]}), (QList<int>{1, 2}));
        QCOMPARE(gruppe(FSDaten[1].Rueckmeldeadressen), (QList<int>{1001, 3, 1001, 2, 0}));
        QCOMPARE(slotWorte(1, 2, 1), (QList<int>{301, 10013, 0, 10012}));
    }
};

QTEST_MAIN(TestRouteWizardSteps)
#include "tst_route_wizard_steps.moc"
