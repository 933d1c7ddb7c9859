// The identity stamp, the programming decision, the error dialog and what
// every desk action does before it touches a module.
#include "LnTestUmgebung.h"
#include "PultTestPult.h"
#include "core/DeskMouse.h"
#include "core/DeskReset.h"
#include "core/MainWinState.h"
#include "core/MainWindow.h"
#include "core/MenuCommands.h"
#include "core/ModulePick.h"
#include "loconet/DeskActions.h"
#include "loconet/Kennung.h"
#include "loconet/OpenCom.h"
#include "loconet/PultFehlMeldung.h"
#include "loconet/ProgrammierErlaubnis.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TstPultKennung : public QObject {
    Q_OBJECT

    static constexpr std::array<int16_t, 8> Stempel{2016, 2904, 1405, 8501, 11615, 9814, 11100, 1};   // "Tessaro"

    void tessaroPult()
    {
        TestDesk::neuesPult(3, 2);
        PultDaten.PultName = QStringLiteral("Tessaro");
        kennungAusNamen(PultDaten.PultName, PultDaten.Kennung.data());
    }

private slots:
    void initTestCase() { echtenKatalogLaden(); }

    // The cases the desk-action traces do not walk through: after an
    // initialisation non-zero and changed values are written; with the stamp equal a
    // changed value is written whether or not the desk was initialised.
    void erlaubnis_data()
    {
        QTest::addColumn<bool>("init");
        QTest::addColumn<bool>("erste");
        QTest::addColumn<int>("neu");
        QTest::addColumn<int>("kopie");
        QTest::addColumn<int>("erwartet");
        QTest::newRow("nie programmiert, initialisiert, 0") << true << true << 0 << 0 << 0;
        // 5 was written by a run broken off, or read back, since the initialisation.
        QTest::newRow("nie programmiert, initialisiert, 0 statt 5") << true << true << 0 << 5 << 1;
        QTest::newRow("nie programmiert, initialisiert, Kopie gleich") << true << true << 7 << 7 << 1;
        QTest::newRow("Kennung gleich, nicht initialisiert, geändert") << false << false << 7 << 6 << 1;
    }

    void erlaubnis()
    {
        QFETCH(bool, init);
        QFETCH(bool, erste);
        QFETCH(int, neu);
        QFETCH(int, kopie);
        QFETCH(int, erwartet);
        QCOMPARE(ProgrammierErlaubnis(erste, init, !erste, int16_t(neu), int16_t(kopie)), erwartet);
    }

    // 29 April 2016, 14:05, project "Tessaro"; committing keeps the name part.
    void stempelBildenUndFestschreiben()
    {
        tessaroPult();
        Erzeuge_TempKennung(QDateTime(QDate(2016, 4, 29), QTime(14, 5)));
        QCOMPARE(PultDaten.TempKennung, Stempel);
        PultDaten.TempKennung[3] = 0;
        Erzeuge_Kennung();
        QCOMPARE(PultDaten.Kennung, Stempel);
        QCOMPARE(PultDaten.PultProgJahr, int16_t(2016));
        QCOMPARE(PultDaten.PultProgTag, int16_t(2904));
        QCOMPARE(PultDaten.PultProgZeit, int16_t(1405));
    }

    // Two readings of a foreign value, then the right one: the stamp is equal.
    void stempelVergleichen()
    {
        LnTestUmgebung umgebung;
        SimAnschluss anschluss;
        LnTestUmgebung::einstellen(1, -1, -1);
        int32_t fehler = 0;
        open_com(fehler);
        PultDaten.Kennung = Stempel;
        SimModul& m = anschluss.sim.modul(5467, 4);
        m.programmiermodus = true;
        std::copy(Stempel.begin(), Stempel.end(), m.lncv.begin() + 2040);
        anschluss.sim.fremderWert = 2;
        QCOMPARE(Check_Kennung(5467, fehler), std::optional<bool>(true));
        QCOMPARE(fehler, 0);
        QCOMPARE(int(anschluss.sim.nachrichten.size()), 10);
        QCOMPARE(SimLn::lies(anschluss.sim.nachrichten.first()).lncv, uint16_t(2040));
    }

    // The real dialog: each button and the frame's close give their answer;
    // the title names the running action.
    void fehlerDialog_data()
    {
        QTest::addColumn<int>("knopf");   // -1: closed through the frame
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<int>("antwort");
        QTest::newRow("nochmal") << 0 << 2 << "Pult programmieren" << 0;
        QTest::newRow("nächstes") << 1 << 4 << "Pult initialisieren" << 1;
        QTest::newRow("Abbruch") << 2 << 5 << "Pult löschen" << 2;
        QTest::newRow("Fenster geschlossen") << -1 << 1 << "Pult auslesen" << 2;
    }

    void fehlerDialog()
    {
        QFETCH(int, knopf);
        QFETCH(int, menu);
        QFETCH(QString, titel);
        QFETCH(int, antwort);
        PultMenuIndex = menu;
        PultFehlMeldung_Form* form = PultFehlMeldung_Form::instanz();
        QString gezeigterTitel;
        QTimer::singleShot(50, form, [&] {
            gezeigterTitel = form->windowTitle();
            if (knopf < 0)
                form->close();
            else
                QTest::mouseClick(form->EXIT_But[knopf], Qt::LeftButton);
        });
        QCOMPARE(PultFehlMeldung_fragen(), antwort);
        QCOMPARE(gezeigterTitel, titel);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->EXIT_But[1]->text(), QStringLiteral("nächstes"));
    }

    // A port that does not open ends every whole-desk action before any module is touched.
    void portOeffnetNicht_data()
    {
        QTest::addColumn<int>("menu");
        QTest::newRow("auslesen") << 1;
        QTest::newRow("programmieren") << 2;
        QTest::newRow("initialisieren") << 3;
        QTest::newRow("löschen") << 5;
    }

    void portOeffnetNicht()
    {
        QFETCH(int, menu);
        tessaroPult();
        PultTest::modul(1, 1, 54650, 3, {5, 7});
        LnTestUmgebung umgebung;
        umgebung.antwort = menu == 2 ? Msg::Ja : Msg::Ok;
        SimAnschluss anschluss;
        anschluss.sim.modul(5465, 3);
        anschluss.leitung.oeffnenScheitert = true;
        LnTestUmgebung::einstellen(1, -1, -1);
        umgebung.verknuepfe(1, QStringLiteral("/dev/null"));
        int dialoge = 0;
        setzePultFehlMeldungResponder([&] { return ++dialoge, int(PultFehler::Abbruch); });
        PultMenu_Click(menu);
        setzePultFehlMeldungResponder({});
        QVERIFY(anschluss.sim.nachrichten.isEmpty());
        QCOMPARE(dialoge, 0);
        QCOMPARE(MainWin().InfoTxt2, QStringLiteral("Fehler beim Öffnen des ComPorts"));
        QCOMPARE(PultDaten.PultInit, int16_t(0));
        QCOMPARE(PultDaten.PultProgJahr, int16_t(0));
        QVERIFY(!PultAktionLaeuft);
    }

    // While a desk action runs the menus do nothing but lock the plan, and the window stays open.
    void waehrendEinerAktionGesperrt()
    {
        tessaroPult();
        Meldungen meldungen;
        MainWindow fenster;
        befehleVerbinden(fenster);
        fenster.show();
        PultAktionLaeuft = true;
        const bool gesperrt = PultOptGPLocked;
        for (const char* name : {"PultMenu(2)", "PultLadenMenu", "ProgEndeMenu", "GPLockMenu"})
            fenster.findChild<QAction*>(QLatin1String(name))->trigger();
        const bool geschlossen = fenster.close();
        PultAktionLaeuft = false;
        QVERIFY(meldungen.boxen.isEmpty());
        QCOMPARE(PultOptGPLocked, !gesperrt);
        QVERIFY(!geschlossen);
        QVERIFY(fenster.isVisible());
        GPLockMenu_Click();
    }

    // The blink timer paints the module's field, wherever the grid's cursor is.
    void blinkenFolgtDemModul()
    {
        tessaroPult();
        FlexGrid& plan = MainWin().Pult[0];
        plan.setzeZelle(2, 3);
        MarkBild = {QStringLiteral("normal.bmp"), QStringLiteral("hell.bmp")};
        MarkFeldX = 1;
        MarkFeldY = 2;
        MarkBlink = 0;
        MarkTimer_Timer();
        QCOMPARE(plan.CellPicture(2, 1), QStringLiteral("hell.bmp"));
        QCOMPARE(plan.CellPicture(2, 3), QString());
    }
};

QTEST_MAIN(TstPultKennung)
#include "tst_pult_kennung.moc"
