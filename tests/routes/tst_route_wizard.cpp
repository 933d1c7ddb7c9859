// Route definition on the desk driven by a scripted user: whole routes from
// name to completion surviving save and load, and cancels and refusals at
// every step.
#include "routes/RouteWizardDesk.h"

#include "platform/WindowFit.h"
#include "project/ProjectFileLoad.h"
#include "project/ProjectFileSave.h"
#include "routes/RouteSignalForm.h"

#include <QCheckBox>
#include <QRadioButton>

// The answer the next question of the wizard gets.
int meldungenAntwort = Msg::Ja;

class TestRouteWizard : public QObject, RouteWizardDesk {
    Q_OBJECT

private slots:
    void initTestCase() { echtenKatalogLaden(); }
    void init() { vorbereiten(); }

    void definesARouteOnTheDesk_data()
    {
        QTest::addColumn<Skript>("skript");
        QTest::addColumn<QList<int>>("ziel");
        QTest::addColumn<QList<int>>("aufloesen");
        QTest::addColumn<Befehle>("festlegen");
        QTest::addColumn<Befehle>("aufloesenListe");
        QTest::addColumn<QList<int>>("slot");
        QTest::addColumn<QList<int>>("speicher");
        QTest::addColumn<QStringList>("erwarteteNotizen");

        QTest::newRow("feedback option, turnouts, signals, illuminated pieces")
            << Skript([](WizardUser& u) {
                   bisZurFreigabe(u);
                   Fst_RBest_Form* r = &FstRBest();
                   u.notiz(r, [] { return MainWin().PultAdr.Text(3 * 2 - 1, 1) + "|" + MainWin().PultAdr.Text(3 * 2 - 1, 6); });
                   u.klick(3, 2, r);
                   u.notiz(r, [r] { return r->RMOpt[5]->text() + "|" + r->RM_Frame->title(); });
                   u.waehlen(r, "RMOpt(5)");
                   u.knopf(r, "OK_But");
                   QWidget *z = &FstZBest(), *w = &FstWBest(), *s = &FstSBest(), *a = &FstABest();
                   u.notiz(z, [z] { return text(z, "Label"); });
                   u.klick(3, 2, z);
                   u.waehlen(w, "Mag1_RG(1)");
                   u.knopf(w, "OK_But");
                   u.notiz(z, [z] { return text(z, "Label"); });
                   u.klick(4, 2, z);
                   u.notiz(w, [w] { return w->windowTitle() + "|" + text(w, "MagAdr2Lbl"); });
                   u.waehlen(w, "Mag1_RG(0)");
                   u.waehlen(w, "Mag2_RG(1)");
                   u.knopf(w, "OK_But");
                   u.klick(5, 2, z);
                   u.waehlen(s, "HS_Chk");
                   u.waehlen(s, "HSRG1_Opt(1)");
                   u.waehlen(s, "VS_Chk");
                   u.waehlen(s, "VSRG1_Opt(1)");
                   u.waehlen(s, "VSRG2_Opt(0)");
                   u.waehlen(s, "Ausl1_Chk");
                   u.notiz(s, [s] { return text(s, "VSAdr2_Lbl") + "|" + QString::number(s->findChild<QCheckBox*>("Ausl2_Chk")->isVisibleTo(s)); });
                   u.knopf(s, "OK_But");
                   u.klick(4, 1, z);
                   u.notiz(a, [a] { return text(a, "AuslAdr_Lbl"); });
                   u.waehlen(a, "Incl_Chk");
                   u.knopf(a, "OK_But");
                   u.klick(8, 1, z);
                   u.notiz(a, [a] { return text(a, "AuslAdr_Lbl"); });
                   u.waehlen(a, "Incl_Chk");
                   u.knopf(a, "OK_But");
                   u.klick(2, 4, z);
                   u.waehlen(s, "VS_Chk");
                   auto gekoppelt = [s] { return text(s, "VSAutoAdr_Lbl(0)") + "," + text(s, "VSAutoAdr_Lbl(1)"); };
                   u.knopf(s, "VSAuto_Cmd");
                   u.knopf(&FstVBest(), "Abbruch_Cmd");
                   u.klick(4, 2, nullptr);   // taken by the cancelled hint, not by the element step
                   u.notiz(s, gekoppelt);
                   u.knopf(s, "VSAuto_Cmd");
                   u.klick(5, 2, &FstVBest());
                   u.notiz(s, gekoppelt);
                   u.knopf(s, "OK_But");
                   u.knopf(z, "OK_But");
               })
            << QList<int>{6, 2, 30, 1, 39} << QList<int>{3, 2, 500, 3, 13}
            << Befehle{{5, 2, 0, 1, 1, 25}, {2, 1, 0, 1, 1, 23}, {3, 2, 0, 1, 2, 11}, {4, 2, 0, 0, 2, 11},
                       {4, 2, 0, 1, 2, 12}, {5, 2, 0, 1, 3, 32}, {5, 2, 0, 0, 4, 32}, {5, 2, 2, 4, 5, 31},
                       {5, 2, 0, 1, 7, 31}}
            << Befehle{{5, 2, 600, 0, 1, 25}, {2, 1, 700, 0, 1, 23}, {5, 2, 120, 0, 3, 32}, {5, 2, 121, 0, 4, 32},
                       {5, 2, 2, 4, 5, -2}, {5, 2, 110, 0, 7, 31}}
            << QList<int>{301, 10003, 5003, 10002}
            << QList<int>{10009, 6001, 7001, 101, 110, 121, 1201, 1210, 1104, 244, 1101,
                          10008, 6000, 7000, 1200, 1210, 4, 244, 1100, 0}
            << QStringList{"Start|Ziel", "Weichengleis: 500 belegt|Rückmeldeadressen aussuchen: X= 3 / Y= 2",
                           "Bitte erstes Element der Fahrstraße anwählen",
                           "Bitte nächstes Element der Fahrstraße anwählen",
                           "Route festlegen - Modul: X= 4 / Y= 2 ausgewählt|12", "121|0", "700", "-", ",", "5,2"};

        QTest::newRow("3-button destination, typed release, multi-aspect main signal, shunting signal")
            << Skript([](WizardUser& u) {
                   nameUndStart(u);
                   QWidget* g = &FstGBest();
                   u.klick(7, 4, g);
                   QWidget* t = &FstZT3TM();
                   u.notiz(t, [t] {
                       QString an;
                       for (int k = 0; k < 4; ++k)
                           an += QString::number(t->findChild<QPushButton*>(QString("Taste(%1)").arg(k))->isEnabled());
                       return an;
                   });
                   u.knopf(t, "Taste(2)");
                   u.knopf(g, "OK_But");
                   QWidget* r = &FstRBest();
                   u.tippen(r, "RadrTxt", "1234");
                   u.waehlen(r, "RM_stat_opt(1)");
                   u.tippen(r, "PauseTxt", "5");
                   u.knopf(r, "OK_But");
                   QWidget *z = &FstZBest(), *s = &FstSBest();
                   u.klick(5, 2, z);
                   u.waehlen(s, "HS_Chk");
                   u.waehlen(s, "HSRG1_Opt(0)");
                   u.waehlen(s, "HSMherb_Chk");
                   u.tippen(s, "HSAdr2_Txt", "222");
                   u.waehlen(s, "HSRG2_Opt(1)");
                   u.knopf(s, "OK_But");
                   u.klick(4, 4, z);
                   u.waehlen(s, "RS_Chk");
                   u.waehlen(s, "RSRG_Opt(1)");
                   u.knopf(s, "OK_But");
                   u.knopf(z, "OK_But");
               })
            << QList<int>{7, 4, 43, 1, 43} << QList<int>{0, 0, 1234, 3, -1}
            << Befehle{{4, 4, 0, 1, 6, 33}, {5, 2, 0, 0, 7, 31}, {5, 2, 222, 1, 8, -1}, {0, 0, 5, 0, 9, -1},
                       {0, 0, 1234, 3, 10, -1}}
            << Befehle{{4, 4, 140, 0, 6, 33}, {5, 2, 110, 0, 7, 31}, {5, 2, 222, 0, 8, -1}}
            << QList<int>{431, 10003, 12343, 10002}
            << QList<int>{10009, 1401, 1100, 2221, 105, 12343, 10008, 1400, 1100, 2220, 0}
            << QStringList{"0111"};

        QTest::newRow("release by key only, no elements")
            << Skript([](WizardUser& u) {
                   // Left-overs in the record the new route takes do not reach it.
                   FSDaten[0].Aufloesen = {9, 9, 9, 9, 9};
                   FSDaten[0].Route[0][7] = {1, 1, 1, 1, 2, 11, -1, -1};
                   bisZurFreigabe(u);
                   Fst_RBest_Form* r = &FstRBest();
                   auto rahmen = [r] {
                       return QString::number(r->RM_Frame->isVisibleTo(r)) + QString::number(r->Anl_ohne_RM_Frame->isVisibleTo(r));
                   };
                   u.klick(3, 2, r);
                   u.notiz(r, rahmen);
                   u.waehlen(r, "FHT_Chk");
                   u.notiz(r, rahmen);
                   u.waehlen(r, "FHT_Chk", false);
                   u.notiz(r, rahmen);
                   u.waehlen(r, "FHT_Chk");
                   u.tun(r, [r] {
                       QEvent aktiv(QEvent::WindowActivate);
                       QApplication::sendEvent(r, &aktiv);
                   });
                   u.notiz(r, [r, rahmen] { return QString::number(r->FHT_Chk->isChecked()) + rahmen(); });
                   u.knopf(r, "OK_But");
                   QWidget* z = &FstZBest();
                   u.klick(1, 5, z);   // an empty field: evaluated and ignored, the prompt comes back
                   u.knopf(z, "OK_But");
                   u.klick(3, 2, z);   // a turnout left out: OK without a position stores nothing
                   u.knopf(&FstWBest(), "OK_But");
                   u.notiz(z, [z] { return text(z, "Label"); });
                   u.knopf(z, "OK_But");
               })
            << QList<int>{6, 2, 30, 1, 39} << QList<int>{0, 0, 0, 0, 0} << Befehle{} << Befehle{}
            << QList<int>{301, 10003, 0, 10002} << QList<int>{0, 0}
            << QStringList{"10", "00", "10", "100", "Bitte erstes Element der Fahrstraße anwählen"};
    }

