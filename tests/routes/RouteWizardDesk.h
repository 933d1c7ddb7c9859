#pragma once
// What the route definition tests share: their sample desk, the scripted
// user's way up to the element steps, and a definition started from the menu.
#include "routes/RouteTestDesk.h"

#include "core/MenuCommands.h"
#include "routes/KeyChoiceDialog.h"
#include "routes/RouteDefinition.h"
#include "routes/RouteStepDialog.h"
#include "routes/RouteStepForms.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

// The desk of these tests (8 x 6 fields, right-hand traffic):
//   (1,2) main signal 501, the start key          (6,2) destination key 402, key address 30 green
//   (7,4) 3-button segment, keys 2 and 3 are destination keys; (7,5) one without
//   (3,2) turnout 101 with track feedback 500      (4,2) three-way turnout 301
//   (5,2) main + 3-aspect distant signal 513 with illumination 600
//   (2,4) distant signal 551 switched with its main signal, module address 24
//   (2,1) turnout with illumination 700 left of the pieces 51 at (3,1), (4,1); pieces 52 at (7,1), (8,1)
//   (4,4) shunting signal 541, address 140
//   (8,6) route memory; every module has its own address
inline void musterPult()
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

inline QString text(const QWidget* w, const char* name)
{
    return w->findChild<QLabel*>(name)->text();
}

inline bool okAn(const QWidget* w)
{
    return w->findChild<QPushButton*>("OK_But")->isEnabled();
}

// Name "Nord" and start key (1,2).
inline void nameUndStart(WizardUser& u)
{
    QWidget* g = &FstGBest();
    u.tippen(g, "FSB_Name_Txt", "Nord");
    u.knopf(g, "OK_But");
    u.klick(1, 2, g);
    u.knopf(g, "OK_But");
}

inline void bisZurFreigabe(WizardUser& u)
{
    nameUndStart(u);
    u.klick(6, 2, &FstGBest());
    u.knopf(&FstGBest(), "OK_But");
}

inline void bisZuDenElementen(WizardUser& u)
{
    bisZurFreigabe(u);
    u.waehlen(&FstRBest(), "FHT_Chk");
    u.knopf(&FstRBest(), "OK_But");
}

// Each test function starts on the sample desk with fresh step dialogs.
struct RouteWizardDesk {
    Meldungen meldungen{Msg::Ja};
    QTemporaryDir projekt;
    QStringList notizen;

    // Starts route definition from the menu while the user does `skript`;
    // it ends under the help topic of the current view again.
    void starten(const Skript& skript)
    {
        MainWin().HelpContextID = 0;
        durchspielen(skript, [] { KonfMenu_Click(2); }, &notizen);
        QVERIFY(!FSinArbeit);
        QCOMPARE(MainWin().HelpContextID, 28);
    }

    void vorbereiten()
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
};
