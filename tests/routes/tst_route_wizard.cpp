// Route definition on the desk driven by a scripted user: whole routes from
// name to completion surviving save and load, cancels and refusals at every
// step, and single steps re-run on an existing route.
#include "routes/RouteTestDesk.h"

#include "core/MenuCommands.h"
#include "platform/WindowFit.h"
#include "project/ProjectFileLoad.h"
#include "project/ProjectFileSave.h"
#include "routes/KeyChoiceDialog.h"
#include "routes/RouteDefinition.h"
#include "routes/RouteSignalForm.h"
#include "routes/RouteStepDialog.h"
#include "routes/RouteStepEvaluation.h"
#include "routes/RouteStepForms.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {
// The desk of these tests (8 x 6 fields, right-hand traffic):
//   (1,2) main signal 501, the start key          (6,2) destination key 402, key address 30 green
//   (7,4) 3-button segment, keys 2 and 3 are destination keys; (7,5) one without
//   (3,2) turnout 101 with track feedback 500      (4,2) three-way turnout 301
//   (5,2) main + 3-aspect distant signal 513 with illumination 600
//   (2,4) distant signal 551 switched with its main signal, module address 24
//   (2,1) turnout with illumination 700 left of the pieces 51 at (3,1), (4,1); pieces 52 at (7,1), (8,1)
//   (4,4) shunting signal 541, address 140
//   (8,6) route memory; every module has its own address
void musterPult()
{
    TestDesk::neuesPult(8, 6);
    // column, row, element, then LNCV number and value pairs
    for (const QList<int>& f : Befehle{{1, 2, 501, 0, 12, 31, 100}, {6, 2, 402, 0, 62, 39, 301},
                                       {7, 4, 700, 0, 74, 115, 1, 116, 2, 117, 2, 39, 411, 41, 420, 43, 431},
                                       {7, 5, 700, 0, 75, 115, 1, 116, 1, 117, 1}, {3, 2, 101, 0, 32, 11, 10, 13, 500},
                                       {4, 2, 301, 0, 42, 11, 11, 12, 12},
                                       {5, 2, 513, 0, 52, 31, 110, 32, 120, 38, 8, 25, 600},
                                       {2, 4, 551, 0, 24, 32, 130, 38, 4}, {4, 4, 541, 0, 44, 33, 140},
                                       {2, 1, 101, 0, 21, 23, 700}, {3, 1, 51},
                                       {4, 1, 51}, {7, 1, 52}, {8, 1, 52}})
        TestDesk::setzen(f[0], f[1], katalogIndex(f[2]), f.mid(3));
    MainWin().Pult[0].setzeZelle(6, 8);
    SetzePultElement(katalogIndex(930));
}

QString text(const QWidget* w, const char* name)
{
    return w->findChild<QLabel*>(name)->text();
}

bool okAn(const QWidget* w)
{
    return w->findChild<QPushButton*>("OK_But")->isEnabled();
}

// Name "Nord" and start key (1,2).
void nameUndStart(WizardUser& u)
{
    QWidget* g = &FstGBest();
    u.tippen(g, "FSB_Name_Txt", "Nord");
    u.knopf(g, "OK_But");
    u.klick(1, 2, g);
    u.knopf(g, "OK_But");
}

void bisZurFreigabe(WizardUser& u)
{
    nameUndStart(u);
    u.klick(6, 2, &FstGBest());
    u.knopf(&FstGBest(), "OK_But");
}

void bisZuDenElementen(WizardUser& u)
{
    bisZurFreigabe(u);
    u.waehlen(&FstRBest(), "FHT_Chk");
    u.knopf(&FstRBest(), "OK_But");
}
} // namespace

Q_DECLARE_METATYPE(ElementEingabe)

// The answer the next question of the wizard gets.
int meldungenAntwort = Msg::Ja;

class TestRouteWizard : public QObject {
    Q_OBJECT
    Meldungen meldungen{Msg::Ja};
    QTemporaryDir projekt;

    // Starts route definition from the menu while the user does `skript`;
    // it ends under the help topic of the current view again.
    void starten(const Skript& skript)
    {
        MainWin().HelpContextID = 0;
        durchspielen(skript, [] { KonfMenu_Click(2); }, &notizen);
        QVERIFY(!FSinArbeit);
        QCOMPARE(MainWin().HelpContextID, 28);
    }
    QStringList notizen;

private slots:
    void initTestCase()
    {
        echtenKatalogLaden();
    }

    void init()
    {
        PultVerz = projekt.path() + "/";
        PultDatei = "Test.plt";
        PultDaten = PultDatenSatz{};
        musterPult();
        AdrOpt = AdrOptDaten{};
        AdrOpt.AdrOpt_StartAdr[AdrGruppe::Fahrst] = 1000;
        EditModus = 8;
        ChangeEditMode();
        FSinArbeit = false;
        meldungen.neu(Msg::Ja);
        // Fresh dialogs: they keep what the user entered from one route to the next.
        for (int code = 0; code < 7; ++code)
            delete fstSchrittDialog(code);
        delete &FstZT3TM();
        schrittDialogeAnlegen();
    }

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

QTEST_MAIN(TestRouteWizard)
#include "tst_route_wizard.moc"