    void definesARouteOnTheDesk()
    {
        QFETCH(Skript, skript);
        QFETCH(QList<int>, ziel);
        QFETCH(QList<int>, aufloesen);
        QFETCH(Befehle, festlegen);
        QFETCH(Befehle, aufloesenListe);
        QFETCH(QList<int>, slot);
        QFETCH(QList<int>, speicher);
        QFETCH(QStringList, erwarteteNotizen);
        starten(skript);
        QCOMPARE(notizen, erwarteteNotizen);
        QCOMPARE(titel(meldungen), QStringList());
        QCOMPARE(AdrOpt.AdrOpt_AdrOff[AdrGruppe::Fahrst], 1.0f);

        // What the route holds survives saving and loading the project.
        for (int runde = 0; runde < 2; ++runde) {
            const Fahrstrasse& f = FSDaten[0];
            QCOMPARE(f.Name + QString::number(FSAnzahl), QString("Nord0"));
            QCOMPARE(gruppe(f.Start) + gruppe(f.Rueckmeldeadressen), (QList<int>{1, 2, 1, 0, 0, 1000, 3, 1000, 2, 0}));
            QCOMPARE(gruppe(f.Ziel), ziel);
            QCOMPARE(gruppe(f.Aufloesen), aufloesen);
            QCOMPARE(liste(0, 0), festlegen);
            QCOMPARE(liste(0, 1), aufloesenListe);
            QCOMPARE(slotWorte(1, 2, 0), slot);
            QCOMPARE(code(6, 5 + int(speicher.size())), speicher);
            if (runde == 0) {
                QVERIFY(Save_plt());
                PultAufgebaut = false;
                QVERIFY(Load_plt());
            }
        }
    }

    void cancelsAndRefusals_data()
    {
        QTest::addColumn<Skript>("skript");
        QTest::addColumn<int>("anzahl");              // FSAnzahl afterwards
        QTest::addColumn<QStringList>("boxen");       // titles of the message boxes, answered "Ja" unless said
        QTest::addColumn<QStringList>("erwarteteNotizen");
        QTest::addColumn<QList<int>>("start");        // Start of route 0 when it stays

        auto label = [](QWidget* g) { return [g] { return text(g, "Ausg_Lbl") + "|" + QString::number(okAn(g)); }; };
        const QString frage = "Fahrstraße eingeben";

        QTest::newRow("cancel in the name step asks nothing")
            << Skript([](WizardUser& u) {
                   u.notiz(&FstGBest(), [] { return QString::number(MainWin().HelpContextID); });
                   u.escape(&FstGBest());
               })
            << -1 << QStringList() << QStringList{"43"} << QList<int>();

        QTest::newRow("refused start key stays refused when the dialog is activated again; frame close, Ja")
            << Skript([label](WizardUser& u) {
                   QWidget* g = &FstGBest();
                   u.tippen(g, "FSB_Name_Txt", "Nord");
                   u.knopf(g, "OK_But");
                   u.klick(3, 2, g);
                   u.notiz(g, label(g));
                   u.tun(g, [g] {
                       QEvent aktiv(QEvent::WindowActivate);
                       QApplication::sendEvent(g, &aktiv);
                   });
                   u.notiz(g, label(g));
                   u.schliessen(g);
               })
            << -1 << QStringList{frage}
            << QStringList{"X= 3 / Y= 2 - Kann nicht Starttaste sein!!|0", "X= 3 / Y= 2 - Kann nicht Starttaste sein!!|0"}
            << QList<int>();

        QTest::newRow("destination refused, key choice cancelled, Nein keeps the route without release list")
            << Skript([label](WizardUser& u) {
                   nameUndStart(u);
                   QWidget* g = &FstGBest();
                   u.klick(6, 2, g);
                   u.notiz(g, label(g));
                   u.klick(7, 5, g);
                   u.notiz(g, label(g));
                   u.klick(7, 4, g);
                   u.escape(&FstZT3TM());
                   u.notiz(g, label(g));
                   u.knopf(g, "Abbruch_Cmd");
                   meldungenAntwort = Msg::Nein;
               })
            << 0 << QStringList{frage}
            << QStringList{"X= 6 / Y= 2 / MagArt.Adr.= 30 grün - o.k.|1", "X= 7 / Y= 5 - Kann nicht Zieltaste sein!!|0",
                           "3 Tasten Segment angewählt!|0"}
            << QList<int>{1, 2, 0, 0, 0};

        QTest::newRow("cancelling the destination step closes the open key choice")
            << Skript([](WizardUser& u) {
                   nameUndStart(u);
                   u.klick(7, 4, &FstGBest());
                   u.tun(&FstZT3TM(), [] {});
                   u.knopf(&FstGBest(), "Abbruch_Cmd");
               })
            << -1 << QStringList{frage} << QStringList() << QList<int>();

        QTest::newRow("incomplete release choices repeat; frame close, Ja clears the route slot")
            << Skript([](WizardUser& u) {
                   bisZurFreigabe(u);
                   Fst_RBest_Form* r = &FstRBest();
                   auto titelOk = [r] { return r->windowTitle() + "|" + QString::number(okAn(r)); };
                   u.tippen(r, "RadrTxt", "1234");
                   u.knopf(r, "OK_But");          // no "frei"/"belegt": repeated
                   u.tippen(r, "RadrTxt", "5000");
                   u.notiz(r, titelOk);
                   u.klick(3, 2, r);              // feedback options replace the typed address
                   u.notiz(r, titelOk);
                   u.knopf(r, "OK_But");          // no option chosen: repeated
                   u.notiz(r, [] { return QString::number(FSDaten[0].Aufloesen[2]) + "|" + QString::number(LastRouteIdx(0, 0)); });
                   u.schliessen(r);
               })
            << -1 << QStringList{frage}
            << QStringList{" --- Wert zu groß !! ---|0", "Bedingung zum Auflösen der Fahrstraße festlegen|1", "0|-1"}
            << QList<int>();

        QTest::newRow("Escape in the turnout dialog cancels the route")
            << Skript([](WizardUser& u) {
                   bisZuDenElementen(u);
                   u.klick(3, 2, &FstZBest());
                   u.escape(&FstWBest());
               })
            << -1 << QStringList{frage} << QStringList() << QList<int>();

        QTest::newRow("route table full")
            << Skript([](WizardUser& u) {
                   FSAnzahl = FSMax;
                   u.tippen(&FstGBest(), "FSB_Name_Txt", "Nord");
                   u.knopf(&FstGBest(), "OK_But");
               })
            << int(FSMax) << QStringList{"Achtung!"} << QStringList() << QList<int>();

        QTest::newRow("no free route slot drops the route and ends the wizard")
            << Skript([](WizardUser& u) {
                   for (int s = 0; s < 10; ++s)
                       TestDesk::feld(1, 2).LNCV[size_t(41 + 4 * s)] = 1;
                   bisZurFreigabe(u);
               })
            << -1 << QStringList{"Fehler beim Erstellen der Fahrstraße"} << QStringList() << QList<int>();

        QTest::newRow("no second start, no project or desk change while a route is defined")
            << Skript([](WizardUser& u) {
                   QWidget* g = &FstGBest();
                   u.tun(g, [] {
                       FS_new();
                       KonfMenu_Click(2);
                       KonfMenu_Click(3);
                       KonfMenu_Click(0);
                       KonfMenu_Click(1);
                       NeuesPultMenu_Click();
                       PultLadenMenu_Click();
                   });
                   // The step dialogs follow the one the user moved.
                   u.tun(g, [g] { g->move(g->pos() + QPoint(40, 30)); });
                   u.warten([g] {
                       return rahmenOrt(&FstZBest()) == rahmenOrt(g) && rahmenOrt(&FstSBest()) == rahmenOrt(g);
                   });
                   u.escape(g);
               })
            << -1 << QStringList(7, frage) << QStringList() << QList<int>();
    }

    void cancelsAndRefusals()
    {
        QFETCH(Skript, skript);
        QFETCH(int, anzahl);
        QFETCH(QStringList, boxen);
        QFETCH(QStringList, erwarteteNotizen);
        QFETCH(QList<int>, start);
        meldungenAntwort = Msg::Ja;
        starten([&](WizardUser& u) {
            skript(u);
            meldungen.antwort = meldungenAntwort;
        });
        QCOMPARE(notizen, erwarteteNotizen);
        QCOMPARE(titel(meldungen), boxen);
        QCOMPARE(int(FSAnzahl), anzahl);
        if (anzahl == FSMax)
            QCOMPARE(meldungen.boxen[0].text, QString("    Es sind bereits 301 Fahrstraßen vergeben worden!     \r\n"
                                                      " Zur Zeit können nicht mehr  Fahrstraßen definiert werden. "));
        if (!start.isEmpty()) {
            QCOMPARE(gruppe(FSDaten[0].Start), start);
            QCOMPARE(gruppe(FSDaten[0].Ziel), (QList<int>{0, 0, 0, 0, 0}));
            QCOMPARE(LastRouteIdx(0, 1), -1);
        }
        // A dropped or deleted route is cleared and leaves its slot as it found it.
        if (anzahl == -1) {
            QCOMPARE(FSDaten[0].Name + QString::number(FSDaten[0].Start[0]), QString("0"));
            QCOMPARE(slotWorte(1, 2, 0), (QList<int>{TestDesk::lncv(1, 2, 45), 0, 0, 0}));
        }
        for (int code = 0; code < 7; ++code)
            QVERIFY(!fstSchrittDialog(code)->isVisible());
        QVERIFY(!FstZT3TM().isVisible());
    }
};

QTEST_MAIN(TestRouteWizard)
#include "tst_route_wizard.moc"
